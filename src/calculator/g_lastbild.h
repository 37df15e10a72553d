#pragma once
// The load patterns of the span load calculator: a beam with its loads as arrows, drawn instead of
// the texts of the third-point and quarter-point choices and in the box of the outer loads.
#include <QPainter>
#include <QRect>
#include <vector>

// Position factors of the arrows, by the item of the choice.
std::vector<double> Drittelpunkte(int eintrag); // "Einzel", "Doppel"
std::vector<double> Viertelpunkte(int eintrag); // "Einzel", "Doppel", "Drei"

// rechteck as left, top, right, bottom with the width right - left. The arrows stand at
// width x factor counted from 0, not from the left edge.
void LastbildMalen(QPainter& maler, const QRect& rechteck, const std::vector<double>& faktoren);
// The two outer loads, each 2 m from a support, with the "2" beside them.
void AussenlastbildMalen(QPainter& maler, const QRect& rechteck);
