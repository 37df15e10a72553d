#pragma once
// The truss design of one truss window without its widgets. It holds the inputs as the window's
// controls hold them (texts, choice positions, flags; members named after the controls), the
// section values kept between the runs and every result as a number in its unit. The window
// copies a changed control into `eingaben`, calls a run or a handler, and shows `ergebnisse`
// through the texts below (and `eingaben.edtSicherheitsfaktor`, which BerechneTraverse rewrites).
//
// A run that meets an arithmetic fault stops at that step: the results before it carry their new
// values, the later ones keep their old values, and the fault goes as a message to `melden`. A run
// never yields an infinite or undefined number.
#include "platform/u_zahlen.h"
#include "tables/u_auswahl.h"
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

// Display text of a result: "### ### ##0.00" with the blanks around trimmed ("1 114,45", "12,50").
QString FormatWert(double x);
// Lenient reading of a force input: only the digits and the decimal separator are kept, so the
// proposal text "39 755,43" reads as 39755.43 and "-5" as 5; vorgabe when nothing converts.
double ZahlAusText(const QString& text, double vorgabe);

struct Traverseneingaben {
    // "Eigenschaften der Traverse"
    int udGurte = 4;
    Auswahlliste cmbMaterial;
    QString edtDurchmesser = QStringLiteral("50");
    QString edtWandstaerke = QStringLiteral("2");
    bool cbVerbinder = false; // connectors welded onto the chords
    QString edtHoehe = QStringLiteral("300");
    QString edtBreite = QStringLiteral("300");
    QString edtVertikal = QStringLiteral("600");
    QString edtHorizontal = QStringLiteral("600");
    bool cbHoriDiga = true;
    QString edtVerbinder;
    QString edtDiagonale;

    // "Eigenschaften der Diagonale"
    Auswahlliste cmb_Dia_Material;
    QString edt_Dia_Durchmesser = QStringLiteral("20");
    QString edt_Dia_Wandstaerke = QStringLiteral("2");
    QString edt_Dia_Schweissnahthoehe = QStringLiteral("2");

    // "Eigenschaften der Verbinder"
    Auswahlliste cmbVerbinder;
    Auswahlliste cmbVerbMat;
    QString edtVerbLL = QStringLiteral("0");
    QString edtVerbA = QStringLiteral("0");
    QString edtVerbB = QStringLiteral("0");
    Auswahlliste cmbVerbBolzenMat;
    QString edtVerbDehngrenze = QStringLiteral("0");
    QString edtVerbD = QStringLiteral("0");
    bool cbBolzenMin = false;

    // "Belastbarkeit als Stütze"
    bool cbBGVC1 = true;
    QString edtSicherheitsfaktor = FormatFloat(QStringLiteral("0.0"), 2.0); // "2,0" under German

    // "Belastbarkeit als Träger"
    QString edtQuerkraft = QStringLiteral("0");
    QString edtBiegemoment = QStringLiteral("0");
    QString edtEigenlast = QStringLiteral("0");
    QString edtHersteller;
    QString edtName = QStringLiteral("neue Traverse");
    QString edtBearbeiter;

    Traverseneingaben(); // fills the choice lists, nothing chosen
};

// A result in the unit its name ends with; empty until a run computed it.
using Ergebnis = std::optional<double>;

constexpr int Stuetzenlaengen = 16; // column lengths 1 … 16 m
constexpr int Eulerfaelle = 4;
// The column table as shown: a header row and a column of lengths before the forces.
constexpr int StuetzenZeilen = Stuetzenlaengen + 1;
constexpr int StuetzenSpalten = Eulerfaelle + 1;

struct Traversenergebnisse {
    // Chords and truss
    Ergebnis verbinderN, gurtFlaecheMm2, gurtTraegheitMm4, flaecheMm2, traegheitVertikalMm4, traegheitHorizontalMm4;
    // As a column: one chord, the connectors, and the whole truss by length and Euler case
    // (stuetzeKg[length in m − 1][case − 1])
    Ergebnis einzelgurtKg, verbinderStuetzeKg;
    std::array<std::array<Ergebnis, Eulerfaelle>, Stuetzenlaengen> stuetzeKg;
    // As a beam
    Ergebnis gurtKnickenN, gurtSchweissnahtN, gurtkraftN, biegemomentNm, querkraftN;
    // Diagonal: the bar, its weld and the punching through the chord wall; diagonaleN is the
    // smallest of the four capacities and the proposal for the first tab
    Ergebnis diagonaleLaengeMm, diagonaleFlaecheMm2, diagonaleTraegheitMm4, diagonaleKnickenN, diagonaleWezN,
        nahtLaengeMm, nahtFlaecheMm2, nahtN, stanzLaengeMm, stanzFlaecheMm2, stanzN, diagonaleN;
    // Connector: bolt connectors (types 0 … 2)
    Ergebnis bolzenDurchmesserMm, lochFlaecheMm2, lochFlaecheGesamtMm2, lochleibungN, bolzenFlaecheMm2,
        bolzenTraegheitMm4, bolzenDehngrenzeNmm2, bolzenN;
    // flange plate
    Ergebnis schraubeFlaecheMm2, schraubeN, schraubeMomentNmm, flanschN;
    // tube connector
    Ergebnis aussenrohrFlaecheMm2, aussenrohrLeibungNmm2, aussenrohrN, innenrohrFlaecheMm2, innenrohrN,
        rohrschraubeFlaecheMm2, rohrschraubeN;
    // the connector's capacity, also the proposal for the first tab
    Ergebnis verbinderVorschlagN;
};

// A result as its label shows it: "### ### ##0.00" trimmed ("1 114,45"), empty when not computed;
// the permissible shear and moment as "0.00" ("1414,21").
QString Ergebnistext(const Ergebnis& wert);
QString Statiktext(const Ergebnis& wert);
// A cell of the column table: "### ### ##0.00 kg", blanks kept so the column aligns.
QString Stuetzentext(const Ergebnis& kg);
// The column table's headers: "Länge [m]", then "Euler-Fall 1" … "Euler-Fall 4".
QString Stuetzenueberschrift(int spalte);

// Every result label by its control name, in the order of the window's tabs; the two proposal
// labels show the capacity they propose.
struct Ergebnisfeld {
    const char* name;
    Ergebnis Traversenergebnisse::*wert;
    bool statik = false; // shown as Statiktext
    QString text(const Traversenergebnisse& r) const { return statik ? Statiktext(r.*wert) : Ergebnistext(r.*wert); }
};
const std::vector<Ergebnisfeld>& Ergebnisfelder();

// What the connector tab shows for the chosen connector type (a new window: the bolt panel).
struct Verbinderansicht {
    bool edtVerbB = true; // dimension b with its caption lblVerbB
    bool pnlBolzen = true;
    bool pnlSchrauben = false;
    bool pnlRohr = false;
};

// The controls whose change reaches the connector tab's common handler.
enum class Verbinderfeld {
    cmbVerbinder, cmbVerbMat, edtVerbLL, edtVerbA, edtVerbB, cmbVerbBolzenMat, edtVerbDehngrenze,
    edtVerbD, cbBolzenMin
};

// Values kept between the runs, all 0 in a new window.
struct Traversenkennwerte {
    double A = 0, I = 0;             // one chord
    double A_T = 0, I_v = 0, I_h = 0; // whole truss
    double l_D = 0, alpha = 0;       // diagonal length between the chord surfaces, angle (rad)
};

class Traversenentwurf {
public:
    // The defaults of a new window; the initial chord count counts as a change, so
    // BerechneTraverse has run once.
    Traversenentwurf();

    Traverseneingaben eingaben;
    Traversenergebnisse ergebnisse;
    Verbinderansicht verbinderansicht;
    QString dateiname;     // empty for a new truss
    bool geaendert = false; // a stored value changed since the last load or write
    std::function<void(const QString&)> melden; // the fault a run stopped at (the window shows it)

    const Traversenkennwerte& kennwerte() const { return m_werte; }

    // Each returns false when it stopped with a message.
    bool BerechneTraverse(); // ends with BerechneDiagonale
    bool BerechneDiagonale();
    bool BerechneVerbinder();
    // The messages of the steps whose last run stopped (an impossible tube, a negative safety
    // factor, an arithmetic fault): their results are not those of the inputs shown.
    QStringList Stoerungen() const;

    // The connector tab's common change handler (cmbVerbinderChange); no sender when the window
    // calls it after a change on the first tab. Returns false when the suppression flag held it
    // back; otherwise the window repaints pbVerbinder and shows the inputs the handler rewrote
    // (edtVerbLL, edtVerbDehngrenze, the selections of cmbVerbMat and cmbVerbBolzenMat) without
    // treating them as typed.
    bool cmbVerbinderChange(std::optional<Verbinderfeld> sender);
    // Panels and dimension b for the chosen connector type; with none chosen all stay as they are.
    void VerbinderansichtSetzen();
    // Connector type items and the grid headers in the current language, keeping the choice.
    void TexteSetzen();

    // While an instance lives, the connector handler does nothing (loading a file).
    class Unterdrueckung {
    public:
        explicit Unterdrueckung(Traversenentwurf& entwurf);
        ~Unterdrueckung();
        Unterdrueckung(const Unterdrueckung&) = delete;
        Unterdrueckung& operator=(const Unterdrueckung&) = delete;

    private:
        Traversenentwurf& m_entwurf;
        bool m_vorher;
    };
    bool unterdrueckt() const { return m_unterdrueckt; }

private:
    void laufTraverse();
    void laufDiagonale();
    void laufVerbinder();
    enum class Schritt { Traverse, Diagonale, Verbinder };
    bool ausfuehren(Schritt schritt, void (Traversenentwurf::*lauf)());
    std::array<QString, 3> m_stoerungen; // per step, the message of its last run that stopped

    // A number input: the whole text in the locale's format, vorgabe when it does not convert.
    static double zahl(const QString& text, double vorgabe);
    // Arithmetic that stops the run instead of yielding an infinite or undefined value.
    static double nenner(double n); // n unless it is 0
    static double endlich(double x);
    // A wall thicker than the tube's radius (a typed "60" for "6,0") or a negative size would give
    // negative areas and capacities.
    static void pruefeRohr(double d, double w);
    static double geteilt(double zaehler, double n) { return endlich(zaehler / nenner(n)); }

    Traversenkennwerte m_werte;
    bool m_unterdrueckt = false;
};
