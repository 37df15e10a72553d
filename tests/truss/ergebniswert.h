#pragma once
// A truss result as a number for EXPECT_NEAR: NaN while not computed, so a missing result fails.
#include "truss/u_traversenentwurf.h"
#include <cmath>

inline double wert(const Ergebnis& ergebnis) { return ergebnis.value_or(std::nan("")); }
