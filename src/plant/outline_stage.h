#pragma once

#include <stop_token>

#include "canvas/canvas.h"
#include "numeric/counting_loop.h"
#include "numeric/stopping.h"
#include "plant/leaf_pair.h"
#include "plant/leaf_point.h"
#include "plant/profile_samples.h"

namespace plant {

// One outline of both leaves at scale s: the nine curves at every abscissa, four dots each.
template <Canvas C>
void DrawOutlineAtScale(C& canvas, const FoliagePass& pass, double s, const ProfileSamples& samples) {
  const double midrib = 7000 / pass.PassFactor;
  const double scaleShift = 61.5 * (pass.LeafScale - s);
  for (const ProfileSamples::Outline& sample : samples.outline) {
    canvas.SetPenColour(PaletteColour(2));
    const double sE = s * sample.E;
    const double rightBase = (sE + 4000) + scaleShift;
    const double leftBase = sE + scaleShift;
    for (std::size_t k = 0; k < sample.H.size(); ++k) {
      PlotLeafPair(canvas, rightBase, leftBase, midrib, sample.H[k], sample.HD[k], s);
    }
  }
}

// The nested serrated outlines of a pass's two leaves, at scales from 0.4 to the outline bound by
// 0.15: similar copies of one edge about one centre, which fill each leaf.
template <Canvas C>
void DrawOutlines(C& canvas, const FoliagePass& pass, double outlineBound, const ProfileSamples& samples,
                  const std::stop_token& stop) {
  CountingLoop<double>(0.4, outlineBound, 0.15, [&](double OutlineScale) {
    ThrowIfStopped(stop);
    DrawOutlineAtScale(canvas, pass, OutlineScale, samples);
  });
}

}  // namespace plant
