#pragma once

#include <bit>
#include <cstdint>

namespace plant {

// The program's one uniform generator. Every draw re-seeds it first; the seed is mixed into the
// state rather than replacing it, so equal seeds within one clock tick still give different draws.
// Its state outlives presses and is never reset.
class Generator {
 public:
  static constexpr std::uint64_t kInitialState = 0x2545F4914F6CDD1DULL;

  // Re-seeds with the seed, then returns the next draw, a single in [0, 1).
  float ReseededDraw(double seed) {
    state_ ^= std::bit_cast<std::uint64_t>(seed);
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    // The top 24 bits fill a single's mantissa exactly, so the draw is below 1.
    return static_cast<float>(z >> 40) * 0x1p-24f;
  }

  std::uint64_t state() const { return state_; }

 private:
  std::uint64_t state_ = kInitialState;
};

}  // namespace plant
