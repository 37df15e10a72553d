#include "calculator/u_travlaenge.h"
#include "language/u_uebersetzung.h"
#include "platform/u_zahlen.h"
#include <algorithm>
#include <cmath>

namespace {
constexpr double NProKg = 9.81;
}

KalkulatorEinstellungen::KalkulatorEinstellungen()
    : cmbEigenlast({QStringLiteral("kg"), QStringLiteral("N"), QStringLiteral("kN")}, 0),
      cmbGleichlast({QStringLiteral("kg/m"), QStringLiteral("N/m"), QStringLiteral("kN/m"),
                     QStringLiteral("kg"), QStringLiteral("N"), QStringLiteral("kN")},
                    0),
      cmbDrittel({QStringLiteral("Einzel"), QStringLiteral("Doppel")}, 0),
      cmbViertel({QStringLiteral("Einzel"), QStringLiteral("Doppel"), QStringLiteral("Drei")}, 0)
{
}

TTravLaenge::TTravLaenge(qint32 laenge, double eigenlast, double querkraft, double biegemoment,
                         const KalkulatorEinstellungen& einstellungen)
    : Laenge(laenge), Eigenlast(eigenlast), Querkraft(querkraft), Biegemoment(biegemoment),
      m_einstellungen(&einstellungen)
{
}

double TTravLaenge::QZul() const { return m_einstellungen->bgvc1 ? Querkraft / 2 : Querkraft; }
double TTravLaenge::MZul() const { return m_einstellungen->bgvc1 ? Biegemoment / 2 : Biegemoment; }

double TTravLaenge::kraft(double newton) const
{
    switch (m_einstellungen->cmbEigenlast.gewaehlt()) {
    case 0: return newton / NProKg;
    case 2: return newton / 1000;
    default: return newton;
    }
}

double TTravLaenge::restQuerkraft() const { return QZul() - Laenge * Eigenlast / 2; }
double TTravLaenge::restMoment() const { return MZul() - double(Laenge * Laenge) * Eigenlast / 8; }

double TTravLaenge::GesamtEigenlast() const { return kraft(Laenge * Eigenlast); }

double TTravLaenge::Streckenlast() const
{
    const double L = Laenge;
    const double q = std::min(2 * QZul() / L, 8 * MZul() / double(Laenge * Laenge)) - Eigenlast;
    switch (m_einstellungen->cmbGleichlast.gewaehlt()) {
    case 0: return q / NProKg;
    case 2: return q / 1000;
    case 3: return q * L / NProKg;
    case 4: return q * L;
    case 5: return q * L / 1000;
    default: return q;
    }
}

double TTravLaenge::Punktlast() const
{
    return kraft(std::min(2 * restQuerkraft(), 4 * restMoment() / Laenge));
}

double TTravLaenge::Drittelpunktlast() const
{
    if (m_einstellungen->cmbDrittel.gewaehlt() == 1)
        return kraft(std::min(restQuerkraft(), 3 * restMoment() / Laenge));
    return kraft(std::min(1.5 * restQuerkraft(), 4.5 * restMoment() / Laenge));
}

double TTravLaenge::Viertelpunktlast() const
{
    switch (m_einstellungen->cmbViertel.gewaehlt()) {
    case 1: return kraft(std::min(restQuerkraft(), 4 * restMoment() / Laenge));
    case 2: return kraft(std::min(2.0 / 3 * restQuerkraft(), 2 * restMoment() / Laenge));
    default: return kraft(std::min(4.0 / 3 * restQuerkraft(), 16.0 / 3 * restMoment() / Laenge));
    }
}

double TTravLaenge::Aussenlast() const
{
    // two loads, each 2 m from a support
    if (Laenge < 10)
        return 0;
    return kraft(std::min(restQuerkraft(), restMoment() / 2));
}

Zeilenfarbe TTravLaenge::Farbe() const
{
    const double mitte = std::min(2 * restQuerkraft(), 4 * restMoment() / Laenge);
    return mitte > 1500 ? Zeilenfarbe::Schwarz : Zeilenfarbe::Grau;
}

Kalkulatortraverse AktuelleTraverse(TBClientDataSet& t)
{
    auto text = [&t](const QString& name) { return t.FieldByName(name).AsString(); };
    auto zahl = [&t](const QString& name) { return t.FieldByName(name).AsFloat(); };
    Kalkulatortraverse w;
    w.hersteller = text(QStringLiteral("Hersteller"));
    w.name = text(QStringLiteral("Name"));
    w.bearbeiter = text(QStringLiteral("Bearbeiter"));
    w.eigenlastText = text(QStringLiteral("Eigenlast"));
    w.querkraftText = text(QStringLiteral("Querkraft"));
    w.biegemomentText = text(QStringLiteral("Biegemoment"));
    w.eigenlast = zahl(QStringLiteral("Eigenlast"));
    w.querkraft = zahl(QStringLiteral("Querkraft"));
    w.biegemoment = zahl(QStringLiteral("Biegemoment"));
    return w;
}

void Traversenkalkulator::ZeigeLaengen(TBClientDataSet& cds_travbib) { BaueLaengen(AktuelleTraverse(cds_travbib)); }

void Traversenkalkulator::BaueLaengen(const Kalkulatortraverse& werte)
{
    traverse = werte;
    laengen.clear();
    m_begrenzt = false;
    const auto gueltig = [](double x) { return std::isfinite(x) && x >= 0; };
    m_ungueltig = !(gueltig(werte.eigenlast) && gueltig(werte.querkraft) && gueltig(werte.biegemoment));
    if (m_ungueltig)
        return;
    for (qint32 L = 1;; ++L) {
        laengen.emplace_back(L, werte.eigenlast, werte.querkraft, werte.biegemoment, einstellungen);
        if (!(laengen.back().Punktlast() >= 0))
            break;
        if (L == MaximaleSpannweite) {
            m_begrenzt = true;
            break;
        }
    }
}

QString Traversenkalkulator::Begrenzungstext()
{
    return Format(Uebersetzt(1708, QStringLiteral("Tabelle endet bei %d m (Punktlast nie negativ).")),
                  {MaximaleSpannweite});
}

QString Traversenkalkulator::Ungueltigtext()
{
    return Uebersetzt(1709, QStringLiteral("Negative oder ungültige Werte in der Bibliothek"));
}

QString Traversenkalkulator::Name() const { return traverse.hersteller + u' ' + traverse.name; }

QString Traversenkalkulator::Kopftext(int spalte) const
{
    static const char* const muster[Spalten] = {"Länge [m]",          "Eigenlast [%s]",
                                                "Streckenlast [%s]",  "Punktlast [%s]",
                                                "Drittelpunkte [%s]", "Viertelpunkte [%s]",
                                                "Aussenlast [%s]"};
    const QString text = Uebersetzt(1701 + spalte, QString::fromUtf8(muster[spalte]));
    if (spalte == 0)
        return text;
    const Auswahl& einheit = spalte == 2 ? static_cast<const Auswahl&>(einstellungen.cmbGleichlast)
                                         : einstellungen.cmbEigenlast;
    return Format(text, {einheit.angezeigterText()});
}

QString Traversenkalkulator::Zelltext(const TTravLaenge& l, int spalte) const
{
    double wert = 0;
    switch (spalte) {
    case 0: return QString::number(l.Laenge);
    case 1: wert = l.GesamtEigenlast(); break;
    case 2: wert = l.Streckenlast(); break;
    case 3: wert = l.Punktlast(); break;
    case 4: wert = l.Drittelpunktlast(); break;
    case 5: wert = l.Viertelpunktlast(); break;
    default: wert = l.Aussenlast(); break;
    }
    return FormatFloat(QStringLiteral("### ### ##0.00"), wert);
}
