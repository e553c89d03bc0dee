#pragma once

#include <stop_token>

#include "canvas/live_canvas.h"
#include "canvas/raster_canvas.h"
#include "plant/leaf_point.h"
#include "plant/profile_samples.h"

namespace plant {

// The outline stage on pixels, split over two threads. Every outline dot of a pass has the same
// colour and width, so the picture does not depend on the order in which they land: the second
// thread draws the upper half of the scales on a canvas of its own, and its dots are laid over the
// shared canvas when both are done. The result is the single-thread picture, pixel for pixel.
void DrawOutlines(RasterCanvas& canvas, const FoliagePass& pass, double outlineBound, const ProfileSamples& samples,
                  const std::stop_token& stop);

inline void DrawOutlines(LiveCanvas& canvas, const FoliagePass& pass, double outlineBound,
                         const ProfileSamples& samples, const std::stop_token& stop) {
  DrawOutlines(canvas.raster(), pass, outlineBound, samples, stop);
}

}  // namespace plant
