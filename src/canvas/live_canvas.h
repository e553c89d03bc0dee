#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "canvas/raster_canvas.h"

namespace plant {

// Hands a growing picture from the drawing thread to a viewer without either waiting long: the
// viewer asks for a frame, the drawing thread copies its pixels into the frame at its next check,
// and the viewer takes the copy under a short lock. Pixels are never read while they are written.
class FrameExchange {
 public:
  void Request() { requested_.store(true, std::memory_order_relaxed); }
  bool requested() const { return requested_.load(std::memory_order_relaxed); }

  void Publish(const RasterCanvas& canvas) {
    requested_.store(false, std::memory_order_relaxed);
    const std::size_t size = static_cast<std::size_t>(canvas.width()) * canvas.height();
    std::lock_guard lock(mutex_);
    frame_.assign(canvas.pixels(), canvas.pixels() + size);
    fresh_ = true;
  }

  // Calls use(frame) with the newest frame, if one came since the last call; says whether it did.
  template <class Use>
  bool TakeFresh(Use&& use) {
    std::lock_guard lock(mutex_);
    if (!fresh_) return false;
    use(static_cast<const std::vector<std::uint32_t>&>(frame_));
    fresh_ = false;
    return true;
  }

 private:
  std::atomic<bool> requested_{false};
  std::mutex mutex_;
  std::vector<std::uint32_t> frame_;
  bool fresh_ = false;
};

// A raster canvas that answers frame requests every few thousand dots.
class LiveCanvas {
 public:
  static constexpr std::uint32_t kDotsBetweenChecks = 8192;

  LiveCanvas(RasterCanvas& canvas, FrameExchange& exchange) : canvas_(canvas), exchange_(exchange) {}

  RasterCanvas& raster() { return canvas_; }

  void SetPenWidth(std::int16_t width) { canvas_.SetPenWidth(width); }
  void SetPenColour(Rgb colour) { canvas_.SetPenColour(colour); }
  void PlotPoint(float x, float y) {
    canvas_.PlotPoint(x, y);
    if (--countdown_ == 0) {
      countdown_ = kDotsBetweenChecks;
      if (exchange_.requested()) exchange_.Publish(canvas_);
    }
  }

 private:
  RasterCanvas& canvas_;
  FrameExchange& exchange_;
  std::uint32_t countdown_ = kDotsBetweenChecks;
};

}  // namespace plant
