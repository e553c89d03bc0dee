#include "canvas/trace_canvas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "canvas/canvas.h"

namespace plant {
namespace {

TEST(TraceCanvas, RecordsEachDotAsTwelveLittleEndianBytes) {
  std::vector<std::byte> bytes;
  TraceCanvas trace([&](std::span<const std::byte> chunk) { bytes.insert(bytes.end(), chunk.begin(), chunk.end()); });
  trace.SetPenColour(PaletteColour(14));
  trace.SetPenWidth(4);
  PlotPoint(trace, 4000.0000001, -0.5);  // converted to single at the moment of plotting
  trace.Flush();
  const unsigned char expected[12] = {0x00, 0x00, 0x7a, 0x45,  // 4000.0f
                                      0x00, 0x00, 0x00, 0xbf,  // -0.5f
                                      255,  255,  0,    4};
  ASSERT_EQ(bytes.size(), 12u);
  EXPECT_EQ(std::memcmp(bytes.data(), expected, 12), 0);
}

TEST(TraceCanvas, HandsOverEveryRecordAcrossBufferBoundaries) {
  std::size_t received = 0;
  std::vector<std::size_t> chunks;
  TraceCanvas trace([&](std::span<const std::byte> chunk) {
    received += chunk.size();
    chunks.push_back(chunk.size());
  });
  const int dots = 100001;
  for (int i = 0; i < dots; ++i) trace.PlotPoint(static_cast<float>(i), 0);
  trace.Flush();
  EXPECT_EQ(trace.records(), static_cast<std::uint64_t>(dots));
  EXPECT_EQ(received, dots * TraceCanvas::kRecordSize);
  EXPECT_GT(chunks.size(), 1u);
  for (std::size_t size : chunks) EXPECT_EQ(size % TraceCanvas::kRecordSize, 0u);
}

}  // namespace
}  // namespace plant
