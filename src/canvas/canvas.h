#pragma once

#include <concepts>
#include <cstdint>

#include "canvas/palette.h"

namespace plant {

// What every stage draws on: a pen of a width (pixels) and a colour, and round dots at points in
// twips from the client area's top-left corner, y downwards. The drawing stages are templates over
// this, so the 21 million dots of a press go through inline, non-virtual calls.
template <class C>
concept Canvas = requires(C canvas, float x, float y, std::int16_t width, Rgb colour) {
  canvas.SetPenWidth(width);
  canvas.SetPenColour(colour);
  canvas.PlotPoint(x, y);
};

// Plots a dot at (x, y): the coordinates become singles at the moment of plotting.
template <Canvas C>
inline void PlotPoint(C& canvas, double x, double y) {
  canvas.PlotPoint(static_cast<float>(x), static_cast<float>(y));
}

}  // namespace plant
