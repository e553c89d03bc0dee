#include "numeric/clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

namespace plant {
namespace {

TEST(Clock, FrozenClockAlwaysSaysItsValue) {
  Clock clock = Clock::Frozen(43200.25f);
  EXPECT_EQ(clock.SecondsSinceMidnight(), 43200.25f);
  EXPECT_EQ(clock.SecondsSinceMidnight(), 43200.25f);
}

TEST(Clock, LiveClockCountsSecondsSinceLocalMidnight) {
  Clock clock = Clock::Live();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const double expected = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
  const float seconds = clock.SecondsSinceMidnight();
  EXPECT_GE(seconds, 0.0f);
  EXPECT_LT(seconds, 86400.0f);
  // Allow for the second turning over, and for midnight passing, between the two readings.
  const double difference = std::fabs(seconds - expected);
  EXPECT_TRUE(difference < 2 || difference > 86398) << seconds << " vs " << expected;
}

}  // namespace
}  // namespace plant
