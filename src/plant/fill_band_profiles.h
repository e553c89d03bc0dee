#pragma once

#include "numeric/profile.h"

namespace plant {

// The two borders of the leaf's fill band: about 9 leaf units off the midrib near the base, centred
// on it from E = 35, closing at E = 155.
extern const ProfileTable kUpperFillProfile;
extern const ProfileTable kLowerFillProfile;

}  // namespace plant
