#include "crown/crown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "support/fixed_chance.h"
#include "support/recording_canvas.h"
#include "support/temporary_directory.h"

namespace plant {
namespace {

using TestCrown = Crown<testing::RecordingCanvas, testing::FixedChance>;

class CrownTest : public ::testing::Test {
 protected:
  TestCrown MakeCrown() { return TestCrown{canvas, chance, store, {}, {}}; }

  // One tip at record 1 of both sets, at a level, as the level loop hands it to a tip step.
  TestCrown AtLevel(std::int16_t level, double lengthFactor) {
    store.StoreTip(TipSet::kTipSet1, 1, {kTip.x, kTip.y});
    store.StoreTip(TipSet::kTipSet2, 1, {kTip.x, kTip.y});
    TestCrown crown = MakeCrown();
    crown.state.Level = level;
    crown.state.TipIndex = 1;
    crown.state.NextRecord = 1;
    crown.state.LengthFactor = lengthFactor;
    return crown;
  }

  static constexpr Tip kTip{4000, 2000};
  testing::TemporaryDirectory temporary;
  ScratchDirectory directory = ScratchDirectory::UseExisting(RealFileSystem(), temporary.path());
  TipStore store{RealFileSystem(), directory};
  testing::RecordingCanvas canvas;
  testing::FixedChance chance;
};

TEST_F(CrownTest, FullLengthRepetitionPlots64188Dots) {
  TestCrown crown = MakeCrown();
  GrowCrowns(crown, 1, {5050, 2.35});
  EXPECT_EQ(canvas.dots.size(), 64188u);
  std::size_t blossomDots = 0;
  for (const testing::Dot& dot : canvas.dots) blossomDots += dot.width == 4 || dot.width == 8;
  EXPECT_EQ(blossomDots, 60992u);
  EXPECT_EQ(canvas.dots.front().x, 3800);  // the trunk starts at the crown base
  EXPECT_EQ(canvas.dots.front().y, 2950);
  EXPECT_EQ(*crown.state.Level, 8);
  EXPECT_EQ(*crown.state.TipIndex, 33);
  EXPECT_EQ(crown.state.LengthFactor, 0.9);
  // From absent files, one repetition leaves 32 records in the first tip set and 16 in the second.
  EXPECT_EQ(temporary.Read("VELMX1.VBP").size(), 320u);
  EXPECT_EQ(temporary.Read("VELMY1.VBP").size(), 320u);
  EXPECT_EQ(temporary.Read("VELMX2.VBP").size(), 160u);
  EXPECT_EQ(temporary.Read("VELMY2.VBP").size(), 160u);
  for (const char* name : {"VELMX1.VBP", "VELMY1.VBP", "VELMX2.VBP", "VELMY2.VBP"}) {
    const std::vector<unsigned char> bytes = temporary.Read(name);
    for (std::size_t offset = 0; offset < bytes.size(); offset += 10) {
      EXPECT_EQ(bytes[offset], 5) << name << " at " << offset;
      EXPECT_EQ(bytes[offset + 1], 0) << name << " at " << offset;
    }
  }
}

TEST_F(CrownTest, TipStepsPlotTheirBranchesOrBlossom) {
  const struct {
    std::int16_t level;
    std::size_t dots;
  } levels[] = {{3, 79 + 79}, {4, 60 + 60}, {5, 48 + 48}, {6, 40 + 40}, {7, 1515 + 390 + 1}};
  for (const auto& l : levels) {
    canvas.dots.clear();
    TestCrown crown = AtLevel(l.level, 0.9);
    if (l.level % 2) OddLevelTipStep(crown); else EvenLevelTipStep(crown);
    EXPECT_EQ(canvas.dots.size(), l.dots) << "level " << l.level;
    EXPECT_EQ(crown.state.NextRecord, l.level == 7 ? 1 : 3) << "level " << l.level;
  }
}

TEST_F(CrownTest, FullLengthBranchEnds) {
  TestCrown odd = AtLevel(3, 0.9);
  OddLevelTipStep(odd);
  EXPECT_EQ(store.LoadTip(TipSet::kTipSet2, 1).x, kTip.x + 790);  // the curved branch's counter exit
  const Tip wavyEnd = store.LoadTip(TipSet::kTipSet2, 2);
  EXPECT_EQ(wavyEnd.x, kTip.x);
  EXPECT_EQ(wavyEnd.y, kTip.y - 790);

  TestCrown even = AtLevel(4, 0.9);
  EvenLevelTipStep(even);
  EXPECT_EQ(canvas.dots.back().x, static_cast<float>(kTip.x - 0.625));  // the left branch's last dot
  const Tip leftEnd = store.LoadTip(TipSet::kTipSet1, 2);
  EXPECT_EQ(leftEnd.x, kTip.x - 590.625);
  const float single = -750 * chance.draw;
  EXPECT_EQ(leftEnd.y, (single * 0.9) / (4 / 3.5) + kTip.y);
}

TEST_F(CrownTest, WithoutLengthEveryBranchIsASingleDot) {
  chance.draw = 0.8f;  // the single nearest 0.8 is not below the double 0.8
  TestCrown odd = AtLevel(3, 0);
  OddLevelTipStep(odd);
  EXPECT_EQ(odd.state.LengthFactor, 0);
  ASSERT_EQ(canvas.dots.size(), 2u);
  EXPECT_EQ(canvas.dots[0].x, kTip.x);
  EXPECT_EQ(canvas.dots[0].y, kTip.y);
  EXPECT_EQ(canvas.dots[1].x, kTip.x + 40);
  EXPECT_EQ(store.LoadTip(TipSet::kTipSet2, 1).x, kTip.x + 10);
  EXPECT_EQ(store.LoadTip(TipSet::kTipSet2, 2).y, kTip.y - 10);

  canvas.dots.clear();
  TestCrown even = AtLevel(4, 0);
  EvenLevelTipStep(even);
  ASSERT_EQ(canvas.dots.size(), 2u);
  EXPECT_EQ(canvas.dots[1].x, kTip.x);
  EXPECT_EQ(store.LoadTip(TipSet::kTipSet1, 1).x, kTip.x + 10);
  EXPECT_EQ(store.LoadTip(TipSet::kTipSet1, 2).x, kTip.x);
  EXPECT_EQ(store.LoadTip(TipSet::kTipSet1, 2).y, kTip.y);

  canvas.dots.clear();
  TestCrown blossom = AtLevel(7, 0);
  OddLevelTipStep(blossom);
  EXPECT_EQ(canvas.dots.size(), 1515u + 130u + 1u);
  EXPECT_EQ(canvas.dots.back().colour, PaletteColour(4));
  EXPECT_EQ(canvas.dots.back().width, 8);
}

TEST_F(CrownTest, ADrawOfZeroStandsTheTrunkUpright) {
  TestCrown crown = MakeCrown();
  crown.state.TipX = 3800;
  crown.state.TipY = 2950;
  crown.state.CrownDraw = 0;
  DrawTrunk(crown);
  ASSERT_EQ(canvas.dots.size(), 352u);
  for (const testing::Dot& dot : canvas.dots) EXPECT_EQ(dot.x, 3800);
  const Tip first = store.LoadTip(TipSet::kTipSet1, 1);
  const Tip second = store.LoadTip(TipSet::kTipSet1, 2);
  EXPECT_EQ(first.x, 3800);
  EXPECT_EQ(first.y, -(1750 / 4.0 - std::sin(1750 / 550.0) * 200) + 2950);
  EXPECT_EQ(second.x, 3800);
  EXPECT_EQ(second.y, 2950 - 437.5);
}

TEST(CrownSeeds, FollowTheNumberRules) {
  // clock * 100 + 2.35 widens to double at once; clock * 100 + 8 is rounded to single first.
  CrownState first;
  first.passExit = 2.35;
  EXPECT_EQ(RepetitionSeed(43200.25f, first), 4320027);
  CrownState later;
  later.Level = 8;
  later.TipIndex = 33;
  EXPECT_EQ(RepetitionSeed(43200.25f, later), 4320066);
  // 17200100 + 3 is a tie between singles and rounds to even, 17200104, before the double 1 is added.
  EXPECT_EQ(IndexedSeed(86000.5f, 200, 3, 1), 17200105);
  EXPECT_EQ(IndexedSeed(43200.25f, 200, 3, 1), 8640054);
}

TEST_F(CrownTest, LaterRepetitionsSeedFromTheCountersTheFirstLeft) {
  TestCrown crown = MakeCrown();
  GrowCrowns(crown, 2, {5050, 2.35});
  const std::size_t drawsPerRepetition = chance.seeds.size() / 2;
  EXPECT_EQ(chance.seeds[0], 4320027);
  EXPECT_EQ(chance.seeds[1], 8640054);  // level 3, tip 1
  EXPECT_EQ(chance.seeds[drawsPerRepetition], 4320066);
}

}  // namespace
}  // namespace plant
