#include "numeric/step_window.h"

#include <gtest/gtest.h>

#include "numeric/profile.h"
#include "plant/outline_curves.h"

namespace plant {
namespace {

const double kEpsilon = Epsilon();

TEST(Epsilon, IsTheDoubleNearestOneQuadrillionth) { EXPECT_EQ(kEpsilon, 1e-15); }

// GCC folds pow(x, 2.0) into x * x unless told not to, and the last bit differs: this catches a
// build that lost -fno-builtin-pow.
TEST(CubicRow, SquaresWithTheLibraryPowNotAMultiplication) {
  const CubicPiece square{0, 0, 0, 0, 1, 0};
  volatile double E = 12.000000000000005;
  EXPECT_EQ(CubicRow(square, E), 144.00000000000011);
  EXPECT_NE(E * E, 144.00000000000011);
}

TEST(StepFunctions, ValuesAtAndNearBreakpoints) {
  const struct {
    const char* what;
    double value;
    double expected;
  } cases[] = {
      {"plain StepFrom(a, a)", StepFrom(35, 35, kEpsilon), 0},
      {"StepPast(b, b)", StepPast(93, 93, kEpsilon), 0},
      {"shifted StepFrom(35, 35)", ShiftedStepFrom(35, 35, kEpsilon), -0.3333333333333333},
      {"shifted StepFrom(16, 16)", ShiftedStepFrom(16, 16, kEpsilon), -0.3333333333333333},
      {"shifted StepFrom(0, 0)", ShiftedStepFrom(0, 0, kEpsilon), 0},
      {"plain StepFrom(35.025, 35)", StepFrom(35.025, 35, kEpsilon), 0.99999999999998},
      {"shifted StepFrom(35.025, 35)", ShiftedStepFrom(35.025, 35, kEpsilon), 1.0},
      {"shifted StepFrom(34.975, 35)", ShiftedStepFrom(34.975, 35, kEpsilon), -1.999999999999994e-14},
      {"IntervalWindow(a, a, b)", IntervalWindow(35, 35, 40, kEpsilon), 0},
      {"IntervalWindow(b, a, b)", IntervalWindow(40, 35, 40, kEpsilon), 0},
      {"IntervalWindow(37.5, 35, 40)", IntervalWindow(37.5, 35, 40, kEpsilon), 1.0},
      {"IntervalWindow(35.025, 35, 40)", IntervalWindow(35.025, 35, 40, kEpsilon), 0.999999999999998},
  };
  for (const auto& c : cases) EXPECT_EQ(c.value, c.expected) << c.what;
}

TEST(Profile, ValuesOfTheLeafEdgeCurves) {
  const ProfileTable& curve1 = kOutlineCurves[0];
  const ProfileTable& curve4 = kOutlineCurves[3];
  const ProfileTable& curve5 = kOutlineCurves[4];
  const struct {
    const char* what;
    const ProfileTable& curve;
    double E;
    double expected;
  } cases[] = {
      {"curve 1 inside its first piece", curve1, 37.5, 3.570310743437501},
      {"curve 1 at its shifted left breakpoint", curve1, 35, 26666.666666666664},
      {"curve 1 at an inner breakpoint", curve1, 40, 4.440892098500626e-12},
      {"curve 1 at its right breakpoint", curve1, 93, 0.0},
      {"curve 1 before its range", curve1, 34.4, 20000.00000000002},
      {"curve 1 past its range", curve1, 93.025, 19999.9999999996},
      {"curve 5 at its plain left breakpoint", curve5, 105, 20000.0},
      {"curve 5 at its right breakpoint", curve5, 120, 0.0},
      {"curve 5 before its range", curve5, 104.9, 20000.0},
      {"curve 4 inside its range", curve4, 105.525, 26.0797328069879},
      {"curve 4 past its right step, inside its piece", curve4, 106.025, 20026.83812091904},
  };
  for (const auto& c : cases) EXPECT_EQ(Profile(c.E, c.curve, kEpsilon), c.expected) << c.what;
  // The piece alone, without the step's FarValue.
  EXPECT_EQ(CubicRow(curve4.pieces[0], 106.025), 26.838120919434004);
  EXPECT_EQ(CubicRow(curve1.pieces[0], 37.5), 3.570310743437501);
}

}  // namespace
}  // namespace plant
