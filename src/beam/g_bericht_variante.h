#pragma once
// The variant report: title block with the truss values and the overall utilisation, the
// supports, loads and load cases, the utilisation image and the page footer. Built from a
// calculated variant; every value as its field or label shows it.
#include "report/u_bericht.h"
#include <QDateTime>

class Balkenmodell;
class Balkenrechnung;

// The texts of the editor's truss group, in the formats of its labels.
struct Traversentexte {
    QString name, hoehe, laenge, eigenlast, querkraft, biegemoment;
};
Traversentexte TraversentexteVon(const Balkenmodell& modell);

// auslastungsbild: the utilisation view drawn on white at the size of its paint area.
Bericht BerichtVariante(Balkenmodell& modell, Balkenrechnung& rechnung, const QImage& auslastungsbild,
                        const QDateTime& ausdruck);
