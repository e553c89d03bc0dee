#pragma once

#include <cstdint>
#include <vector>

#include "canvas/palette.h"

namespace plant::testing {

struct Dot {
  float x, y;
  Rgb colour;
  std::int16_t width;
};

// Keeps every dot with the pen it was drawn with.
class RecordingCanvas {
 public:
  void SetPenWidth(std::int16_t width) { width_ = width; }
  void SetPenColour(Rgb colour) { colour_ = colour; }
  void PlotPoint(float x, float y) { dots.push_back({x, y, colour_, width_}); }

  std::vector<Dot> dots;

 private:
  Rgb colour_{};
  std::int16_t width_ = 1;
};

// Counts dots without keeping them.
class CountingCanvas {
 public:
  void SetPenWidth(std::int16_t) {}
  void SetPenColour(Rgb) {}
  void PlotPoint(float, float) { ++dots; }

  std::uint64_t dots = 0;
};

}  // namespace plant::testing
