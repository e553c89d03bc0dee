#include "plant/literal_plant_body.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "canvas/trace_canvas.h"
#include "plant/plant_body.h"
#include "support/stage_digests.h"

namespace plant {
namespace {

// The program's fast path reads each profile once per abscissa and reuses products; the literal
// evaluator computes everything at every dot as written. Their streams must agree bit for bit, dot
// for dot, over the whole plant body: all three passes.
TEST(FastPath, DrawsTheSameDotsAsTheLiteralEvaluation) {
  // Cut at the passes, so a difference says where it is.
  const std::vector<std::uint64_t> passStarts = {0, 121, 9653302, 16351500};
  testing::StageDigests literal(passStarts);
  testing::StageDigests fast(passStarts);
  TraceCanvas literalTrace([&](std::span<const std::byte> bytes) { literal.Consume(bytes); });
  TraceCanvas fastTrace([&](std::span<const std::byte> bytes) { fast.Consume(bytes); });

  const PlantBodyResult literalResult = literal::DrawPlantBody(literalTrace);
  const PlantBodyResult fastResult = DrawPlantBody(fastTrace);
  literalTrace.Flush();
  fastTrace.Flush();

  ASSERT_EQ(fast.records(), literal.records());
  for (std::size_t pass = 1; pass <= 3; ++pass) EXPECT_EQ(fast.Stage(pass), literal.Stage(pass)) << "pass " << pass;
  EXPECT_EQ(fast.Whole(), literal.Whole());
  EXPECT_EQ(fastResult.StemCounter, literalResult.StemCounter);
  EXPECT_EQ(fastResult.PassFactor, literalResult.PassFactor);
}

}  // namespace
}  // namespace plant
