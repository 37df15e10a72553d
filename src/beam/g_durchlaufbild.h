#pragma once
// The continuous beam drawn to scale: the shear line on top, the moment line in the middle and
// the deflection line below, each about its own zero line and with its largest value written
// beside it; the supports as triangles on every zero line, a support that would pull hollow.
// One routine paints the editor's tab and the image of the variant report.
#include "beam/u_durchlauftraeger.h"
#include <QColor>
#include <QImage>
#include <QPainter>

void DurchlaufMalen(QPainter& maler, const QRect& rechteck, const QColor& hintergrund, const Durchlaufergebnis& ergebnis);
QImage Durchlaufbild(QSize groesse, const Durchlaufergebnis& ergebnis);
