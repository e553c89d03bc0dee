#include <gtest/gtest.h>
#include <stdlib.h>

#include <atomic>
#include <thread>

#include "app/press.h"
#include "canvas/live_canvas.h"
#include "canvas/raster_canvas.h"
#include "support/temporary_directory.h"

namespace plant {
namespace {

// A viewer takes frames while a drawing thread draws a press into a live canvas, then stops it
// midway, as the window does. Run under ThreadSanitizer too.
TEST(FrameExchange, AViewerWatchesADrawingGrowAndStopsIt) {
  testing::TemporaryDirectory temporary;
  RasterCanvas canvas(320, 240);
  FrameExchange frames;
  Generator generator;
  std::stop_source stop;
  std::atomic<int> result{-1};
  PressContext context(generator);
  context.stop = stop.get_token();
  context.scratchDirectory = temporary.path();

  std::thread drawing([&] {
    LiveCanvas live(canvas, frames);
    result = static_cast<int>(DrawPlant(live, 1e9, context).result);
  });
  int framesSeen = 0;
  std::size_t paintedInLastFrame = 0;
  while (framesSeen < 20) {
    frames.Request();
    frames.TakeFresh([&](const std::vector<std::uint32_t>& frame) {
      ++framesSeen;
      paintedInLastFrame = 0;
      for (std::uint32_t pixel : frame) paintedInLastFrame += pixel != RasterCanvas::kWhite;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  stop.request_stop();
  drawing.join();
  EXPECT_EQ(result, static_cast<int>(PressResult::kStopped));
  EXPECT_GT(paintedInLastFrame, 0u);
  EXPECT_TRUE(temporary.Entries().empty()) << "the stopped drawing removed its scratch files";
}

}  // namespace
}  // namespace plant
