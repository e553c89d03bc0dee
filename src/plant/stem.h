#pragma once

#include <cstdint>

#include "canvas/canvas.h"
#include "numeric/counting_loop.h"
#include "numeric/integer_conversion.h"

namespace plant {

// The base stem: 121 dots of width 8 from y = 8000 up to 6800 on x = 3800.
template <Canvas C>
void DrawBaseStem(C& canvas) {
  canvas.SetPenColour(PaletteColour(10));
  CountingLoop<std::int16_t>(0, 1200, 10, [&](std::int16_t StemCounter) {
    canvas.SetPenWidth(8);
    PlotPoint(canvas, 3800, static_cast<std::int16_t>(-StemCounter + 8000));
  });
}

// A pass's stem extension, from y = 6800 up to 8000 - (3320 * PassFactor) / divisor, thinner with
// every pass. Returns StemCounter's exit value, which fixes where the crown grows.
template <Canvas C>
double DrawStemExtension(C& canvas, double PassFactor, std::int16_t PassCounter) {
  const double divisor = PassCounter == 2 ? 1.25 : 1;
  canvas.SetPenColour(PaletteColour(10));
  return CountingLoop<double>(1200, (3320.0 * PassFactor) / divisor, 10, [&](double StemCounter) {
    canvas.SetPenWidth(RoundToInteger(8 - 2 * PassFactor));
    PlotPoint(canvas, 3800, -StemCounter + 8000);
  });
}

}  // namespace plant
