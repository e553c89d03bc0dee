#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <type_traits>

namespace plant {

// A counted loop as every loop of the drawing runs: start, end and step are evaluated once on entry
// (the caller passes values, so later changes to their sources cannot reach the loop), the counter
// advances by repeated addition in its own type, never as start + k * step, and the first value that
// fails the test is returned, because later stages read a counter after its loop.
//
// The counter type is the widest of the bounds' types, so callers name it: CountingLoop<double>(...).
template <typename Counter, typename Body>
Counter CountingLoop(Counter start, Counter end, Counter step, Body&& body) {
  static_assert(std::is_same_v<Counter, double> || std::is_same_v<Counter, std::int16_t>,
                "loop counters are doubles or 16-bit integers");
  Counter counter = start;
  while (step >= 0 ? counter <= end : counter >= end) {
    body(counter);
    if constexpr (std::is_same_v<Counter, std::int16_t>) {
      const int next = counter + step;
      if (next < std::numeric_limits<std::int16_t>::min() || next > std::numeric_limits<std::int16_t>::max()) {
        throw std::overflow_error("a 16-bit loop counter left the 16-bit range");
      }
      counter = static_cast<std::int16_t>(next);
    } else {
      counter = counter + step;
    }
  }
  return counter;
}

}  // namespace plant
