#pragma once
// Fields of the load library cds_lastbib, in their order in the file.
#include "tables/u_feldname.h"

namespace Lastbibfeld {
inline constexpr Feldname Nummer{u"Nummer"};
inline constexpr Feldname Werkzeug{u"Werkzeug"};
inline constexpr Feldname Name{u"Name"};
inline constexpr Feldname Breite{u"Breite"};
inline constexpr Feldname Flaeche{u"Flaeche"};
inline constexpr Feldname Last{u"Last"};
inline constexpr Feldname Einheit{u"Einheit"};
} // namespace Lastbibfeld
