#pragma once

#include "canvas/canvas.h"
#include "plant/leaf_point.h"

namespace plant {

// The four dots of one curve sample: +H and -H on the right leaf, then +H and -H on the left.
// The -H points reuse the +H products: negating a factor negates a product exactly, and a - (-b) is
// a + b to the last bit, so this gives LeafPoint's values without computing them twice.
//   rightBase = (s * E + 4000) + 61.5 * (S - s),  leftBase = s * E + 61.5 * (S - s)
//   HD = H * DiagonalFactor,  midrib = 7000 / PassFactor
template <Canvas C>
inline void PlotLeafPair(C& canvas, double rightBase, double leftBase, double midrib, double H, double HD, double s) {
  const double dx = HD * s;
  const double dy = (s * H) * DiagonalFactor;
  const float yPlus = static_cast<float>(midrib - dy);
  const float yMinus = static_cast<float>(midrib + dy);
  canvas.PlotPoint(static_cast<float>(rightBase - dx), yPlus);
  canvas.PlotPoint(static_cast<float>(rightBase + dx), yMinus);
  canvas.PlotPoint(static_cast<float>(3600 - (leftBase - dx)), yPlus);
  canvas.PlotPoint(static_cast<float>(3600 - (leftBase + dx)), yMinus);
}

}  // namespace plant
