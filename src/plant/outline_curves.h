#pragma once

#include <array>

#include "numeric/profile.h"

namespace plant {

// The nine curves that trace one serrated leaf edge from the base (E = 35) to the tip (E = 158),
// with four teeth pointing towards the tip. Coefficients are the literals as designed, digit for digit.
extern const std::array<ProfileTable, 9> kOutlineCurves;

}  // namespace plant
