#include "numeric/integer_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <type_traits>

namespace plant {
namespace {

TEST(RoundToInteger, RoundsHalvesToEven) {
  const struct {
    double value;
    int expected;
  } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {4.5, 4}, {5.1, 5}, {4.2, 4}, {6, 6}, {-0.4, 0}, {32767.4, 32767}, {-32768.5, -32768}};
  for (const auto& c : cases) EXPECT_EQ(RoundToInteger(c.value), c.expected) << c.value;
}

TEST(RoundToInteger, OutsideTheSixteenBitRangeIsAnOverflow) {
  for (double value : {32767.5, -32769.0, 1e9, std::numeric_limits<double>::infinity(), std::nan("")}) {
    EXPECT_THROW(RoundToInteger(value), std::overflow_error) << value;
  }
  EXPECT_EQ(RoundToInteger32(40000.0), 40000);
  EXPECT_THROW(RoundToInteger32(3e9), std::overflow_error);
}

TEST(TruncateToInteger, DropsTheFractionTowardZeroAndKeepsTheType) {
  static_assert(std::is_same_v<decltype(TruncateToInteger(2.99)), double>);
  static_assert(std::is_same_v<decltype(TruncateToInteger(2.99f)), float>);
  EXPECT_EQ(TruncateToInteger(2.99), 2.0);
  EXPECT_EQ(TruncateToInteger(-2.99), -2.0);
  EXPECT_EQ(TruncateToInteger(0.5), 0.0);
  // The level parity: exactly 0.5 at odd levels, 0 at even ones.
  EXPECT_EQ(7 / 2.0 - TruncateToInteger(7 / 2.0), 0.5);
  EXPECT_EQ(6 / 2.0 - TruncateToInteger(6 / 2.0), 0.0);
}

}  // namespace
}  // namespace plant
