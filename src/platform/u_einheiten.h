#pragma once
// The unit conversions every calculation, drawing and report shares.

constexpr double NproKg = 9.81;     // N per kg: the gravity every load table of the trade uses
constexpr double MProFt = 0.3048;   // m per foot
constexpr double MmProZoll = 25.4;  // mm per inch, also for pixels at a device's dots per inch
