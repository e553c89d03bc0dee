#pragma once

namespace plant {

// The literal 0.7071067, not the full-precision 1/sqrt(2).
inline constexpr double DiagonalFactor = 0.7071067;

// What one foliage pass places its leaves by.
struct FoliagePass {
  double PassFactor;  // 1, 1.45, 1.9
  double LeafScale;   // 40 / PassFactor
  double epsilon;     // the pass's copy of Epsilon
};

struct LeafPoints {
  double rightX, leftX, y;
};

// Places a curve point (abscissa E, signed half-width h, leaf units) at scale s on the right leaf
// and its mirror about x = 3800 on the left leaf. x groups (h * D) * s and y groups (s * h) * D.
inline LeafPoints LeafPoint(const FoliagePass& pass, double E, double h, double s) {
  const double w = pass.PassFactor;
  const double S = pass.LeafScale;
  const double D = DiagonalFactor;
  return {
      ((s * E + 4000) + 61.5 * (S - s)) - (h * D) * s,
      3600 - ((s * E + 61.5 * (S - s)) - (h * D) * s),
      7000 / w - (s * h) * D,
  };
}

}  // namespace plant
