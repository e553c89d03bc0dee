#include "plant/parallel_outlines.h"

#include <gtest/gtest.h>

#include <stop_token>

#include "canvas/raster_canvas.h"
#include "plant/plant_body.h"

namespace plant {
namespace {

// Forwards to a raster canvas, but as a type of its own, so the drawing takes the single-thread
// path that every other canvas takes.
class SingleThreadRaster {
 public:
  explicit SingleThreadRaster(RasterCanvas& canvas) : canvas_(canvas) {}
  void SetPenWidth(std::int16_t width) { canvas_.SetPenWidth(width); }
  void SetPenColour(Rgb colour) { canvas_.SetPenColour(colour); }
  void PlotPoint(float x, float y) { canvas_.PlotPoint(x, y); }

 private:
  RasterCanvas& canvas_;
};

TEST(ParallelOutlines, PaintExactlyTheSingleThreadPicture) {
  for (int scale : {1, 2}) {
    RasterCanvas twoThreads(1024, 768, scale);
    RasterCanvas oneThread(1024, 768, scale);
    SingleThreadRaster forwarding(oneThread);
    DrawPlantBody(twoThreads);
    DrawPlantBody(forwarding);
    const std::size_t pixels = static_cast<std::size_t>(twoThreads.width()) * twoThreads.height();
    std::size_t differing = 0;
    for (std::size_t i = 0; i < pixels; ++i) differing += twoThreads.pixels()[i] != oneThread.pixels()[i];
    EXPECT_EQ(differing, 0u) << "scale " << scale;
  }
}

TEST(ParallelOutlines, StopEndsBothThreads) {
  RasterCanvas canvas(200, 100);
  std::stop_source stop;
  stop.request_stop();
  EXPECT_THROW(DrawPlantBody(canvas, stop.get_token()), DrawingStopped);
}

}  // namespace
}  // namespace plant
