#include "canvas/raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace plant {

namespace {

constexpr double kTwipsPerLogicalPixel = 15.0;

// Pixel positions are floored by truncating a shifted value: every point that reaches the stamp
// lies within a stamp of the canvas, and sides and stamps are bounded below, so the shifted value
// is positive and truncation is floor. (The baseline x86-64 has no floor instruction.)
constexpr double kFloorShift = 65536.0;
constexpr int kMostPixelsASide = 32767;
constexpr int kMostStampPixels = 1024;

}  // namespace

RasterCanvas::RasterCanvas(int logicalWidth, int logicalHeight, int scale)
    : width_(0),
      height_(0),
      scale_(scale),
      twipsPerPixel_(kTwipsPerLogicalPixel / scale),
      pixelsPerTwip_(scale / kTwipsPerLogicalPixel) {
  if (logicalWidth < 1 || logicalHeight < 1 || scale < 1 || logicalWidth > kMostPixelsASide / scale ||
      logicalHeight > kMostPixelsASide / scale) {
    throw std::invalid_argument("a canvas side must be 1 to 32767 device pixels");
  }
  width_ = logicalWidth * scale;
  height_ = logicalHeight * scale;
  pixels_.assign(static_cast<std::size_t>(width_) * height_, kWhite);
  SetPenWidth(1);
}

void RasterCanvas::SetPenWidth(std::int16_t width) {
  if (width < 1 || width * scale_ > kMostStampPixels) throw std::invalid_argument("pen width out of range");
  if (width == penWidth_) return;
  penWidth_ = width;
  stampSize_ = width * scale_;
  // A round dot: the pixels whose centres lie within the dot's radius. Dots of one or two pixels
  // across are whole squares.
  const double radius = stampSize_ / 2.0;
  stampRows_.assign(stampSize_, StampRow{0, stampSize_});
  if (stampSize_ > 2) {
    for (int row = 0; row < stampSize_; ++row) {
      const double dy = row + 0.5 - radius;
      const double halfChord = std::sqrt(std::max(0.0, radius * radius - dy * dy));
      const int first = static_cast<int>(std::ceil(radius - halfChord - 0.5));
      stampRows_[row] = StampRow{first, stampSize_ - first};
    }
  }
  stampShift_ = kFloorShift + 0.5 - stampSize_ / 2.0;
  stampOffsets_.clear();
  for (int row = 0; row < stampSize_; ++row) {
    for (int column = stampRows_[row].first; column < stampRows_[row].end; ++column) {
      stampOffsets_.push_back(static_cast<std::ptrdiff_t>(row) * width_ + column);
    }
  }
  // Conservative bounds: one stamp plus one pixel beyond the edges, in twips.
  const double margin = (stampSize_ + 1) * twipsPerPixel_;
  visibleLeft_ = static_cast<float>(-margin);
  visibleTop_ = static_cast<float>(-margin);
  visibleRight_ = static_cast<float>(width_ * twipsPerPixel_ + margin);
  visibleBottom_ = static_cast<float>(height_ * twipsPerPixel_ + margin);
}

void RasterCanvas::LayOver(const RasterCanvas& other) {
  if (other.width_ != width_ || other.height_ != height_) throw std::invalid_argument("canvases differ in size");
  for (std::size_t i = 0; i < pixels_.size(); ++i) {
    if (other.pixels_[i] != kWhite) pixels_[i] = other.pixels_[i];
  }
}

void RasterCanvas::Stamp(float x, float y) {
  // The stamp's top-left device pixel: the dot's centre, less half its size, to the nearest pixel.
  const int left = static_cast<int>(x * pixelsPerTwip_ + stampShift_) - static_cast<int>(kFloorShift);
  const int top = static_cast<int>(y * pixelsPerTwip_ + stampShift_) - static_cast<int>(kFloorShift);
  const std::uint32_t colour = colour_;  // a local: stores through the pixel pointer cannot change it
  if (left >= 0 && top >= 0 && left + stampSize_ <= width_ && top + stampSize_ <= height_) {
    // Wholly inside, as almost every visible dot is: no clipping.
    std::uint32_t* origin = pixels_.data() + static_cast<std::ptrdiff_t>(top) * width_ + left;
    switch (stampSize_) {  // a dot of one pixel, and the blossoms' disc of 4, written out
      case 1:
        origin[0] = colour;
        return;
      case 4: {
        std::uint32_t* row = origin;
        row[1] = row[2] = colour;
        row += width_;
        row[0] = row[1] = row[2] = row[3] = colour;
        row += width_;
        row[0] = row[1] = row[2] = row[3] = colour;
        row += width_;
        row[1] = row[2] = colour;
        return;
      }
      default:
        for (const std::ptrdiff_t offset : stampOffsets_) origin[offset] = colour;
        return;
    }
  }
  const int rowBegin = std::max(0, -top);
  const int rowEnd = std::min(stampSize_, height_ - top);
  for (int row = rowBegin; row < rowEnd; ++row) {
    const StampRow span = stampRows_[row];
    const int columnBegin = std::max(left + span.first, 0);
    const int columnEnd = std::min(left + span.end, width_);
    std::uint32_t* line = pixels_.data() + static_cast<std::ptrdiff_t>(top + row) * width_;
    for (int column = columnBegin; column < columnEnd; ++column) line[column] = colour;
  }
}

}  // namespace plant
