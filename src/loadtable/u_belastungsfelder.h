#pragma once
// Fields of the load table cds_traverse: the typed row, then the calculated values.
#include "tables/u_feldname.h"

namespace Belastungsfeld {
inline constexpr Feldname laenge{u"laenge"};
inline constexpr Feldname einzellast{u"einzellast"};
inline constexpr Feldname streckenlast{u"streckenlast"};
inline constexpr Feldname einzellast_N{u"einzellast_N"};
inline constexpr Feldname streckenlast_Nm{u"streckenlast_Nm"};
inline constexpr Feldname querkraft_e{u"querkraft_e"};
inline constexpr Feldname biegemoment_e{u"biegemoment_e"};
inline constexpr Feldname querkraft_s{u"querkraft_s"};
inline constexpr Feldname biegemoment_s{u"biegemoment_s"};

// The columns of the window's grid and of the command line's table, in their order.
inline constexpr Feldname Spalten[] = {laenge,        einzellast,  einzellast_N,
                                       streckenlast,  streckenlast_Nm, querkraft_e,
                                       biegemoment_e, querkraft_s, biegemoment_s};
} // namespace Belastungsfeld
