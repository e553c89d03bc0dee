#include "numeric/clock.h"

#include <ctime>

namespace plant {
namespace {

constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;

std::int64_t LocalMidnightNanoseconds(std::time_t day, int dayOffset) {
  std::tm local{};
  localtime_r(&day, &local);
  local.tm_hour = 0;
  local.tm_min = 0;
  local.tm_sec = 0;
  local.tm_mday += dayOffset;
  local.tm_isdst = -1;  // let mktime decide: midnight may fall on either side of a DST change
  return static_cast<std::int64_t>(std::mktime(&local)) * kNanosecondsPerSecond;
}

}  // namespace

// The coarse clock ticks every few milliseconds and costs a few nanoseconds to read; the seeds it
// feeds change every 5 to 10 ms at the finest.
std::int64_t Clock::NowNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME_COARSE, &now);
  return static_cast<std::int64_t>(now.tv_sec) * kNanosecondsPerSecond + now.tv_nsec;
}

Clock Clock::Live() { return Clock(); }

Clock Clock::Frozen(float secondsSinceMidnight) {
  Clock clock;
  clock.frozen_ = secondsSinceMidnight;
  return clock;
}

void Clock::FindMidnight(std::int64_t nowNanoseconds) {
  const std::time_t now = static_cast<std::time_t>(nowNanoseconds / kNanosecondsPerSecond);
  midnightNanoseconds_ = LocalMidnightNanoseconds(now, 0);
  nextMidnightNanoseconds_ = LocalMidnightNanoseconds(now, 1);
}

}  // namespace plant
