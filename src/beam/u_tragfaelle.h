#pragma once
// The load-case solver on plain arrays: every pair of supports carries the truss alone as a
// statically determinate beam with overhangs; the results are the reactions, the section forces
// every 0.1 m and at every support and load end, their maxima and envelope, the governing support
// forces and the utilisation.
// Positions in m from the truss middle, forces in N (downwards positive), moments in N·m.
#include "platform/u_einheiten.h" // NproKg for the callers that show kg
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

struct Rechenlager {
    int nummer = 0;
    double position = 0;
    double minimalkraft = 0;
    double maximallast = 0;
};

struct Rechenlast {
    int type = 3;
    double pos1 = 0;
    double pos2 = 0;
    double last = 0;
    double aequivalenzflaeche = 0;
};

// Truss values of a variant (the initial values of a new single project).
struct Traversenwerte {
    double laenge = 24;
    double hoehe = 0.3;
    double breite = 0;
    int gurtzahl = 0;
    double eigenlast = 0;
    double maxQuer = 0;
    double maxBiege = 0;
};

struct Rechenvorgabe {
    Traversenwerte traverse;
    int modus = 0;          // 0 weight only, 1 weight and wind, 2 wind only
    double staudruck = 0.5; // kN/m²
    bool minimal = false;
    bool negativ = false;
    std::vector<Rechenlager> lager; // in ascending number order (equal numbers side by side)
    std::vector<Rechenlast> lasten;
};

// Effective line load of the truss and effective force of a load (wind as vertical force).
double WirksameEigenlast(const Rechenvorgabe& v);
double WirksameLast(const Rechenvorgabe& v, const Rechenlast& last);

// Percentage of a permissible value; empty when the permissible value is 0.01 or less.
std::optional<double> Prozent(double wert, double zulaessig);

struct Tragfall {
    enum class Zustand { Gerechnet, Negativ, GleicheLagerposition, Ueberlauf };
    int lager1 = 0, lager2 = 0;
    double pos1 = 0, pos2 = 0;
    Zustand zustand = Zustand::Gerechnet;
    double kraft1 = 0, kraft2 = 0;   // valid unless GleicheLagerposition / Ueberlauf
    bool mitPositionen = false;      // section forces computed
    double maxQ = 0, maxM = 0;       // valid when mitPositionen
    std::size_t ersteposition = 0;   // offset into Rechenergebnis::q / m
    bool hatReaktionen() const
    {
        return zustand == Zustand::Gerechnet || zustand == Zustand::Negativ;
    }
};

struct Huellenzeile {
    double x = 0, qMin = 0, qMax = 0, mMin = 0, mMax = 0;
};

struct Rechenergebnis {
    std::vector<Tragfall> tragfaelle;
    std::vector<double> x;        // section positions, shared by every load case
    std::vector<double> q, m;     // per load case with positions: x.size() values each
    std::vector<Huellenzeile> huelle;
    std::vector<double> berechnet; // per support of the input, in its order
    double auslastung = 0;
    double gesamtlast = 0;
    // What the pairwise method cannot carry, for the messages of the calculation.
    bool getragen = false;              // some load case has all its supports in compression
    bool auslastungBekannt = false;     // some load case has section forces judged against the truss
    // A permissible value of 0.01 or less cannot judge the truss: its share is unknown, not 0 %.
    bool ohneZulaessigeQuerkraft = false;
    bool ohneZulaessigesMoment = false;
    std::vector<int> lastenAusserhalb;  // loads (counted from 1) reaching beyond the truss ends
    std::vector<int> lagerUeberlastet;  // numbers of supports whose force exceeds their Maximallast
};

// Sections per load case times load cases above this count stop the calculation.
constexpr double MaxSchnitte = 10e6;
// No rig hangs from more supports; every pair of them is a load case.
constexpr int MaxLager = 200;
// Inputs beyond this magnitude (or not finite) stop the calculation.
constexpr double MaxEingabe = 1e15;

// Throws Fehler for an input out of range, more than MaxLager supports or too many sections,
// before anything is computed; memory running out on the way is a Fehler too.
// nachTragfall(nummer, anzahl) runs after every load case.
Rechenergebnis RechneTragfaelle(const Rechenvorgabe& vorgabe,
                                const std::function<void(int, int)>& nachTragfall = {});
