#pragma once

#include <cmath>
#include <concepts>
#include <cstdint>

namespace plant {

// Rounds to the nearest 16-bit integer, halves to even (2.5 -> 2, 3.5 -> 4). A result outside
// -32768..32767, or a value that is not a number, is an overflow error (std::overflow_error).
std::int16_t RoundToInteger(double value);

// The same rounding into a 32-bit integer, as record numbers are converted before a file access.
std::int32_t RoundToInteger32(double value);

// Drops the fraction toward zero and keeps the operand's type: a double stays a double.
// The integer round trip is std::trunc without a library call (the crown truncates a seed for
// every ray point); beyond 2^52 every value is whole already.
template <std::floating_point T>
T TruncateToInteger(T value) {
  return std::trunc(value);
}

inline std::int16_t TruncateToInteger(std::int16_t value) { return value; }

}  // namespace plant
