#pragma once
// The diagram of a load table: the four per-row forces over the span length, each as a share of
// the governing maximum. One routine paints the window's page and the report's image.
#include <QImage>
#include <QPainter>

class Belastungstabelle;

// Paints the area of the given size from its top left corner; the table's cursor does not move.
void BelastungsdiagrammMalen(QPainter& maler, QSize groesse, Belastungstabelle& tabelle);
QImage Belastungsdiagramm(QSize groesse, Belastungstabelle& tabelle);
