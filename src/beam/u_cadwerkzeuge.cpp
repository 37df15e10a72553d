#include "beam/u_cadwerkzeuge.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_balkenmodell.h"
#include "beam/u_lagerkraft.h"
#include "beam/u_lastbibfelder.h"
#include "beam/u_lastenbibliothek.h"
#include "language/u_uebersetzung.h"
#include "platform/u_bildpunkt.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include "truss/u_travbibfelder.h"
#include <QPointF>
#include <QScopedValueRollback>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

int feld(TBClientDataSet& t, Feldname name) { return t.FieldByName(name).Index(); }

QString standardflaeche(int art, const QString& groesse)
{
    return FormatFloat(QStringLiteral("0.0000"), StandardWindflaeche(art, TextZuFloat(groesse).value_or(1)));
}

double strengeZahl(const QString& text)
{
    const auto wert = TextZuFloat(text);
    if (!wert)
        throw Fehler(Format(QStringLiteral("'%s' ist kein gültiger Gleitkommawert"), {text}));
    return *wert;
}

bool zweiKlicks(int art) { return art == ArtStreckenlast || (art >= Art4erBar && art <= ArtBeamer); }

} // namespace

void Cadansicht::SetzeMassstab(double m)
{
    massstab = m;
    raster = 1;
    for (double g : {0.5, 0.2, 0.1, 0.05, 0.02, 0.01, 0.005, 0.002, 0.001})
        if (g + 0.0005 >= m)
            raster = g;
    zahlenformat = QStringLiteral("0");
    if (m < 0.1)
        zahlenformat = QStringLiteral("0.0");
    if (m < 0.01)
        zahlenformat = QStringLiteral("0.00");
}

double Cadansicht::MassstabVonRegler(int position) { return std::pow(10.0, -position / 10.0); }

bool Cadansicht::Einpassen(double laenge)
{
    const double m = laenge / (breite - 50);
    if (!(m > 0) || !std::isfinite(m))
        return false;
    ansichtsmitte = 0;
    SetzeMassstab(m);
    return true;
}

std::optional<int> Cadansicht::ZoomUm(int spalte, int schritte)
{
    if (schritte == 0)
        return std::nullopt;
    // Slider position of the present scale; a fitted scale lies between two positions.
    const double jetzt = -10 * std::log10(massstab);
    const double ab = schritte > 0 ? std::floor(jetzt + 1e-6) : std::ceil(jetzt - 1e-6);
    const int ziel = std::clamp(int(ab) + schritte, ReglerGrob, RadFein);
    const double m = MassstabVonRegler(ziel);
    // beyond an end (a fitted tiny or huge truss) only the way back is open
    if (schritte > 0 ? m >= massstab * (1 - 1e-9) : m <= massstab * (1 + 1e-9))
        return std::nullopt;
    const double unterDemZeiger = XVon(spalte);
    SetzeMassstab(m);
    ansichtsmitte += unterDemZeiger - XVon(spalte);
    return ziel;
}

int Cadansicht::Spalte(double x) const { return Bildpunkt((x - ansichtsmitte) / Pixelmass()) + breite / 2; }

int Cadansicht::Zeile(double y) const
{
    return Bildpunkt(y / Pixelmass()) + (hoehe - LinealHoehe) / 2 + LinealHoehe;
}

double Cadansicht::XVon(int spalte) const { return ansichtsmitte + Pixelmass() * (spalte - breite / 2); }

double Cadansicht::YVon(int zeile) const
{
    return Pixelmass() * (zeile - LinealHoehe - (hoehe - LinealHoehe) / 2);
}

double Cadansicht::Fangen(double wert) const
{
    const double schritt = 10 * raster;
    return std::round(wert / schritt) * schritt;
}

Werkzeugpanele PaneleFuer(int w)
{
    Werkzeugpanele p;
    p.eigenschaften = w != ArtSelektieren && w != ArtVerschieben && w != ArtTraversenkraft;
    p.propLager = w == ArtLager || w == ArtMotorzug;
    p.propLasten = !p.propLager;
    p.travKraft = w == ArtTraversenkraft;
    p.eintippen = p.eigenschaften || p.travKraft;
    p.anzahl = p.eintippen && !zweiKlicks(w);
    return p;
}

Cadwerkzeuge::Cadwerkzeuge(Balkenmodell& modell, Cadansicht& ansicht) : m(modell), a(ansicht)
{
    QObject::connect(&m.cds_lager, &TBClientDataSet::NachPost, this, [this] { melde(); });
    // a reordered distributed load is posted again, which reports the change
    QObject::connect(&m.cds_lasten, &TBClientDataSet::NachPost, this, [this] {
        if (!OrdneStreckenlast(m.cds_lasten))
            melde();
    });
    for (TBClientDataSet* t : {&m.cds_lager, &m.cds_lasten})
        QObject::connect(t, &TBClientDataSet::NachLoeschen, this, [this] { melde(); });
}

void Cadwerkzeuge::melde()
{
    if (m_stumm)
        return;
    Q_EMIT geaendert();
    Q_EMIT neuZeichnen();
}

void Cadwerkzeuge::MausBewegt(int X, int Y, bool linksGedrueckt)
{
    const double x = a.Fangen(a.XVon(X));
    const double y = a.Fangen(a.YVon(Y));
    textX = QStringLiteral("X: ") + FormatFloat(a.zahlenformat, x);
    if (a.ErsterPunktGesetzt()) {
        x1Sichtbar = true;
        textX1 = QStringLiteral("X1: ") + FormatFloat(a.zahlenformat, a.ersterPunkt) + QStringLiteral("    d: ")
            + FormatFloat(a.zahlenformat, x - a.ersterPunkt);
    }
    auswahlrahmen = a.werkzeug == ArtSelektieren && linksGedrueckt;
    m_obenZuletzt = a.YVon(Y) < 0;
    a.fadenkreuz = QPoint(a.Spalte(x), a.Zeile(y));
}

void Cadwerkzeuge::MausGedrueckt(int X, int Y, Qt::MouseButton taste)
{
    if (a.werkzeug != ArtVerschieben)
        MausBewegt(X, Y, taste == Qt::LeftButton);
    if (taste == Qt::RightButton)
        Zentrieren(Y);
    if (taste != Qt::LeftButton)
        return;

    const bool oben = a.YVon(Y) < 0;
    const double x = a.Fangen(a.XVon(X));
    const int w = a.werkzeug;
    if (w == ArtSelektieren) {
        a.ankerX = a.XVon(X);
        a.ankerY = a.YVon(Y);
        auswahlrahmen = true;
        m_rahmen = true;
    } else if (zweiKlicks(w)) {
        if (!a.ErsterPunktGesetzt()) {
            a.ersterPunkt = x;
        } else {
            const double erster = a.ersterPunkt;
            a.ersterPunkt = KeinPunkt;
            setzeLast(w, std::min(erster, x), std::max(erster, x), oben, std::fabs(erster - x));
        }
    } else if (w == ArtVerschieben) {
        if (a.ErsterPunktGesetzt())
            verschiebe(x - a.ersterPunkt);
        a.ersterPunkt = x;
    } else {
        setzeEinzeln(x, oben);
    }
    Q_EMIT neuZeichnen();
}

bool Cadwerkzeuge::setzeEinzeln(double x, bool oben)
{
    const int w = a.werkzeug;
    if (w == ArtLager || w == ArtMotorzug)
        return setzeLager(x, w == ArtMotorzug || oben);
    if (w == ArtKraft || (w >= ArtScheinwerfer && w <= ArtMHWash))
        return setzeLast(w, x, x, oben, 0);
    if (w == ArtTraversenkraft)
        return setzeTraversenkraft(x, oben);
    return false;
}

int Cadwerkzeuge::Eintippen(const QString& text1, const QString& text2, int n)
{
    if (!PaneleFuer(a.werkzeug).eintippen)
        return 0;
    const double halb = m.traverse.laenge / 2;
    const auto position = [&](const QString& text) -> std::optional<double> {
        if (text.trimmed().isEmpty())
            return std::nullopt;
        const double x = strengeZahl(text);
        if (!(std::fabs(x) <= halb + 1e-9))
            throw Fehler(Format(Uebersetzt(2835, QStringLiteral("Position %s m liegt außerhalb von %s bis %s m.")),
                                {text.trimmed(), FormatFloat(QStringLiteral("0.00"), -halb),
                                 FormatFloat(QStringLiteral("0.00"), halb)}));
        return x;
    };
    try {
        std::optional<double> x1 = position(text1);
        const std::optional<double> x2 = position(text2);
        if (!x1 && zweiKlicks(a.werkzeug) && a.ErsterPunktGesetzt())
            x1 = a.ersterPunkt;
        if (!x1)
            throw Fehler(Uebersetzt(2839, QStringLiteral("Bitte die Position x1 eingeben.")));
        if (zweiKlicks(a.werkzeug)) {
            a.ersterPunkt = x2 ? KeinPunkt : *x1;
            return x2 && setzeLast(a.werkzeug, std::min(*x1, *x2), std::max(*x1, *x2), m_obenZuletzt,
                                   std::fabs(*x2 - *x1));
        }
        if (n >= 2 && (!x2 || *x2 == *x1))
            throw Fehler(Uebersetzt(2836, QStringLiteral("n gleiche Lasten: x2 eingeben, ungleich x1.")));
        const int anzahl = std::max(n, 1);
        for (int i = 0; i < anzahl; ++i)
            if (!setzeEinzeln(anzahl == 1 ? *x1 : *x1 + (*x2 - *x1) * i / (anzahl - 1), m_obenZuletzt))
                return i;
        return anzahl;
    } catch (const Fehler& fehler) {
        Q_EMIT meldung(fehler.meldung());
        return 0;
    }
}

int Cadwerkzeuge::LastFuerMarkierte(const QString& text)
{
    try {
        strengeZahl(text);
    } catch (const Fehler& fehler) {
        Q_EMIT meldung(fehler.meldung());
        return 0;
    }
    TBClientDataSet& s = m.cds_lasten;
    s.CheckBrowseMode();
    const int markiert = feld(s, Lastfeld::markiert), art = feld(s, Lastfeld::Type), last = feld(s, Lastfeld::Last);
    const int pos1 = feld(s, Lastfeld::Pos1), pos2 = feld(s, Lastfeld::Pos2);
    int anzahl = 0;
    for (s.First(); !s.Eof(); s.Next()) {
        const int k = s.Fields(art).AsInteger();
        if (!s.Fields(markiert).AsBoolean() || k == ArtTraversenkraft)
            continue;
        const QString& einheit = k == ArtStreckenlast ? eingaben.einheitStreckenlast : eingaben.einheitKraft;
        const double laenge = std::fabs(s.Fields(pos2).AsFloat() - s.Fields(pos1).AsFloat());
        s.Edit();
        s.Fields(last).SetAsFloat(EingabeZuKraft(text, k, einheit, laenge));
        s.Post();
        ++anzahl;
    }
    return anzahl;
}

void Cadwerkzeuge::MausLosgelassen(int X, int Y, Qt::MouseButton taste)
{
    if (taste == Qt::LeftButton && a.werkzeug == ArtSelektieren && std::exchange(m_rahmen, false)) {
        const double y = a.YVon(Y);
        const bool oben = !(a.ankerY >= 0 && y >= 0);
        const bool unten = a.ankerY > 0 || y > 0;
        Markieren(oben, unten, a.XVon(X), a.ankerX);
    }
    auswahlrahmen = false;
    Q_EMIT neuZeichnen();
}

void Cadwerkzeuge::Zentrieren(int v)
{
    const double xc = a.Fangen(a.XVon(a.fadenkreuz.x()));
    if (std::abs(v - 50) <= 6) {
        a.bezugspunkt = -xc;
    } else {
        a.ansichtsmitte = xc;
        Q_EMIT zeigerSetzen(a.Bildmitte());
    }
    Q_EMIT neuZeichnen();
}

void Cadwerkzeuge::Zoomen(int stufe, std::optional<QPoint> zeiger)
{
    if (stufe == a.zoomfaktor || (stufe > 1 && !zeiger))
        return;
    if (a.zoomfaktor == 1)
        m_lupenmitte = a.ansichtsmitte;
    if (stufe > 1) {
        // Centres on the pointer; the second ruler is reached only by a right click.
        a.ansichtsmitte = a.Fangen(a.XVon(zeiger->x()));
        a.zoomfaktor = stufe;
        Q_EMIT zeigerSetzen(a.Bildmitte());
    } else {
        const std::optional<QPointF> gezeigt =
            zeiger ? std::optional(QPointF(a.XVon(zeiger->x()), a.YVon(zeiger->y()))) : std::nullopt;
        a.ansichtsmitte = m_lupenmitte;
        a.zoomfaktor = 1;
        if (gezeigt)
            Q_EMIT zeigerSetzen(QPoint(a.Spalte(gezeigt->x()), a.Zeile(gezeigt->y())));
    }
    Q_EMIT neuZeichnen();
}

void Cadwerkzeuge::Abbrechen()
{
    a.ersterPunkt = KeinPunkt;
    x1Sichtbar = false;
    auswahlrahmen = false;
    m_rahmen = false;
    Q_EMIT neuZeichnen();
}

bool Cadwerkzeuge::haengeAn(TBClientDataSet& t, const std::function<void(TBClientDataSet&)>& fuellen,
                            int (Balkenmodell::*nummer)())
{
    t.CheckBrowseMode();
    t.Append();
    try {
        fuellen(t);
        t.FieldByName(Balkenfeld::markiert).SetAsBoolean(false);
    } catch (const Fehler& fehler) {
        // A value the field refuses (a size that is no number) leaves no half row behind.
        t.Cancel();
        Q_EMIT meldung(fehler.meldung());
        return false;
    }
    t.FieldByName(Balkenfeld::Nummer).SetAsInteger((m.*nummer)());
    t.Post();
    return true;
}

bool Cadwerkzeuge::setzeLager(double x, bool oben)
{
    return haengeAn(m.cds_lager, [&](TBClientDataSet& t) {
        const QString& einheit = eingaben.einheitKraft;
        const auto kraft = [&](const QString& text) { return EingabeZuKraft(text, a.werkzeug, einheit, 0); };
        t.FieldByName(Lagerfeld::Name).SetAsString(eingaben.name);
        t.FieldByName(Lagerfeld::Type).SetAsInteger(a.werkzeug);
        t.FieldByName(Lagerfeld::Position).SetAsFloat(x);
        t.FieldByName(Lagerfeld::oben).SetAsBoolean(oben);
        t.FieldByName(Lagerfeld::Groesse).SetAsString(eingaben.groesse);
        t.FieldByName(Lagerfeld::Eigenlast).SetAsFloat(kraft(eingaben.last));
        t.FieldByName(Lagerfeld::Maximallast).SetAsFloat(kraft(eingaben.maximal));
        t.FieldByName(Lagerfeld::Minimalkraft).SetAsFloat(kraft(eingaben.minimal));
    }, &Balkenmodell::NeueLagernummer);
}

bool Cadwerkzeuge::setzeLast(int art, double pos1, double pos2, bool oben, double laenge)
{
    return haengeAn(m.cds_lasten, [&](TBClientDataSet& t) {
        t.FieldByName(Lastfeld::Name).SetAsString(eingaben.name);
        t.FieldByName(Lastfeld::Type).SetAsInteger(art);
        t.FieldByName(Lastfeld::Pos1).SetAsFloat(pos1);
        t.FieldByName(Lastfeld::Pos2).SetAsFloat(pos2);
        t.FieldByName(Lastfeld::oben).SetAsBoolean(oben);
        t.FieldByName(Lastfeld::Groesse).SetAsString(eingaben.groesse);
        t.FieldByName(Lastfeld::Aequivalenzflaeche).SetAsString(eingaben.flaeche);
        t.FieldByName(Lastfeld::Last).SetAsFloat(EingabeZuKraft(eingaben.last, art, Einheit(), laenge));
    }, &Balkenmodell::NeueLastnummer);
}

bool Cadwerkzeuge::setzeTraversenkraft(double x, bool oben)
{
    if (!travTraverse || !travVariante || !travLager) {
        Q_EMIT meldung(Uebersetzt(2026, QStringLiteral("kein gültiges Lager gewählt")));
        return false;
    }
    return haengeAn(m.cds_lasten, [&](TBClientDataSet& t) {
        const int tr = *travTraverse, va = *travVariante, la = *travLager;
        t.FieldByName(Lastfeld::Name).SetAsString(Format(QStringLiteral("T%d|V%d|L%d|"), {tr, va, la}));
        t.FieldByName(Lastfeld::Type).SetAsInteger(ArtTraversenkraft);
        t.FieldByName(Lastfeld::Pos1).SetAsFloat(x);
        t.FieldByName(Lastfeld::Pos2).SetAsFloat(x);
        t.FieldByName(Lastfeld::oben).SetAsBoolean(oben);
        t.FieldByName(Lastfeld::Groesse).SetAsString(eingaben.travKraftBreite);
        const double kraft = projekt ? projekt->Lagerkraft(tr, va, la) : 0;
        t.FieldByName(Lastfeld::Last).SetAsFloat(std::isfinite(kraft) ? kraft : 0);
    }, &Balkenmodell::NeueLastnummer);
}

void Cadwerkzeuge::verschiebe(double d)
{
    TBClientDataSet& l = m.cds_lager;
    l.CheckBrowseMode();
    const int markiertL = feld(l, Lagerfeld::markiert), position = feld(l, Lagerfeld::Position);
    for (l.First(); !l.Eof(); l.Next())
        if (l.Fields(markiertL).AsBoolean()) {
            l.Edit();
            l.Fields(position).SetAsFloat(l.Fields(position).AsFloat() + d);
            l.Post();
        }
    TBClientDataSet& s = m.cds_lasten;
    s.CheckBrowseMode();
    const int markiertS = feld(s, Lastfeld::markiert), pos1 = feld(s, Lastfeld::Pos1), pos2 = feld(s, Lastfeld::Pos2);
    for (s.First(); !s.Eof(); s.Next())
        if (s.Fields(markiertS).AsBoolean()) {
            s.Edit();
            s.Fields(pos1).SetAsFloat(s.Fields(pos1).AsFloat() + d);
            s.Fields(pos2).SetAsFloat(s.Fields(pos2).AsFloat() + d);
            s.Post();
        }
    Q_EMIT geaendert();
}

void Cadwerkzeuge::WerkzeugWaehlen(int code)
{
    if (code < ArtSelektieren || code > ArtTraversenkraft)
        return;
    a.werkzeug = code;
    a.ersterPunkt = KeinPunkt;
    const Merkwert& mw = merkwerte[std::size_t(code)];
    eingaben.groesse = mw.groesse.isEmpty() ? QStringLiteral("1") : mw.groesse;
    eingaben.flaeche = mw.flaeche.isEmpty() ? standardflaeche(code, eingaben.groesse) : mw.flaeche;
    eingaben.name = mw.name;
    eingaben.last = mw.last.isEmpty() ? QStringLiteral("0") : mw.last;
    if (code != ArtVerschieben)
        AllesAbwaehlen();
    x1Sichtbar = false;
}

void Cadwerkzeuge::Markieren(bool oben, bool unten, double a1, double b1)
{
    const double lo = std::min(a1, b1) - 5 * a.raster;
    const double hi = std::max(a1, b1) + 5 * a.raster;
    auswahlAnzahl = 0;
    markierteLasten = 0;
    letzteTabelle = Auswahltabelle::Keine;
    QVariant letzteNummer;
    const QScopedValueRollback still(m_stumm, true);
    const auto markiere = [&](TBClientDataSet& t, Feldname positionsfeld, Auswahltabelle art) {
        t.CheckBrowseMode();
        const int p = feld(t, positionsfeld), obenFeld = feld(t, Balkenfeld::oben);
        const int markiert = feld(t, Balkenfeld::markiert);
        const int nummer = feld(t, Balkenfeld::Nummer);
        for (t.First(); !t.Eof(); t.Next()) {
            const double x = t.Fields(p).AsFloat();
            const bool ob = t.Fields(obenFeld).AsBoolean();
            const bool an = lo < x && x < hi && ((ob && oben) || (!ob && unten));
            if (t.Fields(markiert).IsNull() || t.Fields(markiert).AsBoolean() != an) {
                t.Edit();
                t.Fields(markiert).SetAsBoolean(an);
                t.Post();
            }
            if (an) {
                ++auswahlAnzahl;
                markierteLasten += art == Auswahltabelle::Lasten;
                letzteTabelle = art;
                letzteNummer = t.Fields(nummer).Value();
            }
        }
    };
    markiere(m.cds_lager, Lagerfeld::Position, Auswahltabelle::Lager);
    markiere(m.cds_lasten, Lastfeld::Pos1, Auswahltabelle::Lasten);
    textInfo = QString::number(auswahlAnzahl) + Uebersetzt(2001, QStringLiteral(" Elemente gewählt"));
    if (auswahlAnzahl == 1) {
        TBClientDataSet& t = letzteTabelle == Auswahltabelle::Lager ? m.cds_lager : m.cds_lasten;
        t.Locate({Balkenfeld::Nummer}, {letzteNummer});
    }
    Q_EMIT auswahlGeaendert();
}

bool Cadwerkzeuge::Loeschen(const Rueckfrage& frage)
{
    if (!frage(Uebersetzt(2017, QStringLiteral("gewählte Elemente löschen?"))))
        return false;
    if (lagerLoeschenErlaubt) {
        std::vector<int> lager;
        TBClientDataSet& l = m.cds_lager;
        l.CheckBrowseMode();
        const int markiert = feld(l, Balkenfeld::markiert), nummer = feld(l, Balkenfeld::Nummer);
        for (l.First(); !l.Eof(); l.Next())
            if (l.Fields(markiert).AsBoolean())
                lager.push_back(l.Fields(nummer).AsInteger());
        if (!lager.empty() && !lagerLoeschenErlaubt(lager))
            return false;
    }
    for (TBClientDataSet* t : {&m.cds_lager, &m.cds_lasten}) {
        t->CheckBrowseMode();
        const int markiert = feld(*t, Balkenfeld::markiert);
        t->First();
        while (!t->Eof()) {
            if (t->Fields(markiert).AsBoolean())
                t->Delete();
            else
                t->Next();
        }
    }
    AllesAbwaehlen();
    Q_EMIT geaendert();
    Q_EMIT neuZeichnen();
    return true;
}

void Cadwerkzeuge::Umschalten(bool nachOben)
{
    for (TBClientDataSet* t : {&m.cds_lager, &m.cds_lasten}) {
        t->CheckBrowseMode();
        const int markiert = feld(*t, Balkenfeld::markiert), oben = feld(*t, Balkenfeld::oben);
        for (t->First(); !t->Eof(); t->Next())
            if (t->Fields(markiert).AsBoolean()) {
                t->Edit();
                t->Fields(oben).SetAsBoolean(t == &m.cds_lager ? !t->Fields(oben).AsBoolean() : nachOben);
                t->Post();
            }
    }
}

void Cadwerkzeuge::GroesseGeaendert(const QString& text)
{
    eingaben.groesse = text;
    Merkwert& mw = merkwerte[std::size_t(a.werkzeug)];
    mw.groesse = text.left(5);
    eingaben.flaeche = standardflaeche(a.werkzeug, text);
    mw.flaeche = eingaben.flaeche.left(8);
}

void Cadwerkzeuge::NameGeaendert(const QString& text)
{
    eingaben.name = text;
    merkwerte[std::size_t(a.werkzeug)].name = text.left(30);
}

void Cadwerkzeuge::LastGeaendert(const QString& text)
{
    eingaben.last = text;
    merkwerte[std::size_t(a.werkzeug)].last = text.left(10);
}

QString& Cadwerkzeuge::Einheit()
{
    return a.werkzeug == ArtStreckenlast ? eingaben.einheitStreckenlast : eingaben.einheitKraft;
}

bool Cadwerkzeuge::LastAusBibliothek(Lastenbibliothek& bibliothek, int nummer, const QStringList& einheiten)
{
    if (!bibliothek.LastFinden(nummer)) {
        Q_EMIT meldung(Uebersetzt(2032, QStringLiteral("Last nicht gefunden")));
        return false;
    }
    TBClientDataSet& t = bibliothek.cds_lastbib;
    eingaben.name = t.FieldByName(Lastbibfeld::Name).DisplayText();
    eingaben.groesse = t.FieldByName(Lastbibfeld::Breite).DisplayText();
    eingaben.flaeche = t.FieldByName(Lastbibfeld::Flaeche).DisplayText();
    eingaben.last = t.FieldByName(Lastbibfeld::Last).DisplayText();
    const QString einheit = t.FieldByName(Lastbibfeld::Einheit).AsString();
    if (einheiten.contains(einheit))
        Einheit() = einheit;
    return true;
}

void Cadwerkzeuge::LastInBibliothek(Lastenbibliothek& bibliothek)
{
    const double last = strengeZahl(eingaben.last);
    const double flaeche = strengeZahl(eingaben.flaeche);
    const double breite = strengeZahl(eingaben.groesse);
    bibliothek.LastHinzufuegen(a.werkzeug, eingaben.name, last, flaeche, breite, Einheit());
}

void UebernimmTraverse(Balkenmodell& m, TBClientDataSet& b)
{
    const auto wert = [&](Feldname name) { return b.FieldByName(name).AsFloat(); };
    m.traversenname = b.FieldByName(Travbibfeld::Name).AsString() + QLatin1Char('(')
        + b.FieldByName(Travbibfeld::Hersteller).AsString() + QLatin1Char(')');
    m.traverse.eigenlast = wert(Travbibfeld::Eigenlast);
    m.traverse.maxQuer = wert(Travbibfeld::Querkraft);
    m.traverse.maxBiege = wert(Travbibfeld::Biegemoment);
    m.traverse.hoehe = wert(Travbibfeld::Hoehe);
    m.traverse.breite = wert(Travbibfeld::Breite);
    m.traverse.gurtzahl = b.FieldByName(Travbibfeld::Gurtzahl).AsInteger();
    // the bending stiffness goes with the truss: unknown when the row has none
    const TField* ei = b.FindField(Travbibfeld::EI);
    m.travEI.reset();
    if (ei && !ei->IsNull() && ei->AsFloat() > 0)
        m.travEI = ei->AsFloat();
}
