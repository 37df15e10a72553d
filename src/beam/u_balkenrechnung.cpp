#include "beam/u_balkenrechnung.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_lagerkraft.h"
#include "beam/u_tragfaelle.h"
#include "language/u_uebersetzung.h"
#include "platform/u_zahlen.h"
#include <cmath>

namespace {

int index(TBClientDataSet& t, Feldname name) { return t.FieldByName(name).Index(); }

void setzeProzent(TField& ziel, const TField& wert, double zulaessig, bool betrag)
{
    const auto p = wert.IsNull() ? std::nullopt : Prozent(wert.AsFloat(), zulaessig);
    if (p)
        ziel.SetAsFloat(betrag ? std::fabs(*p) : *p);
    else
        ziel.Clear();
}

Rechenvorgabe leseVorgabe(Balkenmodell& m)
{
    Rechenvorgabe v;
    v.traverse = m.traverse;
    v.modus = m.Modus();
    v.staudruck = m.StaudruckWert();
    v.minimal = m.minimal;
    v.negativ = m.negativ;

    TBClientDataSet& l = m.cds_lager;
    l.CheckBrowseMode();
    const int nummer = index(l, Lagerfeld::Nummer), position = index(l, Lagerfeld::Position);
    const int minimal = index(l, Lagerfeld::Minimalkraft), maximal = index(l, Lagerfeld::Maximallast);
    v.lager.reserve(std::size_t(l.RecordCount()));
    for (l.First(); !l.Eof(); l.Next())
        v.lager.push_back({l.Fields(nummer).AsInteger(), l.Fields(position).AsFloat(),
                           l.Fields(minimal).AsFloat(), l.Fields(maximal).AsFloat()});

    TBClientDataSet& s = m.cds_lasten;
    s.CheckBrowseMode();
    const int type = index(s, Lastfeld::Type), pos1 = index(s, Lastfeld::Pos1), pos2 = index(s, Lastfeld::Pos2);
    const int last = index(s, Lastfeld::Last), flaeche = index(s, Lastfeld::Aequivalenzflaeche);
    v.lasten.reserve(std::size_t(s.RecordCount()));
    for (s.First(); !s.Eof(); s.Next())
        v.lasten.push_back({s.Fields(type).AsInteger(), s.Fields(pos1).AsFloat(), s.Fields(pos2).AsFloat(),
                            s.Fields(last).AsFloat(), s.Fields(flaeche).AsFloat()});
    return v;
}

// What the pairwise method cannot carry: the set-up, a load beyond the ends, an overload.
QStringList Warnungen(const Rechenergebnis& e)
{
    QStringList w;
    if (!e.getragen)
        w.append(Uebersetzt(2790, QStringLiteral("Kein Tragfall hat alle Lager unter Druck")));
    for (int last : e.lastenAusserhalb)
        w.append(Format(Uebersetzt(2791, QStringLiteral("Last %d liegt außerhalb der Traverse")), {last}));
    // Where nothing carries, the missing permissible values are not the first concern.
    if (e.getragen && e.ohneZulaessigeQuerkraft)
        w.append(Uebersetzt(2780, QStringLiteral("Keine zulässige Querkraft: Auslastung unbekannt")));
    if (e.getragen && e.ohneZulaessigesMoment)
        w.append(Uebersetzt(2781, QStringLiteral("Kein zulässiges Biegemoment: Auslastung unbekannt")));
    if (e.auslastungBekannt && e.auslastung > 100)
        w.append(Uebersetzt(2792, QStringLiteral("Auslastung über 100 %")));
    for (int lager : e.lagerUeberlastet)
        w.append(Format(Uebersetzt(2793, QStringLiteral("Lager %d: Kraft über der Maximallast")), {lager}));
    return w;
}

} // namespace

std::optional<Lagerverweis> LeseLagerverweis(const QString& name)
{
    QStringView rest(name);
    int zahlen[3] = {0, 0, 0};
    const char buchstaben[3] = {'T', 'V', 'L'};
    for (int i = 0; i < 3; ++i) {
        if (rest.isEmpty() || rest.front() != QLatin1Char(buchstaben[i]))
            return std::nullopt;
        const qsizetype strich = rest.indexOf(u'|');
        if (strich < 0)
            return std::nullopt;
        const auto zahl = TextZuInteger(rest.mid(1, strich - 1).toString());
        if (!zahl || *zahl < 0)
            return std::nullopt;
        zahlen[i] = *zahl;
        rest = rest.mid(strich + 1);
    }
    return Lagerverweis{zahlen[0], zahlen[1], zahlen[2]};
}

double Versetzschritt(bool nachAussen, bool umschalt, bool strg)
{
    const double d = umschalt && strg ? 3.0 : strg ? 1.0 : umschalt ? 0.3 : 0.1;
    return nachAussen ? d : -d;
}

Balkenrechnung::Balkenrechnung(Balkenmodell& modell) : m(modell) {}

void Balkenrechnung::aktualisiereTraversenkraefte()
{
    TBClientDataSet& s = m.cds_lasten;
    s.CheckBrowseMode();
    const int type = index(s, Lastfeld::Type), name = index(s, Lastfeld::Name), last = index(s, Lastfeld::Last);
    for (s.First(); !s.Eof(); s.Next()) {
        if (s.Fields(type).AsInteger() != ArtTraversenkraft)
            continue;
        const QString text = s.Fields(name).AsString();
        const auto verweis = LeseLagerverweis(text);
        if (!verweis) {
            meldungen.append(Format(Uebersetzt(2027, QStringLiteral("Fehler: Lager nicht gefunden! (%s)")), {text}));
            continue;
        }
        const double kraft = projekt ? projekt->Lagerkraft(verweis->traverse, verweis->variante, verweis->lager) : 0;
        s.Edit();
        s.Fields(last).SetAsFloat(std::isfinite(kraft) ? kraft : 0);
        s.Post();
    }
}

void Balkenrechnung::legeErgebnistabellenAn()
{
    using T = TFieldType;
    namespace F = Tragfallfeld;
    namespace P = Positionsfeld;
    namespace M = Maximafeld;
    TFieldDef positionen = Felddef(F::Positionen, T::DataSet);
    positionen.children = {Felddef(P::X, T::Float), Felddef(P::Q, T::Float), Felddef(P::M, T::Float)};
    cds_positionen.Close();
    cds_tragfaelle.Close();
    cds_tragfaelle.FieldDefs = {Felddef(F::Nummer, T::AutoInc), Felddef(F::Lager_1, T::Integer),
                                Felddef(F::Lager_2, T::Integer), Felddef(F::Lagerpos_1, T::Float),
                                Felddef(F::Lagerpos_2, T::Float), Felddef(F::Lagerkraft_1, T::Float),
                                Felddef(F::Lagerkraft_2, T::Float), Felddef(F::MaximaleQuerkraft, T::Float),
                                Felddef(F::MaximalesBiegemoment, T::Float), Felddef(F::MaxQProz, T::Float, 0, true),
                                Felddef(F::MaxMProz, T::Float, 0, true), positionen};
    cds_tragfaelle.CreateDataSet();
    cds_tragfaelle.SetIndexFieldNames({F::Nummer});
    cds_positionen.SetDataSetField(cds_tragfaelle, F::Positionen);
    cds_positionen.SetIndexFieldNames({P::X});

    cds_maxima.Close();
    cds_maxima.FieldDefs = {Felddef(M::X, T::Float),     Felddef(M::Q_min, T::Float),
                            Felddef(M::Q_max, T::Float), Felddef(M::M_min, T::Float),
                            Felddef(M::M_max, T::Float), Felddef(M::Q_minProz, T::Float, 0, true),
                            Felddef(M::Q_maxProz, T::Float, 0, true), Felddef(M::M_minProz, T::Float, 0, true),
                            Felddef(M::M_maxProz, T::Float, 0, true)};
    cds_maxima.CreateDataSet();
    cds_maxima.SetIndexFieldNames({M::X});

    for (TBClientDataSet* t : {&cds_tragfaelle, &cds_positionen, &cds_maxima})
        for (int i = 0; i < t->FieldCount(); ++i)
            if (t->Fields(i).DataType() == T::Float)
                t->Fields(i).DisplayFormat = QStringLiteral("0.00");

    const double qZul = m.traverse.maxQuer, mZul = m.traverse.maxBiege;
    const int maxQ = index(cds_tragfaelle, F::MaximaleQuerkraft), maxM = index(cds_tragfaelle, F::MaximalesBiegemoment);
    const int qProz = index(cds_tragfaelle, F::MaxQProz), mProz = index(cds_tragfaelle, F::MaxMProz);
    cds_tragfaelle.OnCalcFields = [=](TBClientDataSet& t) {
        setzeProzent(t.Fields(qProz), t.Fields(maxQ), qZul, true);
        setzeProzent(t.Fields(mProz), t.Fields(maxM), mZul, true);
    };
    cds_maxima.OnCalcFields = [=](TBClientDataSet& t) {
        for (int i = 1; i <= 4; ++i)
            setzeProzent(t.Fields(4 + i), t.Fields(i), i <= 2 ? qZul : mZul, false);
    };
}

// The rows go in by the fill path: the load cases in number order, their sections and the
// envelope in X order, as the indexes want them.
QStringList Balkenrechnung::fuelleErgebnistabellen(const Rechenergebnis& e)
{
    TBClientDataSet& t = cds_tragfaelle;
    TBClientDataSet& p = cds_positionen;
    const int lager1 = index(t, Tragfallfeld::Lager_1);
    const int maxQ = index(t, Tragfallfeld::MaximaleQuerkraft);
    const int px = index(p, Positionsfeld::X), pq = index(p, Positionsfeld::Q), pm = index(p, Positionsfeld::M);
    Tabellenfuellung tragfaelle(t);
    Tabellenfuellung positionen(tragfaelle, p);
    tragfaelle.Reserviere(int(e.tragfaelle.size()));
    QStringList ohneErgebnis;
    for (std::size_t i = 0; i < e.tragfaelle.size(); ++i) {
        const Tragfall& f = e.tragfaelle[i];
        tragfaelle.NeueZeile();
        tragfaelle.Setze(lager1, qint32(f.lager1));
        tragfaelle.Setze(lager1 + 1, qint32(f.lager2));
        tragfaelle.Setze(lager1 + 2, f.pos1);
        tragfaelle.Setze(lager1 + 3, f.pos2);
        if (f.hatReaktionen()) {
            tragfaelle.Setze(lager1 + 4, f.kraft1);
            tragfaelle.Setze(lager1 + 5, f.kraft2);
        }
        if (f.mitPositionen) {
            tragfaelle.Setze(maxQ, f.maxQ);
            tragfaelle.Setze(maxQ + 1, f.maxM);
        }
        if (f.zustand == Tragfall::Zustand::GleicheLagerposition)
            ohneErgebnis.append(Format(Uebersetzt(2087, QStringLiteral("Tragfall %d: Lager %d und %d stehen an derselben Position, kein Ergebnis")),
                                       {int(i + 1), f.lager1, f.lager2}));
        else if (f.zustand == Tragfall::Zustand::Ueberlauf)
            ohneErgebnis.append(Format(Uebersetzt(2088, QStringLiteral("Tragfall %d: Werte außerhalb des Zahlenbereichs, kein Ergebnis")),
                                       {int(i + 1)}));
        if (!f.mitPositionen)
            continue;
        const double* q = e.q.data() + f.ersteposition;
        const double* mo = e.m.data() + f.ersteposition;
        positionen.Reserviere(int(e.x.size()));
        for (std::size_t k = 0; k < e.x.size(); ++k) {
            positionen.NeueZeile();
            positionen.Setze(px, e.x[k]);
            positionen.Setze(pq, q[k]);
            positionen.Setze(pm, mo[k]);
        }
    }
    positionen.Fertig();
    tragfaelle.Fertig();

    Tabellenfuellung maxima(cds_maxima);
    maxima.Reserviere(int(e.huelle.size()));
    for (const Huellenzeile& z : e.huelle) {
        maxima.NeueZeile();
        maxima.Setze(0, z.x);
        maxima.Setze(1, z.qMin);
        maxima.Setze(2, z.qMax);
        maxima.Setze(3, z.mMin);
        maxima.Setze(4, z.mMax);
    }
    maxima.Fertig();
    return ohneErgebnis;
}

Meldungen Balkenrechnung::Berechnen()
{
    auslastung.reset();
    durchlauf.reset();
    meldungen.clear();
    warnungen.clear();
    aktualisiereTraversenkraefte();
    const Rechenvorgabe vorgabe = leseVorgabe(m);

    const QString tragfallText = Uebersetzt(2033, QStringLiteral("Tragfall %d von %d"));
    const Rechenergebnis e = RechneTragfaelle(vorgabe, [&](int nummer, int anzahl) {
        if (zeigeStatus)
            zeigeStatus(Format(tragfallText, {nummer, anzahl}));
        if (ereignisseVerarbeiten)
            ereignisseVerarbeiten();
    });

    durchlauf = RechneDurchlauftraeger(vorgabe, m.travEI ? std::optional(*m.travEI * 1000) : std::nullopt,
                                       m.Durchbiegungsgrenze());

    legeErgebnistabellenAn();
    const QStringList ohneErgebnis = fuelleErgebnistabellen(e);

    TBClientDataSet& l = m.cds_lager;
    const int berechnetFeld = index(l, Lagerfeld::Berechnet);
    std::size_t s = 0;
    for (l.First(); !l.Eof() && s < e.berechnet.size(); l.Next(), ++s) {
        l.Edit();
        l.Fields(berechnetFeld).SetAsFloat(e.berechnet[s]);
        l.Post();
    }
    l.First();

    if (e.auslastungBekannt)
        auslastung = e.auslastung;
    gesamtlast = e.gesamtlast;
    warnungen = Warnungen(e);
    SetzeStatustexte();
    m.berechnetAm = QDateTime::currentDateTime();
    berechnet = true;
    // The supports not found each in a box of their own, then the rest together in one.
    Meldungen anzeigen = meldungen;
    const QStringList neu = ohneErgebnis + warnungen;
    if (!neu.isEmpty()) {
        meldungen.append(neu);
        anzeigen.append(neu.join(u'\n'));
    }
    return anzeigen;
}

void Balkenrechnung::SetzeStatustexte()
{
    statusAuslastung = auslastung ? FormatFloat(QStringLiteral("0.00 %"), *auslastung) : QStringLiteral("—");
    statusGesamtlast = Format(Uebersetzt(2030, QStringLiteral("Gesamtlast (%s): %12.2f N    %12.2f kg")),
                              {m.berechnung.angezeigterText(), gesamtlast, gesamtlast / NproKg});
}

Meldungen Balkenrechnung::LagerVersetzen(double schritt)
{
    VersetzeLager(schritt);
    return Berechnen();
}

void Balkenrechnung::VersetzeLager(double schritt)
{
    TBClientDataSet& l = m.cds_lager;
    l.CheckBrowseMode();
    const int position = index(l, Lagerfeld::Position);
    const double halbe = m.traverse.laenge / 2;
    for (l.First(); !l.Eof(); l.Next()) {
        double x = l.Fields(position).AsFloat();
        if (x > 0.001)
            x = std::min(halbe, x + schritt);
        if (x < -0.001)
            x = std::max(-halbe, x - schritt);
        l.Edit();
        l.Fields(position).SetAsFloat(x);
        l.Post();
    }
}
