#pragma once
// The beam drawing of the CAD tab: two rulers, the truss as a blue bar and every support and load
// as its symbol, into any rectangle of any paint device (screen, image, report page). Also the
// overlay of cross-hair ticks and selection box that the screen draws over the cached drawing.
#include "beam/g_symbole.h"
#include <QColor>
#include <QRect>
#include <vector>

class Balkenmodell;
class Cadansicht;
class QPainter;

// The mapping of the view (Cadansicht) places the items; rect.top() is the row of the rulers'
// band. Bands along the truss are drawn first, the other figures over them on cleared ground.
// Every item's number and, while the model's support forces are current, each support's force in
// kg are written in a fixed size where they cover nothing else; a label without room is left out.
// Returns the labels written, in the rectangle's own pixels. Leaves the current rows of both
// tables where they were.
std::vector<Beschriftung> ZeichneBalken(QPainter& p, const QRect& rect, const QColor& hintergrund,
                                        const Cadansicht& ansicht, Balkenmodell& modell);
void ZeichneLineal(QPainter& p, const QRect& rect, int zeile, const QColor& farbe, double versatz,
                   const Cadansicht& ansicht);
// Cross-hair ticks in both rulers at the cross-hair column, and the selection box from the anchor
// to the cross-hair when it is wanted.
void ZeichneFadenkreuz(QPainter& p, const Cadansicht& ansicht, bool mitAuswahlrahmen);
