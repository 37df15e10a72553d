// The connector tab: its run BerechneVerbinder and its common change handler.
#include "language/u_uebersetzung.h"
#include "truss/u_alu.h"
#include "truss/u_traversenentwurf.h"
#include <cmath>

namespace {
constexpr double Pi = 3.14159265358979323846;
constexpr double MindestA = 1.95;
constexpr double MindestD = 5.95;
// Without the assurance that no weaker bolt material is fitted, the yield strength counts at most
// this much.
constexpr double DehngrenzeOhneNachweis = 400;

// The text a changed control shows: a choice list its chosen item, the check box its caption.
QString angezeigterText(const Traverseneingaben& e, Verbinderfeld feld)
{
    switch (feld) {
    case Verbinderfeld::cmbVerbinder: return e.cmbVerbinder.angezeigterText();
    case Verbinderfeld::cmbVerbMat: return e.cmbVerbMat.angezeigterText();
    case Verbinderfeld::edtVerbLL: return e.edtVerbLL;
    case Verbinderfeld::edtVerbA: return e.edtVerbA;
    case Verbinderfeld::edtVerbB: return e.edtVerbB;
    case Verbinderfeld::cmbVerbBolzenMat: return e.cmbVerbBolzenMat.angezeigterText();
    case Verbinderfeld::edtVerbDehngrenze: return e.edtVerbDehngrenze;
    case Verbinderfeld::edtVerbD: return e.edtVerbD;
    case Verbinderfeld::cbBolzenMin: return Uebersetzt(2167, QStringLiteral("es kann ausgeschlossen werden,"));
    }
    return {};
}
} // namespace

void Traversenentwurf::laufVerbinder()
{
    const Traverseneingaben& e = eingaben;
    Traversenergebnisse& r = ergebnisse;
    const double a = zahl(e.edtVerbA, 0);
    const double b = zahl(e.edtVerbB, 0);
    const double d = zahl(e.edtVerbD, 0);
    const double pL = zahl(e.edtVerbLL, 0);
    double fy = zahl(e.edtVerbDehngrenze, 0);
    if (a < MindestA || d < MindestD)
        return;
    if (fy > DehngrenzeOhneNachweis && !e.cbBolzenMin)
        fy = DehngrenzeOhneNachweis;

    // Bolt connectors: the bearing of the holes and the bolt in bending and shear.
    const auto bolzen = [&](double dBolzen, double aLoch, double fL, double fB) {
        r.bolzenDurchmesserMm = endlich(dBolzen);
        r.lochFlaecheMm2 = endlich(aLoch);
        r.lochFlaecheGesamtMm2 = endlich(2 * aLoch);
        r.lochleibungN = endlich(fL);
        r.bolzenFlaecheMm2 = endlich(Pi * dBolzen * dBolzen / 4);
        r.bolzenTraegheitMm4 = endlich(Pi * std::pow(dBolzen, 4) / 64);
        r.bolzenDehngrenzeNmm2 = endlich(fy);
        r.bolzenN = endlich(fB);
        return std::min(fB, fL);
    };

    double fMax = 0;
    switch (e.cmbVerbinder.gewaehlt()) {
    case 0: { // cone connector
        const double dS = d - 2;
        const double aLoch = b * dS;
        const double fB = fy / std::sqrt(std::pow(b / (0.291 * dS * dS * dS), 2) + std::pow(1 / (0.873 * dS * dS), 2));
        fMax = bolzen(dS, aLoch, 2 * aLoch * pL, fB);
        break;
    }
    case 1: { // fork connector
        const double aLoch = std::min(b, a - b) * d;
        const double fB = 0.8 * std::sqrt(fy * fy / (std::pow((a - b) / 2, 2) * 12.25 / std::pow(d, 6) + 1.62 / std::pow(d, 4)));
        fMax = bolzen(d, aLoch, 0.8 * (2 * aLoch) * pL, fB);
        break;
    }
    case 2: { // double fork
        const double aLoch = a / 2 * d;
        const double fB = 1.6 * std::sqrt(fy * fy / (a * a * 12.25 / std::pow(d, 6) + 1.62 / std::pow(d, 4)));
        fMax = bolzen(d, aLoch, 0.8 * (2 * aLoch) * pL, fB);
        break;
    }
    case 3: { // flange plate
        const double aS = Spannungsquerschnitt(d);
        const double fS = endlich(aS * fy / 2.1);
        const double mS = endlich(fS * a);
        r.schraubeFlaecheMm2 = endlich(aS);
        r.schraubeN = endlich(fS);
        r.schraubeMomentNmm = endlich(mS);
        fMax = geteilt(mS, zahl(e.edtHoehe, 0));
        r.flanschN = endlich(fMax);
        break;
    }
    case 4: { // tube connector: outer tube, inner tube, screw in double shear
        const double w = zahl(e.edtWandstaerke, 0);
        const double aA = 2 * w * d;
        const double pA = Lochleibungsdruck(e.cmbMaterial.gewaehlt());
        const double fA = endlich(aA * pA);
        const double aI = a * d;
        const double fI = endlich(2 * aI * pL);
        const double aS = Pi * d * d / 2;
        const double fS = endlich(aS * fy / 3.75);
        r.aussenrohrFlaecheMm2 = endlich(aA);
        r.aussenrohrLeibungNmm2 = endlich(pA);
        r.aussenrohrN = endlich(fA);
        r.innenrohrFlaecheMm2 = endlich(aI);
        r.innenrohrN = endlich(fI);
        r.rohrschraubeFlaecheMm2 = endlich(aS);
        r.rohrschraubeN = endlich(fS);
        fMax = std::min(std::min(fS, fI), fA);
        break;
    }
    default: // no connector type chosen: nothing to propose
        return;
    }
    r.verbinderVorschlagN = endlich(fMax);
}

void Traversenentwurf::VerbinderansichtSetzen()
{
    const int typ = eingaben.cmbVerbinder.gewaehlt();
    if (typ < 0)
        return;
    verbinderansicht.edtVerbB = typ == 0 || typ == 1;
    verbinderansicht.pnlBolzen = typ <= 2;
    verbinderansicht.pnlSchrauben = typ == 3;
    verbinderansicht.pnlRohr = typ == 4;
}

bool Traversenentwurf::cmbVerbinderChange(std::optional<Verbinderfeld> sender)
{
    if (m_unterdrueckt)
        return false;
    if (!sender)
        return true;
    Traverseneingaben& e = eingaben;
    if (!angezeigterText(e, *sender).trimmed().isEmpty())
        BerechneVerbinder();

    switch (*sender) {
    case Verbinderfeld::cmbVerbinder:
        VerbinderansichtSetzen();
        break;
    case Verbinderfeld::cmbVerbMat:
        if (e.cmbVerbMat.gewaehlt() >= 0) {
            e.edtVerbLL = Lochleibungsdrucktext(e.cmbVerbMat.gewaehlt());
            BerechneVerbinder();
        }
        break;
    case Verbinderfeld::cmbVerbBolzenMat:
        if (e.cmbVerbBolzenMat.gewaehlt() >= 0) {
            e.edtVerbDehngrenze = Dehngrenzentext(e.cmbVerbBolzenMat.gewaehlt());
            BerechneVerbinder();
        }
        break;
    case Verbinderfeld::edtVerbLL: // typed by the user: no longer the value of a material
        e.cmbVerbMat.waehle(-1);
        break;
    case Verbinderfeld::edtVerbDehngrenze:
        e.cmbVerbBolzenMat.waehle(-1);
        break;
    default:
        break;
    }
    return true;
}
