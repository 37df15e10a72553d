#pragma once
// u_symbole: the schematic symbol of every support and load kind. A symbol is drawn in local
// coordinates (u along the truss, v away from it) measured in multiples of the item's size and
// turned by half a turn when the item sits above the truss; its colour follows kind and mark.
#include <QColor>

class QPainter;

struct Symbolangaben {
    int art = 3;           // Type code
    int x1 = 0, x2 = 0;    // pixel columns of Pos1 and Pos2 (equal for one-click items)
    int y0 = 0;            // base row just above or just below the truss bar
    int nummer = 0;        // drawn as label
    bool oben = false;
    bool markiert = false;
    bool negativ = false;  // Last below 0
    double massstab = 0.1; // metres per pixel at zoom 1
    double groesse = 1;    // size unit in m: Groesse times zoom factor
};

namespace u_symbole {
void ZeichneSymbol(QPainter& p, const Symbolangaben& s);
// Pen colour of a kind, unmarked or marked.
QColor Stiftfarbe(int art, bool markiert);
// Label size in points (0.3 m at the scale, rounded); no label is drawn at 3 points or less.
int Beschriftungsgroesse(double massstab);
} // namespace u_symbole
