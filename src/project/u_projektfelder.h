#pragma once
// Fields of a project's tables: trusses cds_projekt with their nested variants (whose nested
// supports and loads have the beam model's fields), walls cds_mauern with their points.
#include "tables/u_feldname.h"

namespace Projektfeld {
inline constexpr Feldname Nummer{u"Nummer"};
inline constexpr Feldname Sortierung{u"Sortierung"};
inline constexpr Feldname Name{u"Name"};
inline constexpr Feldname Position_X1{u"Position_X1"};
inline constexpr Feldname Position_Y1{u"Position_Y1"};
inline constexpr Feldname Position_X2{u"Position_X2"};
inline constexpr Feldname Position_Y2{u"Position_Y2"};
inline constexpr Feldname markiert{u"markiert"};
inline constexpr Feldname Anmerkung{u"Anmerkung"};
inline constexpr Feldname Variante{u"Variante"}; // the truss's current variant
inline constexpr Feldname Varianten{u"Varianten"};
} // namespace Projektfeld

namespace Variantenfeld {
inline constexpr Feldname Nummer{u"Nummer"};
inline constexpr Feldname Name{u"Name"};
inline constexpr Feldname Bearbeiter{u"Bearbeiter"};
inline constexpr Feldname Traverse{u"Traverse"};
inline constexpr Feldname Einstellungen{u"Einstellungen"};
inline constexpr Feldname Status{u"Status"};
inline constexpr Feldname Auslastung{u"Auslastung"};
inline constexpr Feldname Anmerkung{u"Anmerkung"};
inline constexpr Feldname Lager{u"Lager"};
inline constexpr Feldname Lasten{u"Lasten"};
} // namespace Variantenfeld

namespace Mauerfeld {
inline constexpr Feldname Nummer{u"Nummer"};
inline constexpr Feldname Symbol{u"Symbol"};
inline constexpr Feldname Breite{u"Breite"};
inline constexpr Feldname markiert{u"markiert"};
inline constexpr Feldname Punkte{u"Punkte"};
} // namespace Mauerfeld

namespace Punktfeld {
inline constexpr Feldname X{u"X"};
inline constexpr Feldname Y{u"Y"};
} // namespace Punktfeld
