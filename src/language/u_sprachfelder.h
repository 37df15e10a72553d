#pragma once
// Fields of a language table: text id and text.
#include "tables/u_feldname.h"

namespace Sprachfeld {
inline constexpr Feldname Nummer{u"Nummer"};
inline constexpr Feldname Name{u"Name"};
} // namespace Sprachfeld
