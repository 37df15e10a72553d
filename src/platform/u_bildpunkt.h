#pragma once
// Screen and page coordinates from computed values. A point far outside any paint area stays far
// outside but within int, and an undefined value lands on 0: absurd inputs never overflow a
// conversion.
#include <algorithm>
#include <cmath>

inline constexpr double Bildgrenze = 1e8;

// Halves away from zero.
inline int Bildpunkt(double wert)
{
    return std::isnan(wert) ? 0 : int(std::lround(std::clamp(wert, -Bildgrenze, Bildgrenze)));
}

// Halves to even (the floor plan's positions and widths).
inline int BildpunktHalbGerade(double wert)
{
    return std::isnan(wert) ? 0 : int(std::nearbyint(std::clamp(wert, -Bildgrenze, Bildgrenze)));
}
