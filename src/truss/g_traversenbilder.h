#pragma once
// The pictures of the truss window and the truss report, drawn from the SVG resources.
#include <QImage>

// The chord arrangement for 1 … 4 chords; a null image for any other count.
QImage Gurtbild(int gurte, int pixel = 418);
QImage Diagonalenbild(int pixel = 418);
// The connector of type 0 … 4; a null image with no type chosen.
QImage Verbinderbild(int typ, int pixel = 418);
