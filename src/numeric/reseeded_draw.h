#pragma once

#include <cstdint>

namespace plant {

// The program's one uniform generator. Every draw re-seeds it first; the seed is mixed into the
// state rather than replacing it, so equal seeds within one clock tick still give different draws.
// Its state outlives presses and is never reset.
class Generator {
 public:
  static constexpr std::uint64_t kInitialState = 0x2545F4914F6CDD1DULL;

  // Re-seeds with the seed, then returns the next draw, a single in [0, 1).
  float ReseededDraw(double seed);

  std::uint64_t state() const { return state_; }

 private:
  std::uint64_t state_ = kInitialState;
};

}  // namespace plant
