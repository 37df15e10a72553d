#pragma once
// u_symbole: the schematic symbol of every support and load kind. A symbol is drawn in local
// coordinates (u along the truss, v away from it) measured in multiples of the item's size and
// turned by half a turn when the item sits above the truss; its colour follows kind and mark.
// The number of an item is not part of its symbol: the drawing places the labels so that they
// keep clear of each other (g_cadansicht).
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// A label as a drawing wrote it: its box in the drawing's pixels, text and colour.
struct Beschriftung {
    QRect box;
    QString text;
    QColor farbe;
};

struct Symbolangaben {
    int art = 3;           // Type code
    int x1 = 0, x2 = 0;    // pixel columns of Pos1 and Pos2 (equal for one-click items)
    int y0 = 0;            // base row just above or just below the truss bar
    bool oben = false;
    bool markiert = false;
    bool negativ = false;  // Last below 0
    double massstab = 0.1; // metres per pixel at zoom 1
    double groesse = 1;    // size unit in m: Groesse times zoom factor
};

namespace u_symbole {
// Draws the figure and returns the box of every pixel it may touch (empty when nothing is drawn).
QRect ZeichneSymbol(QPainter& p, const Symbolangaben& s);
// That box without drawing.
QRect Umriss(const Symbolangaben& s);
// Marked items of every kind, in the beam drawing and the floor plan: a strong magenta stands out
// on the light grey background and differs from every kind's own colour.
extern const QColor Markierfarbe;
// Pen colour of a kind, unmarked or marked.
QColor Stiftfarbe(int art, bool markiert);
// Labels of both drawings: a fixed pixel size, readable at every zoom.
QFont Beschriftungsschrift();
} // namespace u_symbole
