#pragma once

#include <array>

#include "numeric/profile.h"

namespace plant {

// The nine curves that trace one serrated leaf edge from the base (E = 35) to the tip (E = 158),
// with four teeth pointing towards the tip. Each coefficient is the double nearest its decimal literal.
extern const std::array<ProfileTable, 9> kOutlineCurves;

}  // namespace plant
