#pragma once
// Fields of the truss library cds_travbib, in their order in the file.
#include "tables/u_feldname.h"

namespace Travbibfeld {
inline constexpr Feldname Nummer{u"Nummer"};
inline constexpr Feldname Hersteller{u"Hersteller"};
inline constexpr Feldname Name{u"Name"};
inline constexpr Feldname Bearbeiter{u"Bearbeiter"};
inline constexpr Feldname Eigenlast{u"Eigenlast"}; // N/m
inline constexpr Feldname Querkraft{u"Querkraft"};
inline constexpr Feldname Biegemoment{u"Biegemoment"};
inline constexpr Feldname Hoehe{u"Höhe"};
inline constexpr Feldname Breite{u"Breite"};
inline constexpr Feldname Gurtzahl{u"Gurtzahl"};
inline constexpr Feldname EI{u"EI"}; // added later; older libraries lack it
} // namespace Travbibfeld
