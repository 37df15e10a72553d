#include "truss/u_traversenentwurf.h"
#include "language/u_uebersetzung.h"
#include "platform/u_einheiten.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include "truss/u_alu.h"
#include <algorithm>
#include <cmath>

namespace {
constexpr double Pi = 3.14159265358979323846;
const QString MaskeWert = QStringLiteral("### ### ##0.00");
const QString MaskeStuetze = QStringLiteral("### ### ##0.00 kg");
const QString MaskeStatik = QStringLiteral("0.00");

// Euler cases 1 … 4: buckling length in mm per metre of column.
constexpr std::array<double, 4> Knicklaenge = {2000, 1000, 700, 500};

// Share of the chord circumference π·d that lies in the heat-affected zone of the welds.
double waermeeinflussanteil(int gurte, double d, double umfang)
{
    double x = 0;
    switch (gurte) {
    case 2: x = (d / 2 + 60) / umfang; break;
    case 3: x = (d / 2 + 60 + 0.33 * umfang) / umfang; break;
    case 4: x = (d / 2 + 60 + 0.25 * umfang) / umfang; break;
    default: break;
    }
    return std::min(std::max(x, 0.0), 1.0);
}
} // namespace

QString FormatWert(double x) { return FormatFloat(MaskeWert, x).trimmed(); }

QString Ergebnistext(const Ergebnis& wert) { return wert ? FormatWert(*wert) : QString(); }

QString Statiktext(const Ergebnis& wert) { return wert ? FormatFloat(MaskeStatik, *wert) : QString(); }

QString Stuetzentext(const Ergebnis& kg) { return kg ? FormatFloat(MaskeStuetze, *kg) : QString(); }

QString Stuetzenueberschrift(int spalte)
{
    return spalte == 0 ? Uebersetzt(2104, QStringLiteral("Länge [m]"))
                       : Uebersetzt(2104 + spalte, QStringLiteral("Euler-Fall %1").arg(spalte));
}

double ZahlAusText(const QString& text, double vorgabe)
{
    const QChar trenner = Dezimaltrenner();
    QString rest;
    for (const QChar c : text)
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == trenner)
            rest += c;
    const std::optional<double> zahl = TextZuFloat(rest);
    return zahl && std::isfinite(*zahl) ? *zahl : vorgabe;
}

Traverseneingaben::Traverseneingaben()
    : cmbMaterial(Werkstoffnamen()), cmb_Dia_Material(Werkstoffnamen()), cmbVerbMat(Verbinderwerkstoffe()),
      cmbVerbBolzenMat(Bolzenklassen())
{
}

const std::vector<Ergebnisfeld>& Ergebnisfelder()
{
    using E = Traversenergebnisse;
    static const std::vector<Ergebnisfeld> felder = {
        {"lblValueVerbinder", &E::verbinderN},
        {"lblValueAGurt", &E::gurtFlaecheMm2},
        {"lblValueIGurt", &E::gurtTraegheitMm4},
        {"lblValueATrav", &E::flaecheMm2},
        {"lblValueITravVerti", &E::traegheitVertikalMm4},
        {"lblValueITravHori", &E::traegheitHorizontalMm4},
        {"lblValueEinzel", &E::einzelgurtKg},
        {"lblValueVerbinder2", &E::verbinderStuetzeKg},
        {"lblValueKnicken", &E::gurtKnickenN},
        {"lblValueSchweissen", &E::gurtSchweissnahtN},
        {"lblValueGurtMax", &E::gurtkraftN},
        {"lblValueBiegemoment", &E::biegemomentNm, true},
        {"lblValueQuerkraft", &E::querkraftN, true},
        {"lblValuelDia", &E::diagonaleLaengeMm},
        {"lblValueADia", &E::diagonaleFlaecheMm2},
        {"lblValueIDia", &E::diagonaleTraegheitMm4},
        {"lblValue_Dia_Knicken", &E::diagonaleKnickenN},
        {"lblValue_Dia_WEZ", &E::diagonaleWezN},
        {"lblValuelsDia", &E::nahtLaengeMm},
        {"lblValueAsDia", &E::nahtFlaecheMm2},
        {"lblValue_Dia_Schweiss", &E::nahtN},
        {"lblValueldDia", &E::stanzLaengeMm},
        {"lblValueAdDia", &E::stanzFlaecheMm2},
        {"lblValue_Dia_Stanz", &E::stanzN},
        {"lblValue_Dia_Min", &E::diagonaleN},
        {"lblVorschlagDiagonale", &E::diagonaleN},
        {"lvlVerbBolzenD", &E::bolzenDurchmesserMm},
        {"lvlVerbLLAEinzel", &E::lochFlaecheMm2},
        {"lvlVerbLLAGesamt", &E::lochFlaecheGesamtMm2},
        {"lvlVerbLLKraft", &E::lochleibungN},
        {"lvlVerbBolzenA", &E::bolzenFlaecheMm2},
        {"lvlVerbBolzenI", &E::bolzenTraegheitMm4},
        {"lvlVerbBolzenDehn", &E::bolzenDehngrenzeNmm2},
        {"lvlVerbBolzenF", &E::bolzenN},
        {"lblVerbSchr_ASchr", &E::schraubeFlaecheMm2},
        {"lblVerbSchr_FSchr", &E::schraubeN},
        {"lblVerbSchr_MSchr", &E::schraubeMomentNmm},
        {"lblVerbSchr_FVerb", &E::flanschN},
        {"lblVerbRohr_AA", &E::aussenrohrFlaecheMm2},
        {"lblVerbRohr_LLa", &E::aussenrohrLeibungNmm2},
        {"lblVerbRohr_FA", &E::aussenrohrN},
        {"lblVerbRohr_AI", &E::innenrohrFlaecheMm2},
        {"lblVerbRohr_FI", &E::innenrohrN},
        {"lblVerbRohr_ASchr", &E::rohrschraubeFlaecheMm2},
        {"lblVerbRohr_FSchr", &E::rohrschraubeN},
        {"lblVerbMax", &E::verbinderVorschlagN},
        {"lblVorschlagVerbinder", &E::verbinderVorschlagN},
    };
    return felder;
}

Traversenentwurf::Traversenentwurf()
{
    TexteSetzen();
    BerechneTraverse();
}

void Traversenentwurf::TexteSetzen()
{
    const int gewaehlt = eingaben.cmbVerbinder.gewaehlt();
    eingaben.cmbVerbinder.setzeEintraege({Uebersetzt(2512, QStringLiteral("Konusverbinder")),
                                          Uebersetzt(2513, QStringLiteral("Gabelverbinder")),
                                          Uebersetzt(2514, QStringLiteral("Doppelgabel")),
                                          Uebersetzt(2515, QStringLiteral("Flanschplatte")),
                                          Uebersetzt(2516, QStringLiteral("Rohrverbinder"))},
                                         gewaehlt);
}

double Traversenentwurf::zahl(const QString& text, double vorgabe)
{
    const std::optional<double> z = TextZuFloat(text);
    return z && std::isfinite(*z) ? *z : vorgabe;
}

double Traversenentwurf::nenner(double n)
{
    if (n == 0)
        throw Fehler(QStringLiteral("Gleitkommadivision durch Null"));
    return n;
}

void Traversenentwurf::pruefeRohr(double d, double w)
{
    if (d < 0 || w < 0 || 2 * w > d)
        throw Fehler(Format(Uebersetzt(2197, QStringLiteral("Unmögliches Rohr: Wand %s mm, Durchmesser %s mm")),
                            {FormatWert(w), FormatWert(d)}));
}

double Traversenentwurf::endlich(double x)
{
    if (!std::isfinite(x))
        throw Fehler(QStringLiteral("Gleitkommaüberlauf"));
    return x;
}

bool Traversenentwurf::ausfuehren(Schritt schritt, void (Traversenentwurf::*lauf)())
{
    QString& stoerung = m_stoerungen[std::size_t(schritt)];
    try {
        (this->*lauf)();
        stoerung.clear();
        return true;
    } catch (const Fehler& fehler) {
        stoerung = fehler.meldung();
        if (melden)
            melden(stoerung);
        return false;
    }
}

QStringList Traversenentwurf::Stoerungen() const
{
    QStringList liste;
    for (const QString& stoerung : m_stoerungen)
        if (!stoerung.isEmpty())
            liste << stoerung;
    return liste;
}

bool Traversenentwurf::BerechneTraverse() { return ausfuehren(Schritt::Traverse, &Traversenentwurf::laufTraverse) && BerechneDiagonale(); }

bool Traversenentwurf::BerechneDiagonale() { return ausfuehren(Schritt::Diagonale, &Traversenentwurf::laufDiagonale); }

bool Traversenentwurf::BerechneVerbinder() { return ausfuehren(Schritt::Verbinder, &Traversenentwurf::laufVerbinder); }

void Traversenentwurf::laufTraverse()
{
    Traverseneingaben& e = eingaben;
    Traversenergebnisse& r = ergebnisse;
    const int n = std::clamp(e.udGurte, 1, 4);
    const int m = e.cmbMaterial.gewaehlt();

    const double fV = ZahlAusText(e.edtVerbinder, 0);
    r.verbinderN = endlich(fV);

    const double d = zahl(e.edtDurchmesser, 0);
    const double w = zahl(e.edtWandstaerke, 0);
    const double h = zahl(e.edtHoehe, 0);
    const double b = zahl(e.edtBreite, 0);
    const double a = zahl(e.edtVertikal, 0);
    const double aStrich = zahl(e.edtHorizontal, 0);
    const double nuA = zahl(e.edtSicherheitsfaktor, 1.0);
    e.edtSicherheitsfaktor = FormatFloat(QStringLiteral("0.00"), nuA);
    const double nu = e.cbBGVC1 ? 2 * nuA : nuA;
    pruefeRohr(d, w);

    Traversenkennwerte k = m_werte;
    k.A = endlich(RohrFlaeche(d, w));
    k.I = endlich(RohrTraegheit(d, w));
    k.A_T = endlich(TraversenFlaeche(n, k.A));
    k.I_v = endlich(TraegheitVertikal(n, h, k.A, k.I));
    k.I_h = endlich(TraegheitHorizontal(n, b, k.A, k.I));
    r.gurtFlaecheMm2 = endlich(k.A);
    r.gurtTraegheitMm4 = endlich(k.I);
    r.flaecheMm2 = endlich(k.A_T);
    r.traegheitVertikalMm4 = endlich(k.I_v);
    r.traegheitHorizontalMm4 = endlich(k.I_h);
    m_werte = k;

    // As a column; the safety factor divides every capacity (a negative one would turn them).
    nenner(nu);
    if (nu < 0)
        throw Fehler(Format(Uebersetzt(2198, QStringLiteral("Sicherheitsfaktor %s muss größer als 0 sein")),
                            {e.edtSicherheitsfaktor}));
    const double fE = endlich(ZulKnickkraft(m, k.A, k.I, std::max(a, aStrich) / 2, nu));
    r.einzelgurtKg = endlich(fE / NproKg);
    const double fVA = geteilt(n * fV, nu);
    r.verbinderStuetzeKg = endlich(fVA / NproKg);
    const double iMin = std::min(k.I_v, k.I_h);
    auto tabelle = r.stuetzeKg;
    for (int meter = 1; meter <= Stuetzenlaengen; ++meter)
        for (int fall = 1; fall <= Eulerfaelle; ++fall) {
            const double fT = ZulKnickkraft(m, k.A_T, iMin, meter * Knicklaenge[fall - 1], nu);
            tabelle[meter - 1][fall - 1] = endlich(std::min({fVA, fT, n * fE}) / NproKg);
        }
    r.stuetzeKg = tabelle;

    // As a beam: the permissible chord force.
    const double fK = endlich(ZulKnickkraft(m, k.A, k.I, std::max(a, aStrich), 1));
    r.gurtKnickenN = endlich(fK);
    const TWerkstoffwerte s = WerkstoffWerte(m);
    const double umfang = Pi * d;
    const double x = n == 1 ? 0.0 : waermeeinflussanteil(n, d, nenner(umfang));
    const double sigmaEff = e.cbVerbinder ? s.SigmaWez : x * s.SigmaWez + (1 - x) * s.SigmaZul;
    if (sigmaEff > s.SigmaZul)
        throw Fehler(Uebersetzt(2103, QStringLiteral("Berechnungsfehler! Ergebnis nicht verwenden!")));
    const double fWEZ = endlich(k.A * sigmaEff);
    r.gurtSchweissnahtN = endlich(fWEZ);
    const double fG = std::min(std::min(fV, fWEZ), fK);
    r.gurtkraftN = endlich(fG);

    double mZul = 0;
    switch (n) {
    case 1: mZul = geteilt(0.002 * s.SigmaZul * k.I, d); break;
    case 4: mZul = endlich(2 * fG * h / 1000); break;
    default: mZul = endlich(fG * h / 1000); break;
    }
    r.biegemomentNm = mZul;

    m_werte.alpha = std::atan(geteilt(2 * h, a));
    const double sinAlpha = std::sin(m_werte.alpha);

    const double fD = ZahlAusText(e.edtDiagonale, 0);
    double qZul = 0;
    switch (n) {
    case 1: qZul = endlich(s.TauZul * k.A); break;
    case 4: qZul = endlich(2 * sinAlpha * fD); break;
    default: qZul = endlich(sinAlpha * fD); break;
    }
    r.querkraftN = qZul;

    m_werte.l_D = geteilt(h - d, sinAlpha);
}

void Traversenentwurf::laufDiagonale()
{
    const Traverseneingaben& e = eingaben;
    Traversenergebnisse& r = ergebnisse;
    const int mD = e.cmb_Dia_Material.gewaehlt();
    const double lD = m_werte.l_D;
    const double sinAlpha = std::sin(m_werte.alpha);
    r.diagonaleLaengeMm = endlich(lD);

    const double dD = zahl(e.edt_Dia_Durchmesser, 0);
    const double wD = zahl(e.edt_Dia_Wandstaerke, 0);
    pruefeRohr(dD, wD);
    const double aD = endlich(RohrFlaeche(dD, wD));
    const double iD = endlich(RohrTraegheit(dD, wD));
    r.diagonaleFlaecheMm2 = endlich(aD);
    r.diagonaleTraegheitMm4 = endlich(iD);

    const TWerkstoffwerte sD = WerkstoffWerte(mD);
    const TWerkstoffwerte sG = WerkstoffWerte(e.cmbMaterial.gewaehlt());

    const double fDK = endlich(ZulKnickkraft(mD, aD, iD, lD, 1));
    r.diagonaleKnickenN = endlich(fDK);
    const double fDW = endlich(aD * sD.SigmaWez);
    r.diagonaleWezN = endlich(fDW);

    // The weld around the diagonal end is an ellipse with the half axes r and r / sin α.
    const double halb = dD / 2;
    const double halbStrich = geteilt(halb, sinAlpha);
    const double lS = endlich(Pi / 2 * ((halb + halbStrich) + std::sqrt(2 * (halb * halb + halbStrich * halbStrich))));
    r.nahtLaengeMm = endlich(lS);
    const double sW = zahl(e.edt_Dia_Schweissnahthoehe, 0);
    const double aS = endlich(lS * sW);
    r.nahtFlaecheMm2 = endlich(aS);
    const double fS = endlich(aS * sD.TauNaht);
    r.nahtN = endlich(fS);

    const double w = zahl(e.edtWandstaerke, 0);
    const double lDurch = endlich(Pi * dD);
    const double aDurch = endlich(lDurch * w);
    r.stanzLaengeMm = endlich(lDurch);
    r.stanzFlaecheMm2 = endlich(aDurch);
    const double fP = geteilt(aDurch * sG.TauWez, sinAlpha);
    r.stanzN = endlich(fP);

    r.diagonaleN = endlich(std::min(std::min(fDW, fDK), std::min(fS, fP)));
}

Traversenentwurf::Unterdrueckung::Unterdrueckung(Traversenentwurf& entwurf)
    : m_entwurf(entwurf), m_vorher(entwurf.m_unterdrueckt)
{
    m_entwurf.m_unterdrueckt = true;
}

Traversenentwurf::Unterdrueckung::~Unterdrueckung() { m_entwurf.m_unterdrueckt = m_vorher; }
