#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "numeric/counting_loop.h"
#include "numeric/step_window.h"
#include "plant/fill_band.h"
#include "plant/leaf_point.h"
#include "plant/profile_samples.h"
#include "plant/stem.h"
#include "support/recording_canvas.h"

namespace plant {
namespace {

const ProfileSamples& Samples() { return SharedProfileSamples(); }

FoliagePass Pass(double PassFactor) { return {PassFactor, 40 / PassFactor, Epsilon()}; }

TEST(Stem, BaseAndExtensionsEndWhereAndHowTheyShould) {
  testing::RecordingCanvas base;
  DrawBaseStem(base);
  ASSERT_EQ(base.dots.size(), 121u);
  EXPECT_EQ(base.dots.front().y, 8000);
  EXPECT_EQ(base.dots.back().y, 6800);
  EXPECT_EQ(base.dots.back().width, 8);

  const struct {
    double PassFactor;
    std::int16_t PassCounter;
    double exit;
    std::size_t dots;
    float topY;
    std::int16_t width;
  } passes[] = {{1, 0, 3330, 213, 4680, 6}, {1.45, 1, 4820, 362, 3190, 5}, {1.9, 2, 5050, 385, 2960, 4}};
  for (const auto& p : passes) {
    testing::RecordingCanvas canvas;
    EXPECT_EQ(DrawStemExtension(canvas, p.PassFactor, p.PassCounter), p.exit) << p.PassFactor;
    ASSERT_EQ(canvas.dots.size(), p.dots);
    EXPECT_EQ(canvas.dots.front().y, 6800);
    EXPECT_EQ(canvas.dots.back().y, p.topY);
    EXPECT_EQ(canvas.dots.back().x, 3800);
    EXPECT_EQ(canvas.dots.back().width, p.width);
  }
}

TEST(OutlineStage, ScalesPerPass) {
  const struct {
    double PassFactor;
    int scales;
    double last;
  } passes[] = {{1, 266, 40.1499999999998}, {1.45, 183, 27.699999999999914}, {1.9, 140, 21.249999999999975}};
  for (const auto& p : passes) {
    int scales = 0;
    double last = 0;
    CountingLoop<double>(0.4, 40 / p.PassFactor + 0.2, 0.15, [&](double scale) { ++scales, last = scale; });
    EXPECT_EQ(scales, p.scales);
    EXPECT_EQ(last, p.last);
  }
}

TEST(LeafPoint, PlacesCurvePointsOnBothLeaves) {
  const FoliagePass pass1 = Pass(1);
  const ProfileSamples::Outline& first = Samples().outline.front();
  const ProfileSamples::Outline& at60 = Samples().outline[205];
  ASSERT_EQ(Samples().outline.size(), 989u);
  ASSERT_NEAR(at60.E, 60.025, 1e-9);
  EXPECT_EQ(at60.H[0], 33.6639246719909);
  const double H = first.H[0];
  EXPECT_EQ(H, 20000.00000000002);

  const struct {
    const char* what;
    double E, h, s;
    double rightX, leftX, y;
  } cases[] = {
      {"midrib centre", 61.5, 0, 40, 6460, 1140, 7000},
      {"first sample, +H", first.E, H, 0.4, 792.306399999994, 6807.693600000006, 1343.146399999995},
      {"first sample, -H", first.E, -H, 0.4, 12106.013600000006, -4506.013600000006, 12656.853600000006},
      {"E = 60.025 at the smallest scale", at60.E, at60.H[0], 0.4, 6449.8884053264555, NAN, 6990.478405326456},
      {"E = 60.025 at the largest scale", at60.E, at60.H[0], 40.1499999999998, 5445.048684643023, NAN, 6044.269934643024},
  };
  for (const auto& c : cases) {
    const LeafPoints points = LeafPoint(pass1, c.E, c.h, c.s);
    EXPECT_EQ(points.rightX, c.rightX) << c.what;
    if (!std::isnan(c.leftX)) {
      EXPECT_EQ(points.leftX, c.leftX) << c.what;
    }
    EXPECT_EQ(points.y, c.y) << c.what;
  }
}

TEST(FillBand, GridSplitsIntoBandZeroAndResidue) {
  for (double PassFactor : {1.0, 1.45, 1.9}) {
    testing::RecordingCanvas canvas;
    DrawFillBand(canvas, Pass(PassFactor), Samples());
    ASSERT_EQ(canvas.dots.size(), 125388u);
    int inBand = 0, black = 0, residue = 0;
    for (const testing::Dot& dot : canvas.dots) {
      if (dot.colour == PaletteColour(0)) {
        EXPECT_EQ(dot.x, 0.0f);
        ++black;
      } else if (std::fabs(dot.x) < 1.1e-12) {
        ++residue;
      } else {
        ++inBand;
      }
    }
    EXPECT_EQ(inBand, 2 * 2202) << PassFactor;
    EXPECT_EQ(black, 2 * 57536) << PassFactor;
    EXPECT_EQ(residue, 2 * 2956) << PassFactor;
    EXPECT_EQ(canvas.dots.back().colour, PaletteColour(0)) << "the stage ends on a black dot";
  }
}

TEST(FillBand, BoundsNearBreakpointsComeFromTheWindowArithmetic) {
  const auto& band = Samples().band;
  ASSERT_EQ(band.size(), 387u);
  EXPECT_EQ(band[0].upper, 19999.9);
  EXPECT_EQ(band[0].lower, 20000.1);
  EXPECT_EQ(band[25].E, 10.000000000000004);
  EXPECT_EQ(band[25].lower, 3.0583647505370477);
  EXPECT_EQ(band[25].upper, 3.8444862581180357);
  EXPECT_EQ(band[75].E, 29.999999999999957);
  EXPECT_EQ(band[75].lower, -0.29953232253674145);
  EXPECT_EQ(band[75].upper, 0.4992980348316858);
  EXPECT_EQ(band.back().E, 154.4000000000011);
}

TEST(Veins, DrawnSamplesPerVein) {
  const struct {
    double firstE, lastE;
    int samples;
  } veins[] = {
      {40.0000000000003, 92.99999999999899, 531},  {60.00000000000058, 102.99999999999842, 431},
      {85.09999999999944, 90.49999999999913, 55},  {70.0000000000003, 118.99999999999751, 491},
      {90.09999999999916, 116.99999999999763, 270}, {95.09999999999887, 131.9999999999968, 370},
      {105.0999999999983, 131.9999999999968, 270},  {126.09999999999711, 128.99999999999696, 30},
      {122.09999999999734, 134.49999999999665, 125},
  };
  const auto& samples = Samples().vein;
  ASSERT_EQ(samples.size(), 1581u);
  int drawnInAll = 0;
  for (std::size_t k = 0; k < std::size(veins); ++k) {
    int drawn = 0;
    double first = NAN, last = NAN;
    for (const ProfileSamples::Vein& sample : samples) {
      if (std::fabs(sample.h[k]) > 100) continue;  // far off the canvas
      if (drawn++ == 0) first = sample.E;
      last = sample.E;
    }
    EXPECT_EQ(first, veins[k].firstE) << "vein " << k + 1;
    EXPECT_EQ(last, veins[k].lastE) << "vein " << k + 1;
    EXPECT_EQ(drawn, veins[k].samples) << "vein " << k + 1;
    drawnInAll += drawn;
  }
  EXPECT_EQ(drawnInAll, 2573);
  // Just below a left breakpoint the shifted step leaks: h a little above FarValue.
  EXPECT_EQ(samples[850].h[2], 20017.99456562306);
  EXPECT_EQ(samples[1260].h[7], 20003.464639105037);
  // Just above one, the half-width is within 1e-5 of 0.
  EXPECT_EQ(samples[400].h[0], 1.0713833816319747e-06);
  EXPECT_EQ(samples[600].h[1], -8.839863707661791e-07);
  EXPECT_EQ(samples[700].h[3], -7.455872466282387e-06);
  for (double h : samples[0].h) EXPECT_EQ(h, 20000.0);
}

}  // namespace
}  // namespace plant
