#pragma once

#include <array>

#include "numeric/profile.h"

namespace plant {

// The nine veins, in drawing order: each a single cubic arc over its own interval, with a shifted
// left step. Veins 3 and 8 branch off veins 2 and 7.
extern const std::array<ProfileTable, 9> kVeinProfiles;

}  // namespace plant
