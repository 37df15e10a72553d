#pragma once
// The beam drawing of the CAD tab: two rulers, the truss as a blue bar and every support and load
// as its symbol, into any rectangle of any paint device (screen, image, report page). Also the
// overlay of cross-hair ticks and selection box that the screen draws over the cached drawing.
#include <QColor>
#include <QRect>

class Balkenmodell;
class Cadansicht;
class QPainter;

// The mapping of the view (Cadansicht) places the items; rect.top() is the row of the rulers'
// band. Leaves the current rows of both tables where they were.
void ZeichneBalken(QPainter& p, const QRect& rect, const QColor& hintergrund, const Cadansicht& ansicht,
                   Balkenmodell& modell);
void ZeichneLineal(QPainter& p, const QRect& rect, int zeile, const QColor& farbe, double versatz,
                   const Cadansicht& ansicht);
// Cross-hair ticks in both rulers at the cross-hair column, and the selection box from the anchor
// to the cross-hair when it is wanted.
void ZeichneFadenkreuz(QPainter& p, const Cadansicht& ansicht, bool mitAuswahlrahmen);
