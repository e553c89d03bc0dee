#pragma once

#include <cstdint>
#include <vector>

#include "canvas/palette.h"

namespace plant {

// The picture as pixels: 15 twips to a logical pixel (96 dpi), `scale` device pixels to a logical
// pixel. A dot of pen width w covers a round stamp w * scale device pixels across; width 1 at scale 1
// is exactly one pixel. What falls outside is clipped; a point far outside costs four comparisons.
class RasterCanvas {
 public:
  static constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

  RasterCanvas(int logicalWidth, int logicalHeight, int scale = 1);

  void SetPenWidth(std::int16_t width);
  void SetPenColour(Rgb colour) { colour_ = 0xFF000000u | (colour.red << 16) | (colour.green << 8) | colour.blue; }

  void PlotPoint(float x, float y) {
    // Written so that a NaN coordinate is rejected too.
    if (!(x > visibleLeft_ && x < visibleRight_ && y > visibleTop_ && y < visibleBottom_)) return;
    Stamp(x, y);
  }

  // Paints every pixel that is not white on `other`, a canvas of the same size, over this one.
  void LayOver(const RasterCanvas& other);

  int width() const { return width_; }    // device pixels
  int height() const { return height_; }  // device pixels
  int scale() const { return scale_; }
  // Rows of 0xAARRGGBB pixels, top row first, width() pixels each.
  const std::uint32_t* pixels() const { return pixels_.data(); }
  std::uint32_t pixel(int column, int row) const { return pixels_[static_cast<std::size_t>(row) * width_ + column]; }

 private:
  struct StampRow {
    int first;  // first covered column, relative to the stamp's left edge
    int end;    // one past the last
  };

  void Stamp(float x, float y);

  int width_;
  int height_;
  int scale_;
  double twipsPerPixel_;  // 15 / scale
  double pixelsPerTwip_;  // scale / 15: multiplying by it maps a multiple of 15 twips to a whole pixel
  std::vector<std::uint32_t> pixels_;
  std::uint32_t colour_ = 0xFF000000u;
  std::int16_t penWidth_ = 0;
  int stampSize_ = 0;  // device pixels across
  double stampShift_ = 0;  // from a dot's centre to its stamp's top-left corner, plus the floor shift
  std::vector<StampRow> stampRows_;
  std::vector<std::ptrdiff_t> stampOffsets_;  // every pixel of the stamp, from its top-left corner
  // A point must lie strictly inside these bounds (twips) for any part of its dot to show.
  float visibleLeft_ = 0, visibleRight_ = 0, visibleTop_ = 0, visibleBottom_ = 0;
};

}  // namespace plant
