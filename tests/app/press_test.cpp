#include "app/press.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "canvas/trace_canvas.h"
#include "support/stage_digests.h"
#include "support/temporary_directory.h"

namespace plant {
namespace {

// Counts dots and blossom centres (the one red dot of width 8 on each of a crown's 32 tips).
class CrownCountingCanvas {
 public:
  void SetPenWidth(std::int16_t width) { width_ = width; }
  void SetPenColour(Rgb colour) { colour_ = colour; }
  void PlotPoint(float, float) {
    ++dots;
    centres += width_ == 8 && colour_ == PaletteColour(4);
  }
  std::uint64_t dots = 0;
  std::uint64_t centres = 0;

 private:
  std::int16_t width_ = 1;
  Rgb colour_{};
};

class PressTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("TMPDIR", temporary.path().c_str(), 1); }
  void TearDown() override { unsetenv("TMPDIR"); }

  PressContext Context() {
    PressContext context(generator);
    context.clock = Clock::Frozen(43200.25f);
    return context;
  }

  testing::TemporaryDirectory temporary;
  Generator generator;
};

TEST_F(PressTest, AnswersDecideHowManyCrownsGrow) {
  const struct {
    const char* answer;
    PressResult result;
    int crowns;
  } cases[] = {{"3", PressResult::kDrawn, 3},         {"-3", PressResult::kDrawn, 3},
               {"2.99", PressResult::kDrawn, 2},      {"", PressResult::kNothingToDraw, 0},
               {"0", PressResult::kNothingToDraw, 0}, {"0.9", PressResult::kNothingToDraw, 0},
               {"-0.5", PressResult::kNothingToDraw, 0}, {"abc", PressResult::kNotANumber, 0}};
  for (const auto& c : cases) {
    CrownCountingCanvas canvas;
    PressContext context = Context();
    const PressOutcome outcome = Command1_Click(c.answer, canvas, context);
    EXPECT_EQ(outcome.result, c.result) << c.answer;
    EXPECT_EQ(canvas.centres, 32u * c.crowns) << c.answer;
    if (c.crowns == 0) {
      EXPECT_EQ(canvas.dots, 0u) << c.answer << ": nothing is drawn";
    }
    EXPECT_TRUE(temporary.Entries().empty()) << c.answer << ": no scratch file is left";
  }
}

std::string Digest(const char* answer, Generator& generator, float clock) {
  QCryptographicHash digest(QCryptographicHash::Sha256);
  TraceCanvas trace([&](std::span<const std::byte> bytes) {
    digest.addData(QByteArrayView(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
  });
  PressContext context(generator);
  context.clock = Clock::Frozen(clock);
  Command1_Click(answer, trace, context);
  trace.Flush();
  return digest.result().toHex().toStdString();
}

TEST_F(PressTest, AFrozenClockMakesThePictureReproducibleAndTheGeneratorCarriesOver) {
  Generator first, second;
  const std::string once = Digest("2", first, 43200.25f);
  EXPECT_EQ(Digest("2", second, 43200.25f), once);
  // The generator's state outlives the press: the second press grows other crowns over the same body.
  EXPECT_NE(Digest("2", first, 43200.25f), once);
}

}  // namespace
}  // namespace plant
