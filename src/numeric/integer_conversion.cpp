#include "numeric/integer_conversion.h"

#include <stdexcept>
#include <string>

namespace plant {
namespace {

// std::nearbyint rounds in the current rounding mode, which the program never changes from
// round-to-nearest-even.
template <typename Integer>
Integer RoundChecked(double value, double low, double high, const char* what) {
  const double rounded = std::nearbyint(value);
  if (!(rounded >= low && rounded <= high)) {
    throw std::overflow_error(std::string("overflow: ") + std::to_string(value) + " does not fit a " + what);
  }
  return static_cast<Integer>(rounded);
}

}  // namespace

std::int16_t RoundToInteger(double value) {
  return RoundChecked<std::int16_t>(value, -32768.0, 32767.0, "16-bit integer");
}

std::int32_t RoundToInteger32(double value) {
  return RoundChecked<std::int32_t>(value, -2147483648.0, 2147483647.0, "32-bit integer");
}

}  // namespace plant
