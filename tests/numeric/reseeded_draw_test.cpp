#include "numeric/reseeded_draw.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace plant {
namespace {

// The generator is fixed so that a frozen clock gives the same picture on every build: these are
// its first draws from the initial state. Equal seeds give different draws, since the seed is mixed
// into the state rather than replacing it.
TEST(Generator, GivesItsPublishedSequence) {
  Generator generator;
  const struct {
    double seed;
    std::uint32_t bits;
  } expected[] = {{4320027, 0x3d2a6270}, {4320027, 0x3f335146}, {4320027, 0x3e88ab8c},
                  {8640053, 0x3ee35baa}, {2, 0x3f6641b7},       {1e9, 0x3e9624b6}};
  for (const auto& e : expected) EXPECT_EQ(std::bit_cast<std::uint32_t>(generator.ReseededDraw(e.seed)), e.bits) << e.seed;
}

TEST(Generator, DrawsLieInTheUnitInterval) {
  Generator generator;
  for (int i = 0; i < 100000; ++i) {
    const float draw = generator.ReseededDraw(i % 7);
    ASSERT_GE(draw, 0.0f);
    ASSERT_LT(draw, 1.0f);
  }
}

}  // namespace
}  // namespace plant
