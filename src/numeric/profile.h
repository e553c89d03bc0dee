#pragma once

#include <cmath>
#include <span>

#include "numeric/step_window.h"

namespace plant {

// One piece of a curve: the cubic c0 + c1 E + c2 E^2 + c3 E^3 on the interval [from, to].
struct CubicPiece {
  double from, to;
  double c0, c1, c2, c3;
};

enum class LeftStep { kPlain, kShifted };

// A piecewise-cubic half-width curve: FarValue before its left breakpoint and past its right one,
// the pieces' cubics in between.
struct ProfileTable {
  double leftBreakpoint;
  LeftStep leftStep;
  std::span<const CubicPiece> pieces;
  double rightBreakpoint;
};

// The squares and cubes come from the library's pow, not from repeated multiplication.
inline double CubicRow(const CubicPiece& piece, double E) {
  return ((piece.c0 + piece.c1 * E) + piece.c2 * std::pow(E, 2.0)) + piece.c3 * std::pow(E, 3.0);
}

// The half-width at E: a sum taken strictly left to right, every window and both steps computed at
// every E. `epsilon` is Epsilon() as computed at run time; every copy of it is the same double.
inline double Profile(double E, const ProfileTable& table, double epsilon) {
  const double left = table.leftStep == LeftStep::kShifted ? ShiftedStepFrom(E, table.leftBreakpoint, epsilon)
                                                           : StepFrom(E, table.leftBreakpoint, epsilon);
  double halfWidth = FarValue * (1 - left);
  for (const CubicPiece& piece : table.pieces) {
    halfWidth = halfWidth + IntervalWindow(E, piece.from, piece.to, epsilon) * CubicRow(piece, E);
  }
  return halfWidth + FarValue * StepPast(E, table.rightBreakpoint, epsilon);
}

}  // namespace plant
