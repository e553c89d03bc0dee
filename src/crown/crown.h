#pragma once

#include <cmath>
#include <cstdint>

#include "crown/branch_growth.h"
#include "crown/crown_state.h"
#include "crown/trunk.h"
#include "numeric/counting_loop.h"
#include "numeric/integer_conversion.h"
#include "numeric/stopping.h"
#include "plant/plant_body_result.h"

namespace plant {

// Levels 3 to 7: each doubles the tips through the tip store, and level 7 puts a blossom on each of
// its 32 tips. The end, 7, is fixed when the loop starts.
template <Canvas C, ChanceSource Chance>
void RunLevels(Crown<C, Chance>& crown) {
  CrownState& state = crown.state;
  state.Level = CountingLoop<std::int16_t>(3, 7, 1, [&](std::int16_t Level) {
    ThrowIfStopped(crown.stop);
    state.Level = Level;
    const double LevelParity = Level / 2.0 - TruncateToInteger(Level / 2.0);
    const double tips = std::pow(2.0, static_cast<double>(Level - 2));
    if (LevelParity > 0) {
      state.NextRecord = 1;
      state.TipIndex = CountingLoop<double>(1, tips, 1, [&](double TipIndex) {
        state.TipIndex = TipIndex;
        OddLevelTipStep(crown);
      });
    }
    if (LevelParity == 0) {
      state.NextRecord = 1;
      state.TipIndex = CountingLoop<double>(1, tips, 1, [&](double TipIndex) {
        state.TipIndex = TipIndex;
        EvenLevelTipStep(crown);
      });
    }
  });
}

// IterationCount crowns over the same base (3800, 8000 - StemCounter), each from new draws.
template <Canvas C, ChanceSource Chance>
void GrowCrowns(Crown<C, Chance>& crown, double IterationCount, const PlantBodyResult& body) {
  CrownState& state = crown.state;
  state.passExit = body.PassFactor;
  const double baseX = 3800;
  const double baseY = 8000 - body.StemCounter;
  CountingLoop<double>(1, IterationCount, 1, [&](double) {
    ThrowIfStopped(crown.stop);
    crown.canvas.SetPenColour(PaletteColour(10));
    state.TipX = baseX;
    state.TipY = baseY;
    DrawForCrown(crown, RepetitionSeed(crown.chance.ClockSeconds(), state));
    DrawTrunk(crown);
    crown.canvas.SetPenWidth(2);
    RunLevels(crown);
  });
}

}  // namespace plant
