#pragma once
// Computing the variants of a project as the beam editor does: each variant is read into a beam
// model, its truss-force loads take the support forces stored in the project, and it is solved.
// Either on a copy (the project stays as it is) or stored back like the editor's "Speichern".
// Messages of the calculations are collected.
#include "project/u_projektmodell.h"

struct Lagerergebnis {
    int nummer = 0;
    double berechnet = 0; // N
};

// One variant as read from the project and, once computed, its fresh results.
struct Variantenzeile {
    Variantenverweis verweis;
    QString name, status;
    QVariant auslastung; // stored utilisation in percent; invalid when none
    bool gerechnet = false;
    QString fehler;      // the variant could not be computed (its settings refused it)
    std::optional<double> neueAuslastung;
    std::vector<Lagerergebnis> lager;
    QStringList meldungen;
    QStringList warnungen; // the part of meldungen that makes the result unsafe
};

struct Traversenzeile {
    int nummer = 0;
    QString name;
    QVariant variante; // the main variant's number; invalid when none
    std::vector<Variantenzeile> varianten;
};

// Every truss with its variants, in table order.
std::vector<Traversenzeile> LiesTraversen(Projektmodell& projekt);

// Computes the variant on a copy; the project's tables keep their values. Returns the messages
// the beam editor would show for it (the row keeps the calculation's own).
Meldungen Rechne(Projektmodell& projekt, Variantenzeile& variante);

// Computes every variant and writes supports, settings and utilisation back as the beam editor's
// "Speichern" does (the project is then marked changed). A variant whose truss-force loads refer
// to another variant is computed after that one. Returns the messages, each naming its truss
// and variant.
QStringList AlleVariantenBerechnen(Projektmodell& projekt);
