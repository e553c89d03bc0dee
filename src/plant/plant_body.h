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

// The stem and three foliage passes, each a mirrored pair of leaves and a stem extension; the
// leaves get smaller and higher from pass to pass. `leaves` draws a pass's three leaf stages
// (outlines, fill band, veins) and may throw DrawingStopped.
template <Canvas C, class LeafStages>
PlantBodyResult DrawPlantBodyWith(C& canvas, LeafStages&& leaves) {
  DrawBaseStem(canvas);
  double StemCounter = 0;
  std::int16_t PassCounter = 0;
  const double epsilon = Epsilon();
  const double passExit = CountingLoop<double>(1, 2, 0.45, [&](double PassFactor) {
    canvas.SetPenWidth(1);
    leaves(FoliagePass{PassFactor, 40 / PassFactor, epsilon});
    StemCounter = DrawStemExtension(canvas, PassFactor, PassCounter);
    PassCounter = static_cast<std::int16_t>(PassCounter + 1);
  });
  return {StemCounter, passExit};
}

// The plant body as the program draws it: profiles read from their samples.
template <Canvas C>
PlantBodyResult DrawPlantBody(C& canvas, const std::stop_token& stop = {}) {
  const ProfileSamples& samples = SharedProfileSamples();
  return DrawPlantBodyWith(canvas, [&](const FoliagePass& pass) {
    DrawOutlines(canvas, pass, pass.LeafScale + 0.2, samples, stop);
    DrawFillBand(canvas, pass, samples);
    canvas.SetPenWidth(1);
    canvas.SetPenColour(PaletteColour(10));
    DrawVeins(canvas, pass, samples);
    ThrowIfStopped(stop);
  });
}

}  // namespace plant
