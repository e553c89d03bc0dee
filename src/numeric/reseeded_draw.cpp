#include "numeric/reseeded_draw.h"

#include <bit>

namespace plant {

float Generator::ReseededDraw(double seed) {
  state_ ^= std::bit_cast<std::uint64_t>(seed);
  state_ += 0x9E3779B97F4A7C15ULL;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  // The top 24 bits fill a single's mantissa exactly, so the draw is below 1.
  return static_cast<float>(z >> 40) * 0x1p-24f;
}

}  // namespace plant
