#include "canvas/trace_canvas.h"

#include <bit>

namespace plant {

static_assert(std::endian::native == std::endian::little, "trace records are little-endian; add byte swapping here");

TraceCanvas::TraceCanvas(Consumer consumer) : consumer_(std::move(consumer)) {}

TraceCanvas::~TraceCanvas() = default;

void TraceCanvas::Flush() {
  if (used_ == 0) return;
  consumer_(std::span<const std::byte>(buffer_.data(), used_));
  used_ = 0;
}

}  // namespace plant
