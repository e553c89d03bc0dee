#pragma once

#include <vector>

namespace plant::testing {

// A stopped clock and a generator that always draws the same value, keeping the seeds it was given.
struct FixedChance {
  float draw = 0.5f;
  float clock = 43200.25f;
  std::vector<double> seeds;

  float ClockSeconds() { return clock; }
  float ReseededDraw(double seed) {
    seeds.push_back(seed);
    return draw;
  }
};

}  // namespace plant::testing
