#pragma once

#include <cstdint>
#include <stop_token>

#include "canvas/canvas.h"
#include "numeric/counting_loop.h"
#include "numeric/step_window.h"
#include "numeric/stopping.h"
#include "plant/fill_band.h"
#include "plant/leaf_point.h"
#include "plant/outline_stage.h"
#include "plant/parallel_outlines.h"
#include "plant/plant_body_result.h"
#include "plant/profile_samples.h"
#include "plant/stem.h"
#include "plant/veins.h"

namespace plant {

// The stem and three foliage passes, each a mirrored pair of leaves (outlines, fill band, veins) and
// a stem extension; the leaves get smaller and higher from pass to pass.
template <Canvas C>
PlantBodyResult DrawPlantBody(C& canvas, const std::stop_token& stop = {}) {
  const ProfileSamples& samples = SharedProfileSamples();
  DrawBaseStem(canvas);
  double StemCounter = 0;
  std::int16_t PassCounter = 0;
  const double epsilon = Epsilon();
  const double passExit = CountingLoop<double>(1, 2, 0.45, [&](double PassFactor) {
    canvas.SetPenWidth(1);
    const FoliagePass pass{PassFactor, 40 / PassFactor, epsilon};
    DrawOutlines(canvas, pass, pass.LeafScale + 0.2, samples, stop);
    DrawFillBand(canvas, pass, samples);
    canvas.SetPenWidth(1);
    canvas.SetPenColour(PaletteColour(10));
    DrawVeins(canvas, pass, samples);
    StemCounter = DrawStemExtension(canvas, PassFactor, PassCounter);
    PassCounter = static_cast<std::int16_t>(PassCounter + 1);
    ThrowIfStopped(stop);
  });
  return {StemCounter, passExit};
}

}  // namespace plant
