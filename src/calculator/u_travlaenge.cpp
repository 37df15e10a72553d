#include "calculator/u_travlaenge.h"
#include "language/u_uebersetzung.h"
#include "platform/u_einheiten.h"
#include "platform/u_zahlen.h"
#include "truss/u_travbibfelder.h"
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
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
                         const KalkulatorEinstellungen& einstellungen, std::optional<double> ei)
    : Laenge(laenge), Eigenlast(eigenlast), Querkraft(querkraft), Biegemoment(biegemoment), EI(ei),
      m_einstellungen(&einstellungen)
{
}

bool TTravLaenge::mitDurchbiegung() const { return m_einstellungen->durchbiegung && EI && *EI > 0; }

namespace {
// Deflection times EI of the simple span [0, l] at x under a unit load at a.
double einfluss(double l, double x, double a)
{
    if (x > a)
        return einfluss(l, l - x, l - a);
    const double b = l - a;
    return b * x * (l * l - b * b - x * x) / (6 * l);
}
} // namespace

double TTravLaenge::durchbiegungslast(const std::vector<double>& stellen) const
{
    // The limit holds at every point x: P ≤ (L/200 − w_g(x)) / w₁(x), w₁ the deflection under
    // the loads of 1 N. The smallest of these over 400 sections and the middle.
    const double l = Laenge, ei = *EI, grenze = l / KalkulatorDurchbiegungsgrenze;
    constexpr int Schnitte = 400;
    double last = std::numeric_limits<double>::infinity();
    for (int k = 1; k <= Schnitte; ++k) {
        const double x = k < Schnitte ? l * k / Schnitte : l / 2;
        const double eigen = Eigenlast * x * (l * l * l - 2 * l * x * x + x * x * x) / (24 * ei);
        double einheit = 0;
        for (double stelle : stellen)
            einheit += einfluss(l, x, stelle * l) / ei;
        if (einheit > 0)
            last = std::min(last, (grenze - eigen) / einheit);
    }
    return last;
}

double TTravLaenge::QZul() const { return m_einstellungen->bgvc1 ? Querkraft / 2 : Querkraft; }
double TTravLaenge::MZul() const { return m_einstellungen->bgvc1 ? Biegemoment / 2 : Biegemoment; }

double TTravLaenge::kraft(double newton) const
{
    const auto einheit = KrafteinheitAn(m_einstellungen->cmbEigenlast.gewaehlt());
    return einheit ? newton / NewtonJe(*einheit) : newton;
}

double TTravLaenge::restQuerkraft() const { return QZul() - Laenge * Eigenlast / 2; }
double TTravLaenge::restMoment() const { return MZul() - double(Laenge * Laenge) * Eigenlast / 8; }

double TTravLaenge::GesamtEigenlast() const { return kraft(Laenge * Eigenlast); }

double TTravLaenge::streckenlastN(bool mitGrenze) const
{
    const double festigkeit = std::min(2 * QZul() / Laenge, 8 * MZul() / double(Laenge * Laenge)) - Eigenlast;
    if (!mitGrenze)
        return festigkeit;
    // 5(q + g)L⁴/384EI = L/200
    const double l = Laenge;
    return std::min(festigkeit, 384 * *EI / (5 * KalkulatorDurchbiegungsgrenze * l * l * l) - Eigenlast);
}

double TTravLaenge::punktlastN(bool mitGrenze) const
{
    const double festigkeit = std::min(2 * restQuerkraft(), 4 * restMoment() / Laenge);
    return mitGrenze ? std::min(festigkeit, durchbiegungslast({0.5})) : festigkeit;
}

double TTravLaenge::drittelN(bool mitGrenze) const
{
    if (m_einstellungen->cmbDrittel.gewaehlt() == 1) {
        const double festigkeit = std::min(restQuerkraft(), 3 * restMoment() / Laenge);
        return mitGrenze ? std::min(festigkeit, durchbiegungslast({1.0 / 3, 2.0 / 3})) : festigkeit;
    }
    const double festigkeit = std::min(1.5 * restQuerkraft(), 4.5 * restMoment() / Laenge);
    return mitGrenze ? std::min(festigkeit, durchbiegungslast({1.0 / 3})) : festigkeit;
}

double TTravLaenge::viertelN(bool mitGrenze) const
{
    double festigkeit = 0;
    std::vector<double> stellen = {0.25};
    switch (m_einstellungen->cmbViertel.gewaehlt()) {
    case 1:
        festigkeit = std::min(restQuerkraft(), 4 * restMoment() / Laenge);
        stellen = {0.25, 0.75};
        break;
    case 2:
        festigkeit = std::min(2.0 / 3 * restQuerkraft(), 2 * restMoment() / Laenge);
        stellen = {0.25, 0.5, 0.75};
        break;
    default: festigkeit = std::min(4.0 / 3 * restQuerkraft(), 16.0 / 3 * restMoment() / Laenge); break;
    }
    return mitGrenze ? std::min(festigkeit, durchbiegungslast(stellen)) : festigkeit;
}

double TTravLaenge::aussenN(bool mitGrenze) const
{
    // two loads, each 2 m from a support
    if (Laenge < 10)
        return 0;
    const double festigkeit = std::min(restQuerkraft(), restMoment() / 2);
    const double l = Laenge;
    return mitGrenze ? std::min(festigkeit, durchbiegungslast({2 / l, 1 - 2 / l})) : festigkeit;
}

double TTravLaenge::Streckenlast() const
{
    const double L = Laenge;
    const double q = streckenlastN(mitDurchbiegung());
    const auto einheit = RechnerStreckenlastAn(m_einstellungen->cmbGleichlast.gewaehlt());
    if (!einheit)
        return q;
    return (einheit->bezug == Lastbezug::JeSpannweite ? q * L : q) / NewtonJe(einheit->kraft);
}

double TTravLaenge::Punktlast() const { return kraft(punktlastN(mitDurchbiegung())); }
double TTravLaenge::Drittelpunktlast() const { return kraft(drittelN(mitDurchbiegung())); }
double TTravLaenge::Viertelpunktlast() const { return kraft(viertelN(mitDurchbiegung())); }
double TTravLaenge::Aussenlast() const { return kraft(aussenN(mitDurchbiegung())); }

bool TTravLaenge::DurchbiegungMassgebend(int spalte) const
{
    if (!mitDurchbiegung())
        return false;
    switch (spalte) {
    case 2: return streckenlastN(true) < streckenlastN(false);
    case 3: return punktlastN(true) < punktlastN(false);
    case 4: return drittelN(true) < drittelN(false);
    case 5: return viertelN(true) < viertelN(false);
    case 6: return aussenN(true) < aussenN(false);
    default: return false;
    }
}

Zeilenfarbe TTravLaenge::Farbe() const
{
    const double mitte = punktlastN(mitDurchbiegung());
    return mitte > 1500 ? Zeilenfarbe::Schwarz : Zeilenfarbe::Grau;
}

Kalkulatortraverse AktuelleTraverse(TBClientDataSet& t)
{
    auto text = [&t](Feldname name) { return t.FieldByName(name).AsString(); };
    auto zahl = [&t](Feldname name) { return t.FieldByName(name).AsFloat(); };
    Kalkulatortraverse w;
    w.hersteller = text(Travbibfeld::Hersteller);
    w.name = text(Travbibfeld::Name);
    w.bearbeiter = text(Travbibfeld::Bearbeiter);
    w.eigenlastText = text(Travbibfeld::Eigenlast);
    w.querkraftText = text(Travbibfeld::Querkraft);
    w.biegemomentText = text(Travbibfeld::Biegemoment);
    w.eigenlast = zahl(Travbibfeld::Eigenlast);
    w.querkraft = zahl(Travbibfeld::Querkraft);
    w.biegemoment = zahl(Travbibfeld::Biegemoment);
    const TField* ei = t.FindField(Travbibfeld::EI);
    if (ei && !ei->IsNull() && ei->AsFloat() > 0 && std::isfinite(ei->AsFloat()))
        w.ei = ei->AsFloat();
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
        laengen.emplace_back(L, werte.eigenlast, werte.querkraft, werte.biegemoment, einstellungen,
                             werte.ei ? std::optional(*werte.ei * 1000) : std::nullopt);
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
    // a value that the deflection limits is marked
    QString text = FormatFloat(QStringLiteral("### ### ##0.00"), wert);
    if (l.DurchbiegungMassgebend(spalte))
        text += u'*';
    return text;
}

QString Traversenkalkulator::Durchbiegungstext() const
{
    if (!traverse.ei || !einstellungen.durchbiegung)
        return QString();
    return Uebersetzt(2877, QStringLiteral("* begrenzt durch die Durchbiegung L/200"));
}
