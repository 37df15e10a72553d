#pragma once
// The truss as one continuous beam on all its supports, beside the pairwise load cases: an
// Euler–Bernoulli beam of uniform bending stiffness EI on level, rigid supports that can only
// push, solved by the stiffness method with a node at every support, load edge and truss end
// (exact for point and distributed loads). A support that would pull is taken out and the beam
// solved again until none pulls. The reactions and the section forces do not depend on EI; the
// deflection line needs it.
// Same inputs and units as the load-case solver: x in m from the truss middle, forces in N
// (downwards positive), moments in N·m, deflections in m (downwards positive).
#include "beam/u_tragfaelle.h"
#include <optional>
#include <vector>

// The usual deflection limit of the makers' load tables: span / 200.
constexpr double StandardDurchbiegungsgrenze = 200;

struct Durchlauflager {
    int nummer = 0;
    double position = 0;
    double kraft = 0;      // upwards positive; 0 for a support taken out
    bool entfernt = false; // it would pull, so it carries nothing
};

// One point of the lines; at a node the line holds the values just left and just right of it.
struct Durchlaufpunkt {
    double x = 0, q = 0, m = 0;
    double w = 0; // only when EI is known
};

struct Durchbiegung {
    double max = 0;         // m, downwards positive, largest magnitude in the governing span
    double x = 0;           // where it is
    double spannweite = 0;  // the governing span; twice the length of an overhang
    std::optional<double> verhaeltnis; // span / |max|; none when the beam does not deflect
    double grenze = StandardDurchbiegungsgrenze;
    bool eingehalten() const { return !verhaeltnis || *verhaeltnis >= grenze; }
};

struct Durchlaufmeldung {
    enum class Art { LagerEntfernt, GleichePosition, Instabil, KeinAusgleich, KeinErgebnis };
    Art art = Art::Instabil;
    int lager1 = 0, lager2 = 0;
};

struct Durchlaufergebnis {
    bool stabil = false;                // false: no reactions, lines or deflection
    std::vector<Durchlauflager> lager;  // in the order of the input
    std::vector<Durchlaufpunkt> linie;  // in x order
    double maxQ = 0, xMaxQ = 0;         // largest magnitude, with its sign
    double maxM = 0, xMaxM = 0;
    std::optional<Durchbiegung> durchbiegung; // when EI is known and the beam is stable
    std::vector<Durchlaufmeldung> meldungen;
    double gesamtlast = 0;
};

// ei in N·m²; none when unknown (the reactions and section forces are computed all the same).
// grenze: the denominator of the deflection limit.
Durchlaufergebnis RechneDurchlauftraeger(const Rechenvorgabe& vorgabe, std::optional<double> ei,
                                         double grenze = StandardDurchbiegungsgrenze);

// The messages in the current language.
QString Meldungstext(const Durchlaufmeldung& meldung);
QStringList Meldungstexte(const Durchlaufergebnis& ergebnis);

// The result in words for the editor's tab and the report: largest shear force and moment with
// their utilisation against Qzul and Mzul, and the deflection against its limit ("EI unbekannt"
// when EI is unknown). Empty when the beam is unstable (its messages say why).
QStringList Durchlaufzusammenfassung(const Durchlaufergebnis& ergebnis, const Traversenwerte& traverse);
// The limits of the method, as the tab and the report state them.
QString Durchlaufgrenzen();
