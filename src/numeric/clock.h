#pragma once

#include <ctime>
#include <optional>

namespace plant {

// Seconds since local midnight, fraction included, as a single. A live clock reads the coarse
// real-time clock, which ticks every few milliseconds and costs a few nanoseconds to read (the
// seeds it feeds change every 5 to 10 ms at the finest); the time zone is looked up only when the
// day changes, and a reading equal to the previous one is not converted again. A frozen clock
// always returns its value, for tests and reproducible pictures.
class Clock {
 public:
  static Clock Live();
  static Clock Frozen(float secondsSinceMidnight);

  float SecondsSinceMidnight() {
    if (frozen_) return *frozen_;
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    if (now.tv_sec == last_.tv_sec && now.tv_nsec == last_.tv_nsec) return lastSeconds_;
    return Convert(now);
  }

  bool frozen() const { return frozen_.has_value(); }

 private:
  Clock() = default;
  float Convert(const timespec& now);

  std::optional<float> frozen_;
  std::time_t midnight_ = 0;      // today's local midnight
  std::time_t nextMidnight_ = 0;  // tomorrow's
  timespec last_{};
  float lastSeconds_ = 0;
};

}  // namespace plant
