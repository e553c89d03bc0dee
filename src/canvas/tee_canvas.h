#pragma once

#include "canvas/canvas.h"

namespace plant {

// Draws every pen setting and dot on two canvases, for example pixels and a trace at once.
template <Canvas First, Canvas Second>
class TeeCanvas {
 public:
  TeeCanvas(First& first, Second& second) : first_(first), second_(second) {}

  void SetPenWidth(std::int16_t width) {
    first_.SetPenWidth(width);
    second_.SetPenWidth(width);
  }
  void SetPenColour(Rgb colour) {
    first_.SetPenColour(colour);
    second_.SetPenColour(colour);
  }
  void PlotPoint(float x, float y) {
    first_.PlotPoint(x, y);
    second_.PlotPoint(x, y);
  }

 private:
  First& first_;
  Second& second_;
};

}  // namespace plant
