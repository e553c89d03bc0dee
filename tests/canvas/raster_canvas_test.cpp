#include "canvas/raster_canvas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "canvas/canvas.h"

namespace plant {
namespace {

constexpr std::uint32_t kWhite = RasterCanvas::kWhite;
constexpr std::uint32_t kLightGreen = 0xFF00FF00u;

int PaintedPixels(const RasterCanvas& canvas) {
  int painted = 0;
  for (int row = 0; row < canvas.height(); ++row)
    for (int column = 0; column < canvas.width(); ++column) painted += canvas.pixel(column, row) != kWhite;
  return painted;
}

// A dot of width w covers a round stamp w pixels across: whole squares up to 2, a disc beyond.
TEST(RasterCanvas, DotsCoverRoundStampsOfThePenWidth) {
  const struct {
    int width;
    int scale;
    int pixels;
  } cases[] = {{1, 1, 1}, {2, 1, 4}, {4, 1, 12}, {8, 1, 52}, {1, 2, 4}, {4, 2, 52}};
  for (const auto& c : cases) {
    RasterCanvas canvas(40, 40, c.scale);
    canvas.SetPenColour(PaletteColour(10));
    canvas.SetPenWidth(static_cast<std::int16_t>(c.width));
    canvas.PlotPoint(300, 300);
    EXPECT_EQ(PaintedPixels(canvas), c.pixels) << "width " << c.width << " at scale " << c.scale;
  }
}

// The blossoms' width-4 dot, written out for speed, has the shape the general stamp gives: a disc
// without its corners.
TEST(RasterCanvas, WidthFourDotIsADiscWithoutCorners) {
  RasterCanvas canvas(20, 20);
  canvas.SetPenColour(PaletteColour(14));
  canvas.SetPenWidth(4);
  canvas.PlotPoint(150, 150);  // the stamp's top-left pixel is (8, 8)
  const char* expected[] = {".XX.", "XXXX", "XXXX", ".XX."};
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      EXPECT_EQ(canvas.pixel(8 + column, 8 + row) != kWhite, expected[row][column] == 'X') << row << "," << column;
    }
  }
}

TEST(RasterCanvas, MapsFifteenTwipsToAPixelAndPaintsInPenColour) {
  RasterCanvas canvas(100, 100);
  canvas.SetPenColour(PaletteColour(10));
  canvas.PlotPoint(0, 150);  // the fill band's black dots land in the leftmost column like this
  canvas.PlotPoint(30 * 15 + 7, 40 * 15);
  EXPECT_EQ(canvas.pixel(0, 10), kLightGreen);
  EXPECT_EQ(canvas.pixel(30, 40), kLightGreen);
  EXPECT_EQ(PaintedPixels(canvas), 2);
}

TEST(RasterCanvas, ClipsAtTheEdgesAndIgnoresFarPoints) {
  RasterCanvas canvas(100, 80);
  canvas.SetPenColour(PaletteColour(4));
  canvas.SetPenWidth(1);
  canvas.PlotPoint(-500000, 560000);  // half a million twips off: nothing, and no error
  canvas.PlotPoint(1e30f, -1e30f);
  EXPECT_EQ(PaintedPixels(canvas), 0);
  canvas.SetPenWidth(8);
  canvas.PlotPoint(-20, 600);  // centre just outside the left edge: part of the dot shows
  const int partial = PaintedPixels(canvas);
  EXPECT_GT(partial, 0);
  EXPECT_LT(partial, 52);
  canvas.PlotPoint(100 * 15 + 20, 80 * 15 + 20);  // just beyond the far corner
  EXPECT_GT(PaintedPixels(canvas), partial);
}

TEST(RasterCanvas, RefusesSizesItCannotHold) {
  EXPECT_THROW(RasterCanvas(0, 10), std::invalid_argument);
  EXPECT_THROW(RasterCanvas(10, 10, 0), std::invalid_argument);
  EXPECT_THROW(RasterCanvas(16384, 10, 2), std::invalid_argument);  // 32768 device pixels across
  RasterCanvas canvas(10, 10);
  EXPECT_THROW(canvas.SetPenWidth(0), std::invalid_argument);
}

TEST(RasterCanvas, PenSettingsAloneLeaveTheCanvasWhite) {
  RasterCanvas canvas(20, 20);
  canvas.SetPenColour(PaletteColour(14));
  canvas.SetPenWidth(8);
  EXPECT_EQ(PaintedPixels(canvas), 0);
}

TEST(RasterCanvas, LaterDotsCoverEarlierOnes) {
  RasterCanvas canvas(20, 20);
  canvas.SetPenColour(PaletteColour(10));
  canvas.PlotPoint(150, 150);
  canvas.SetPenColour(PaletteColour(0));
  canvas.PlotPoint(150, 150);
  EXPECT_EQ(canvas.pixel(10, 10), 0xFF000000u);
}

TEST(Palette, UsedColoursAndRange) {
  EXPECT_EQ(PaletteColour(0), (Rgb{0, 0, 0}));
  EXPECT_EQ(PaletteColour(2), (Rgb{0, 128, 0}));
  EXPECT_EQ(PaletteColour(4), (Rgb{128, 0, 0}));
  EXPECT_EQ(PaletteColour(10), (Rgb{0, 255, 0}));
  EXPECT_EQ(PaletteColour(14), (Rgb{255, 255, 0}));
  EXPECT_THROW(PaletteColour(16), std::out_of_range);
  EXPECT_THROW(PaletteColour(-1), std::out_of_range);
}

}  // namespace
}  // namespace plant
