#pragma once

#include <cmath>

namespace plant {

// The curves switch their pieces on and off with these arithmetic indicators instead of comparisons:
// |x| + x is 2x for positive x and 0 otherwise, and Epsilon keeps every denominator above 0. Each is
// evaluated one double operation at a time in exactly this grouping; the samples nearest a breakpoint
// depend on it.

// 1 / 10^15 through the library's pow, computed at run time as the drawing computes it.
inline double Epsilon() { return 1.0 / std::pow(10.0, 15.0); }

// The half-width a curve takes outside its range, which throws its points far from the leaf.
inline constexpr int FarValue = 20000;

// Close to 0 for E <= a and close to 1 for E > a.
inline double StepFrom(double E, double a, double epsilon) {
  return ((std::fabs(E - a) + E) - a) / (2 * std::fabs(E - a) + epsilon);
}

// The same step with its switching point moved up by Epsilon.
inline double ShiftedStepFrom(double E, double a, double epsilon) {
  const double t = (E - a) - epsilon;
  return (((std::fabs(t) + E) - a) - epsilon) / (2 * std::fabs(t) + epsilon);
}

// Close to 0 for E <= b and close to 1 for E > b: the plain step, used at a curve's right end.
inline double StepPast(double E, double b, double epsilon) {
  return ((std::fabs(E - b) + E) - b) / (2 * std::fabs(E - b) + epsilon);
}

// Close to 1 for a < E < b and 0 elsewhere.
inline double IntervalWindow(double E, double a, double b, double epsilon) {
  return (((std::fabs(E - a) + E) - a) * ((std::fabs(b - E) + b) - E)) /
         ((4 * std::fabs(E - a)) * std::fabs(b - E) + epsilon);
}

}  // namespace plant
