#include "numeric/clock.h"

namespace plant {
namespace {

std::time_t LocalMidnight(std::time_t day, int dayOffset) {
  std::tm local{};
  localtime_r(&day, &local);
  local.tm_hour = 0;
  local.tm_min = 0;
  local.tm_sec = 0;
  local.tm_mday += dayOffset;
  local.tm_isdst = -1;  // let mktime decide: midnight may fall on either side of a DST change
  return std::mktime(&local);
}

}  // namespace

Clock Clock::Live() { return Clock(); }

Clock Clock::Frozen(float secondsSinceMidnight) {
  Clock clock;
  clock.frozen_ = secondsSinceMidnight;
  return clock;
}

float Clock::Convert(const timespec& now) {
  if (now.tv_sec < midnight_ || now.tv_sec >= nextMidnight_) {
    midnight_ = LocalMidnight(now.tv_sec, 0);
    nextMidnight_ = LocalMidnight(now.tv_sec, 1);
  }
  last_ = now;
  lastSeconds_ = static_cast<float>(static_cast<double>(now.tv_sec - midnight_) + now.tv_nsec * 1e-9);
  return lastSeconds_;
}

}  // namespace plant
