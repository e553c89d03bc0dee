#pragma once

#include "canvas/canvas.h"
#include "plant/leaf_pair.h"
#include "plant/leaf_point.h"
#include "plant/profile_samples.h"

namespace plant {

// The nine veins, each drawn at +h and -h on both leaves at every abscissa; outside its interval a
// vein's dots land far off the canvas.
template <Canvas C>
void DrawVeins(C& canvas, const FoliagePass& pass, const ProfileSamples& samples) {
  const double s = pass.LeafScale;
  const double midrib = 7000 / pass.PassFactor;
  for (const ProfileSamples::Vein& sample : samples.vein) {
    const double rightBase = s * sample.E + 4000;
    const double leftBase = s * sample.E;
    for (std::size_t k = 0; k < sample.h.size(); ++k) {
      PlotLeafPair(canvas, rightBase, leftBase, midrib, sample.h[k], sample.hD[k], s);
    }
  }
}

}  // namespace plant
