#pragma once
// One routine paints a laid-out page on every device: the preview's image, a printer, a PDF file.
// The painter's origin is the paper's top left corner; millimetres are converted with the
// device's resolution, so fonts given in points come out at their size everywhere.
#include "report/u_berichtslayout.h"
#include <QPainter>

void SeiteMalen(QPainter& maler, const Berichtslayout& layout, int seite);

// The page on white paper at the given resolution (dots per inch).
QImage SeiteAlsBild(const Berichtslayout& layout, int seite, double dpi);

// Writes every page into a PDF file; the previous file stays until the new one is complete.
// Throws Fehler when the file cannot be written.
void BerichtAlsPdf(const Berichtslayout& layout, const QString& datei);
