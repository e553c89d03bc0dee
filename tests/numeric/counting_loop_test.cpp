#include "numeric/counting_loop.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

namespace plant {
namespace {

struct DoubleLoopCase {
  const char* name;
  double start, end, step;
  int runs;
  double last;
  double exit;
  friend void PrintTo(const DoubleLoopCase& c, std::ostream* out) { *out << c.name; }
};

class DoubleCountingLoop : public ::testing::TestWithParam<DoubleLoopCase> {};

// The accumulated counter, not start + k * step: the last value and the exit value show the rounding
// of every addition, and whether a row at the end of the range is drawn depends on it.
TEST_P(DoubleCountingLoop, RunsByRepeatedAdditionAndHandsBackTheFirstValuePastTheEnd) {
  const DoubleLoopCase& c = GetParam();
  int runs = 0;
  double last = 0;
  const double exit = CountingLoop<double>(c.start, c.end, c.step, [&](double value) {
    ++runs;
    last = value;
  });
  EXPECT_EQ(runs, c.runs);
  if (c.runs > 0) {
    EXPECT_EQ(last, c.last);
  }
  EXPECT_EQ(exit, c.exit);
}

INSTANTIATE_TEST_SUITE_P(
    LoopsOfTheDrawing, DoubleCountingLoop,
    ::testing::Values(DoubleLoopCase{"FoliagePasses", 1, 2, 0.45, 3, 1.9, 2.35},
                      DoubleLoopCase{"BandOffsetKeepsItsLastRow", -1.1, 15, 0.1, 162, 14.999999999999963, 15.099999999999962},
                      DoubleLoopCase{"VeinAbscissa", 0, 158, 0.1, 1581, 157.9999999999953, 158.0999999999953},
                      DoubleLoopCase{"OutlineAbscissa", 34.4, 158, 0.125, 989, 157.9, 158.025},
                      DoubleLoopCase{"FillBandAbscissa", 0, 154.5, 0.4, 387, 154.4000000000011, 154.80000000000112},
                      DoubleLoopCase{"BranchToOffGridEnd", 0, 787.5, 10, 79, 780, 790},
                      DoubleLoopCase{"EmptyRangeRunsOnce", 0, 0, 10, 1, 0, 10},
                      DoubleLoopCase{"StartPastEndRunsNever", 5, 4, 1, 0, 0, 5},
                      DoubleLoopCase{"NegativeStepCountsDown", 3, 1, -1, 3, 1, 0}),
    [](const auto& info) { return info.param.name; });

TEST(CountingLoop, AccumulatedCounterDiffersFromTheMultipliedOne) {
  // start + 161 * step would lose the last row of the fill band.
  EXPECT_EQ(-1.1 + 161 * 0.1, 15.000000000000002);
}

TEST(CountingLoop, SixteenBitCountersLeaveTheirExitValue) {
  int runs = 0;
  EXPECT_EQ(CountingLoop<std::int16_t>(0, 1750, 10, [&](std::int16_t) { ++runs; }), 1760);
  EXPECT_EQ(runs, 176);
  // The level loop's end is copied on entry, so overwriting its source in the body changes nothing.
  std::int16_t end = 7;
  int levels = 0;
  EXPECT_EQ(CountingLoop<std::int16_t>(3, end, 1, [&](std::int16_t) { end = 0, ++levels; }), 8);
  EXPECT_EQ(levels, 5);
}

TEST(CountingLoop, SixteenBitCounterLeavingItsRangeIsAnOverflow) {
  EXPECT_THROW(CountingLoop<std::int16_t>(32760, 32767, 10, [](std::int16_t) {}), std::overflow_error);
}

}  // namespace
}  // namespace plant
