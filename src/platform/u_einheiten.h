#pragma once
// The unit conversions every calculation, drawing and report shares, and the units the unit
// lists of the load table and the span calculator offer.
#include <optional>

constexpr double NproKg = 9.81;     // N per kg: the gravity every load table of the trade uses
constexpr double MProFt = 0.3048;   // m per foot
constexpr double MmProZoll = 25.4;  // mm per inch, also for pixels at a device's dots per inch

// A force unit, in the order of the lists: kg, N, kN.
enum class Krafteinheit { Kilogramm, Newton, Kilonewton };
constexpr double NewtonJe(Krafteinheit einheit)
{
    return einheit == Krafteinheit::Kilogramm ? NproKg : einheit == Krafteinheit::Kilonewton ? 1000 : 1;
}

// What a line load is given per: a metre, a foot, or the whole span (a total).
enum class Lastbezug { JeMeter, JeFuss, JeSpannweite };
struct Streckenlasteinheit {
    Krafteinheit kraft;
    Lastbezug bezug;
};

// The units at a list position; none while nothing is chosen (position −1).
// Force lists: kg, N, kN.
std::optional<Krafteinheit> KrafteinheitAn(int position);
// The load table's line-load list: kg/m, N/m, kN/m, kg/ft, N/ft, kN/ft, kg, N, kN (per span).
std::optional<Streckenlasteinheit> TabellenStreckenlastAn(int position);
// The span calculator's line-load list: kg/m, N/m, kN/m, kg, N, kN (the total on the span).
std::optional<Streckenlasteinheit> RechnerStreckenlastAn(int position);
