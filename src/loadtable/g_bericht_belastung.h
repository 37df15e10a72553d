#pragma once
// The load table report: title block with the truss data and permissible forces, one line per
// table row, the diagram and the page footer, every text in the current language.
#include "report/u_bericht.h"
#include <QDateTime>

class Belastungstabelle;

// The diagram area printed without a window.
constexpr QSize BerichtsdiagrammGroesse(860, 400);

// diagrammgroesse: the window's diagram area in pixels; the image is drawn at that size.
Bericht BerichtBelastungstabelle(Belastungstabelle& tabelle, QSize diagrammgroesse, const QDateTime& ausdruck);
