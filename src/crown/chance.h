#pragma once

#include <concepts>

#include "numeric/clock.h"
#include "numeric/reseeded_draw.h"

namespace plant {

// Where the crown's randomness comes from: the clock, read afresh for every seed, and a draw after
// re-seeding. Tests put fixed draws in its place.
template <class T>
concept ChanceSource = requires(T chance, double seed) {
  { chance.ClockSeconds() } -> std::same_as<float>;
  { chance.ReseededDraw(seed) } -> std::same_as<float>;
};

class ClockedDraws {
 public:
  ClockedDraws(Clock& clock, Generator& generator) : clock_(clock), generator_(generator) {}
  float ClockSeconds() { return clock_.SecondsSinceMidnight(); }
  float ReseededDraw(double seed) { return generator_.ReseededDraw(seed); }

 private:
  Clock& clock_;
  Generator& generator_;
};

}  // namespace plant
