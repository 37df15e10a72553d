#pragma once
// Fields of the beam model's tables: supports cds_lager and loads cds_lasten (also the nested
// Lager and Lasten of a project's variants), and the solver's result tables.
#include "tables/u_feldname.h"

// What a support row and a load row have alike; the editor's tools treat both through these.
namespace Balkenfeld {
inline constexpr Feldname Nummer{u"Nummer"};
inline constexpr Feldname Name{u"Name"};
inline constexpr Feldname Type{u"Type"}; // kind code 1 to 17
inline constexpr Feldname oben{u"oben"};
inline constexpr Feldname Groesse{u"Groesse"};
inline constexpr Feldname markiert{u"markiert"};
} // namespace Balkenfeld

namespace Lagerfeld {
using namespace Balkenfeld;
inline constexpr Feldname Position{u"Position"};
inline constexpr Feldname Eigenlast{u"Eigenlast"}; // N, the support's own weight
inline constexpr Feldname Maximallast{u"Maximallast"};
inline constexpr Feldname Minimalkraft{u"Minimalkraft"};
inline constexpr Feldname Berechnet{u"Berechnet"};
inline constexpr Feldname Berechnetkg{u"Berechnetkg"};             // calculated
inline constexpr Feldname BerechnetProzent{u"berechnet [%]"};      // calculated
} // namespace Lagerfeld

namespace Lastfeld {
using namespace Balkenfeld;
inline constexpr Feldname Pos1{u"Pos1"};
inline constexpr Feldname Pos2{u"Pos2"};
inline constexpr Feldname Last{u"Last"};
inline constexpr Feldname Lastkg{u"Lastkg"}; // calculated
inline constexpr Feldname Aequivalenzflaeche{u"Aequivalenzflaeche"};
} // namespace Lastfeld

// One row per load case; Positionen holds its sections.
namespace Tragfallfeld {
inline constexpr Feldname Nummer{u"Nummer"};
inline constexpr Feldname Lager_1{u"Lager_1"};
inline constexpr Feldname Lager_2{u"Lager_2"};
inline constexpr Feldname Lagerpos_1{u"Lagerpos_1"};
inline constexpr Feldname Lagerpos_2{u"Lagerpos_2"};
inline constexpr Feldname Lagerkraft_1{u"Lagerkraft_1"};
inline constexpr Feldname Lagerkraft_2{u"Lagerkraft_2"};
inline constexpr Feldname MaximaleQuerkraft{u"maximale Querkraft"};
inline constexpr Feldname MaximalesBiegemoment{u"maximales Biegemoment"};
inline constexpr Feldname MaxQProz{u"MaxQProz"}; // calculated
inline constexpr Feldname MaxMProz{u"MaxMProz"}; // calculated
inline constexpr Feldname Positionen{u"Positionen"};
} // namespace Tragfallfeld

namespace Positionsfeld {
inline constexpr Feldname X{u"X"};
inline constexpr Feldname Q{u"Q"};
inline constexpr Feldname M{u"M"};
} // namespace Positionsfeld

// The envelope, one row per section; the percentages are calculated.
namespace Maximafeld {
inline constexpr Feldname X{u"X"};
inline constexpr Feldname Q_min{u"Q_min"};
inline constexpr Feldname Q_max{u"Q_max"};
inline constexpr Feldname M_min{u"M_min"};
inline constexpr Feldname M_max{u"M_max"};
inline constexpr Feldname Q_minProz{u"Q_minProz"};
inline constexpr Feldname Q_maxProz{u"Q_maxProz"};
inline constexpr Feldname M_minProz{u"M_minProz"};
inline constexpr Feldname M_maxProz{u"M_maxProz"};
} // namespace Maximafeld
