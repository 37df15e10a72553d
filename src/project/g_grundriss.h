#pragma once
// Painting of the floor plan: background, dotted metre grid, origin mark, walls by symbol with
// their widths, trusses with their numbers; and the overlay of rubber band and cursor cross that
// follows the mouse. One routine serves the paint box and an off-screen image. The numbers have a
// fixed size and stand where they cover neither a truss nor another number (left out when there
// is no such place); marked elements take the marking colour of the beam drawing.
#include "beam/g_symbole.h"
#include "project/u_grundrisswerkzeuge.h"
#include <QColor>
#include <QPainter>

// What a drawing of the plan shows beside walls and trusses.
struct Grundrissstil {
    bool markierungen = true; // selected elements in their selection colours
    bool nummern = true;      // the truss numbers at their first ends
};

// The plan over the whole paint box of ansicht.groesse; hintergrund is the button face colour.
// Both return the truss numbers written.
std::vector<Beschriftung> ZeichneGrundriss(QPainter& maler, const Grundrisswerkzeuge& ansicht, const QColor& hintergrund);
// The same for elements taken beforehand (a printed plan keeps them after the project is gone).
std::vector<Beschriftung> ZeichneGrundriss(QPainter& maler, const Planabbildung& ansicht, const std::vector<Mauerbild>& mauern,
                                           const std::vector<Traversenbild>& traversen, const QColor& hintergrund,
                                           Grundrissstil stil = {});
// Rubber band (green, 1 pixel) and cursor cross (red, 3 pixels) at the pixel kreuz.
void ZeichneCursor(QPainter& maler, const std::optional<Gummiband>& band, QPoint kreuz);
// Pen width of an element of width breite metres: rounded, at least 1 pixel.
int Stiftbreite(double breite, double massstab);
