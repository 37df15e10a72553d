#include "loadtable/u_belastungstabelle.h"
#include "language/u_uebersetzung.h"
#include "platform/u_einheiten.h"
#include "platform/u_zahlen.h"
#include <algorithm>
#include <utility>

namespace {


double zahl(const QString& text) { return TextZuFloat(text).value_or(0); }

const QString& maske()
{
    static const QString m = QStringLiteral("### ### ##0.00");
    return m;
}

// Detaches the table from its grid, listeners and row calculation while the pass walks it;
// attaches again on every way out.
class Abgekoppelt {
public:
    explicit Abgekoppelt(TBClientDataSet& t) : m_t(t), m_still(t), m_calc(std::exchange(t.OnCalcFields, nullptr)) {}
    ~Abgekoppelt() { m_t.OnCalcFields = std::move(m_calc); }

private:
    TBClientDataSet& m_t;
    StilleTabelle m_still;
    std::function<void(TBClientDataSet&)> m_calc;
};

} // namespace

BelastungsEingaben::BelastungsEingaben()
    : name(Uebersetzt(1503, QStringLiteral("neue Traverse"))),
      cmbGewicht({QStringLiteral("kg"), QStringLiteral("N"), QStringLiteral("kN")}, 0),
      cmbLaenge1({QStringLiteral("m"), QStringLiteral("ft")}, 0),
      cmbHoehe({QStringLiteral("mm"), QStringLiteral("in")}, 0),
      cmbLaenge2({QStringLiteral("m"), QStringLiteral("ft")}, 0),
      cmbEinzellast({QStringLiteral("kg"), QStringLiteral("N"), QStringLiteral("kN")}, 0),
      cmbStreckenlast({QStringLiteral("kg/m"), QStringLiteral("N/m"), QStringLiteral("kN/m"),
                       QStringLiteral("kg/ft"), QStringLiteral("N/ft"), QStringLiteral("kN/ft"),
                       QStringLiteral("kg"), QStringLiteral("N"), QStringLiteral("kN")},
                      0)
{
}

Belastungstabelle::Belastungstabelle() { setzeHaken(); }

void Belastungstabelle::setzeHaken()
{
    for (auto signal : {&TBClientDataSet::NachPost, &TBClientDataSet::NachLoeschen})
        QObject::connect(&cds_traverse, signal, &cds_traverse, [this] { meldeDurchlauf(); });
    cds_traverse.OnCalcFields = [this](TBClientDataSet&) { setzeFelder(ZeileBerechnen()); };
}

void Belastungstabelle::meldeDurchlauf()
{
    const Meldungen meldungen = Neuberechnen();
    if (beiMeldungen && !meldungen.isEmpty())
        beiMeldungen(meldungen);
}

void Belastungstabelle::TabelleNeu()
{
    using namespace Belastungsfeld;
    auto feld = [](Feldname name, bool berechnet) { return Felddef(name, TFieldType::Float, 0, berechnet); };
    TFieldDef laengenfeld = Felddef(laenge, TFieldType::Integer);
    laengenfeld.required = true;
    cds_traverse.Close();
    cds_traverse.FieldDefs = {
        laengenfeld,
        feld(einzellast, false),    feld(streckenlast, false), feld(einzellast_N, true),
        feld(streckenlast_Nm, true), feld(querkraft_e, true),  feld(biegemoment_e, true),
        feld(querkraft_s, true),    feld(biegemoment_s, true),
    };
    cds_traverse.CreateDataSet();
    cds_traverse.SetIndexFieldNames({Belastungsfeld::laenge});
    for (int i = 1; i < cds_traverse.FieldCount(); ++i)
        cds_traverse.Fields(i).DisplayFormat = maske();
}

void Belastungstabelle::UebernimmZeilen(TBClientDataSet& quelle)
{
    const Feldname felder[] = {Belastungsfeld::laenge, Belastungsfeld::einzellast, Belastungsfeld::streckenlast};
    for (const Feldname name : felder)
        quelle.FieldByName(name); // a missing field throws before anything changes
    TabelleNeu();
    Abgekoppelt ab(cds_traverse);
    for (quelle.First(); !quelle.Eof(); quelle.Next()) {
        cds_traverse.Append();
        for (const Feldname name : felder)
            cds_traverse.FieldByName(name).SetValue(quelle.FieldByName(name).Value());
        cds_traverse.Post();
    }
    cds_traverse.First();
}

Meldungen Belastungstabelle::EigenlastBerechnen()
{
    double G = zahl(eingaben.gewicht);
    if (const auto einheit = KrafteinheitAn(eingaben.cmbGewicht.gewaehlt()))
        G *= NewtonJe(*einheit);
    double L = zahl(eingaben.laenge);
    if (eingaben.cmbLaenge1.gewaehlt() == BelastungsEingaben::Fuss)
        L *= MProFt;
    ergebnisse.eigenlast = (G <= 0.1 || L <= 0.01) ? 0 : G / L;
    return Neuberechnen();
}

Zeilenergebnis Belastungstabelle::ZeileBerechnen()
{
    auto& t = cds_traverse;
    const double g = ergebnisse.eigenlast;
    TField& laenge = t.FieldByName(Belastungsfeld::laenge);

    // Without a length unit the number is taken as metres.
    Zeilenergebnis z;
    double l = LaengeOhneEintrag;
    if (!laenge.IsNull()) {
        l = laenge.AsInteger();
        if (eingaben.cmbLaenge2.gewaehlt() == BelastungsEingaben::Fuss)
            l *= MProFt;
        else if (eingaben.cmbLaenge2.gewaehlt() < 0)
            z.meldungen << Uebersetzt(1551, QStringLiteral("Keine Einheit für die Länge gewählt!"));
    }

    const double e = t.FieldByName(Belastungsfeld::einzellast).AsFloat();
    if (const auto einheit = KrafteinheitAn(eingaben.cmbEinzellast.gewaehlt()))
        z.einzellastN = e * NewtonJe(*einheit);
    else
        z.meldungen << Uebersetzt(1552, QStringLiteral("Keine Einheit für die Einzelkraft gewählt!"));

    // A total load on a span of length 0 is spread over nothing: that row carries no
    // distributed load rather than an infinite one.
    const double s = t.FieldByName(Belastungsfeld::streckenlast).AsFloat();
    const auto jeSpannweite = [&](double faktor) { return l == 0 ? 0.0 : s * faktor / l; };
    if (const auto einheit = TabellenStreckenlastAn(eingaben.cmbStreckenlast.gewaehlt())) {
        const double n = NewtonJe(einheit->kraft);
        switch (einheit->bezug) {
        case Lastbezug::JeMeter: z.streckenlastNm = s * n; break;
        case Lastbezug::JeFuss: z.streckenlastNm = s * n / MProFt; break;
        case Lastbezug::JeSpannweite: z.streckenlastNm = jeSpannweite(n); break;
        }
    } else {
        z.meldungen << Uebersetzt(1553, QStringLiteral("Keine Einheit für die Streckenlast gewählt!"));
    }

    const double F = z.einzellastN.toDouble();
    const double q = z.streckenlastNm.toDouble();
    z.querkraftE = F / 2 + g * l / 2;
    z.querkraftS = q * l / 2 + g * l / 2;
    z.biegemomentE = F * l / 4 + l * l * g / 8;
    z.biegemomentS = l * l * q / 8 + l * l * g / 8;

    return z;
}

void Belastungstabelle::setzeFelder(const Zeilenergebnis& z)
{
    auto& t = cds_traverse;
    t.FieldByName(Belastungsfeld::einzellast_N).SetValue(z.einzellastN);
    t.FieldByName(Belastungsfeld::streckenlast_Nm).SetValue(z.streckenlastNm);
    t.FieldByName(Belastungsfeld::querkraft_e).SetAsFloat(z.querkraftE);
    t.FieldByName(Belastungsfeld::biegemoment_e).SetAsFloat(z.biegemomentE);
    t.FieldByName(Belastungsfeld::querkraft_s).SetAsFloat(z.querkraftS);
    t.FieldByName(Belastungsfeld::biegemoment_s).SetAsFloat(z.biegemomentS);
}

Meldungen Belastungstabelle::Neuberechnen()
{
    auto& t = cds_traverse;
    if (!t.Active())
        return {};
    Meldungen meldungen;
    const QVariant gemerkt = t.RecordCount() > 0 ? t.FieldByName(Belastungsfeld::laenge).Value() : QVariant();
    {
        Abgekoppelt ab(t);
        t.CheckBrowseMode();
        double qMax = 0;
        double mMax = 0;
        // The calculated fields are not stored: the table computes them for the row it shows,
        // so the pass only reads the rows; a post would move a row behind others of equal length.
        for (t.First(); !t.Eof(); t.Next()) {
            const Zeilenergebnis z = ZeileBerechnen();
            meldungen << z.meldungen;
            qMax = std::max({qMax, z.querkraftS, z.querkraftE});
            mMax = std::max({mMax, z.biegemomentS, z.biegemomentE});
        }
        ergebnisse.querkraft = qMax;
        ergebnisse.biegemoment = mMax;

        const auto inMetern = [this](const QString& text) {
            const double wert = zahl(text);
            switch (eingaben.cmbHoehe.gewaehlt()) {
            case BelastungsEingaben::Millimeter: return wert / 1000;
            case BelastungsEingaben::Zoll: return wert * MmProZoll / 1000;
            default: return wert;
            }
        };
        ergebnisse.hoehe = inMetern(eingaben.hoehe);
        ergebnisse.breite = inMetern(eingaben.breite);
        ergebnisse.normalkraft = ergebnisse.hoehe <= 0.001 ? 0 : mMax / ergebnisse.hoehe;
    }
    if (!gemerkt.isValid() || !t.Locate({Belastungsfeld::laenge}, {gemerkt}))
        t.First();
    // The row the window shows after the pass tells its missing units once more.
    if (t.RecordCount() > 0)
        meldungen << ZeileBerechnen().meldungen;
    return meldungen;
}

QString Belastungstabelle::EigenlastText() const
{
    return FormatFloat(QStringLiteral("### ### ##0.00 N/m"), ergebnisse.eigenlast);
}

QString Belastungstabelle::QuerkraftText() const
{
    return FormatFloat(QStringLiteral("### ### ##0.00 N"), ergebnisse.querkraft);
}

QString Belastungstabelle::BiegemomentText() const
{
    return FormatFloat(QStringLiteral("### ### ##0.00 Nm"), ergebnisse.biegemoment);
}

QString Belastungstabelle::NormalkraftText() const
{
    return FormatFloat(QStringLiteral("### ### ##0.00 N"), ergebnisse.normalkraft);
}

BibliotheksEintrag Belastungstabelle::Bibliothekswerte() const
{
    BibliotheksEintrag e{eingaben.hersteller, eingaben.name, eingaben.bearbeiter,
                         ergebnisse.eigenlast, eingaben.querkraft, eingaben.biegemoment};
    e.hoehe = ergebnisse.hoehe;
    e.breite = eingaben.horizontaleDiagonalen ? ergebnisse.breite : 0;
    e.gurtzahl = eingaben.gurte;
    return e;
}

bool Belastungstabelle::InDieBibliothek(Traversenbibliothek& bibliothek, const Rueckfrage& bejaht) const
{
    return bibliothek.InBibliothek(
        Bibliothekswerte(), Uebersetzt(1555, QStringLiteral("Traverse \"%s %s\" existiert bereits.")), bejaht);
}
