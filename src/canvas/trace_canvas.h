#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <span>

#include "canvas/palette.h"

namespace plant {

// Records every dot as 12 bytes: x and y as little-endian binary32 (the singles the dot is plotted
// at), then the pen's red, green, blue and width. The bytes go to a consumer a buffer at a time, so a
// trace can be written to a file or hashed while it is drawn without being held in memory.
class TraceCanvas {
 public:
  static constexpr std::size_t kRecordSize = 12;
  using Consumer = std::function<void(std::span<const std::byte>)>;

  explicit TraceCanvas(Consumer consumer);
  ~TraceCanvas();
  TraceCanvas(const TraceCanvas&) = delete;
  TraceCanvas& operator=(const TraceCanvas&) = delete;

  void SetPenWidth(std::int16_t width) { penWidth_ = static_cast<std::uint8_t>(width); }
  void SetPenColour(Rgb colour) { colour_ = colour; }

  void PlotPoint(float x, float y) {
    if (used_ + kRecordSize > buffer_.size()) Flush();
    std::byte* record = buffer_.data() + used_;
    std::memcpy(record, &x, 4);
    std::memcpy(record + 4, &y, 4);
    record[8] = std::byte{colour_.red};
    record[9] = std::byte{colour_.green};
    record[10] = std::byte{colour_.blue};
    record[11] = std::byte{penWidth_};
    used_ += kRecordSize;
    ++records_;
  }

  // Hands the buffered records to the consumer.
  void Flush();

  std::uint64_t records() const { return records_; }

 private:
  Consumer consumer_;
  std::array<std::byte, kRecordSize * 8192> buffer_;
  std::size_t used_ = 0;
  std::uint64_t records_ = 0;
  Rgb colour_{};
  std::uint8_t penWidth_ = 1;
};

}  // namespace plant
