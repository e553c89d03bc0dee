#pragma once

#include <cstdint>
#include <optional>

namespace plant {

// Seconds since local midnight, fraction included, as a single. A live clock looks up the time zone
// only when it finds the day changed, so a reading costs one clock_gettime; a frozen clock always
// returns its value, for tests and reproducible pictures.
class Clock {
 public:
  static Clock Live();
  static Clock Frozen(float secondsSinceMidnight);

  float SecondsSinceMidnight() {
    if (frozen_) return *frozen_;
    const std::int64_t now = NowNanoseconds();
    if (now < midnightNanoseconds_ || now >= nextMidnightNanoseconds_) FindMidnight(now);
    return static_cast<float>(static_cast<double>(now - midnightNanoseconds_) / 1e9);
  }

  bool frozen() const { return frozen_.has_value(); }

 private:
  Clock() = default;
  static std::int64_t NowNanoseconds();
  void FindMidnight(std::int64_t nowNanoseconds);

  std::optional<float> frozen_;
  std::int64_t midnightNanoseconds_ = 0;
  std::int64_t nextMidnightNanoseconds_ = 0;
};

}  // namespace plant
