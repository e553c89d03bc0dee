#pragma once

#include <cmath>
#include <cstdint>

#include "crown/blossoms.h"
#include "crown/crown_state.h"
#include "numeric/counting_loop.h"

namespace plant {

// A branch running right and rising with slope CrownDraw, pulled down by 300 sin(s / 550). Its end
// takes the counter's exit value, one step beyond its last point, and the last point's h.
template <Canvas C, ChanceSource Chance>
Tip DrawCurvedBranch(Crown<C, Chance>& crown) {
  CrownState& state = crown.state;
  double h = 0;
  const double sEnd = CountingLoop<double>(0, BranchLength(state, 750), 10, [&](double s) {
    h = state.CrownDraw * s - std::sin(s / 550) * 300;
    PlotPoint(crown.canvas, s + state.TipX, -h + state.TipY);
  });
  return {sEnd + state.TipX, -h + state.TipY};
}

// The start of every tip step: a fresh draw seeded from the clock (times 200 at odd levels, 100 at
// even ones), the level and the tip, then the tip itself from the store.
template <Canvas C, ChanceSource Chance>
void BeginTipStep(Crown<C, Chance>& crown, std::int16_t clockFactor, TipSet from) {
  CrownState& state = crown.state;
  DrawForCrown(crown, IndexedSeed(crown.chance.ClockSeconds(), clockFactor, *state.Level, *state.TipIndex));
  const Tip tip = crown.store.LoadTip(from, *state.TipIndex);
  state.TipX = tip.x;
  state.TipY = tip.y;
}

// Odd levels 3 and 5: a curved branch and a wavy one from every tip, into the second tip set.
// Level 7: a blossom on every tip, and nothing written.
template <Canvas C, ChanceSource Chance>
void OddLevelTipStep(Crown<C, Chance>& crown) {
  CrownState& state = crown.state;
  BeginTipStep(crown, 200, TipSet::kTipSet1);
  if (*state.Level == 7) {
    DrawFirstBlossomPattern(crown);
    DrawSecondBlossomPatternAndCentre(crown);
    return;
  }
  crown.store.StoreTip(TipSet::kTipSet2, state.NextRecord, DrawCurvedBranch(crown));

  // The wavy branch rises straight up, swinging 40 twips to either side; its end leaves the swing out.
  state.NextRecord = static_cast<std::int16_t>(state.NextRecord + 1);
  const double tEnd = CountingLoop<double>(0, BranchLength(state, 750), 10, [&](double t) {
    const double w = std::cos(t / 150) * 40;
    PlotPoint(crown.canvas, state.TipX + w, -t + state.TipY);
  });
  state.TipY = -tEnd + state.TipY;
  crown.store.StoreTip(TipSet::kTipSet2, state.NextRecord, {state.TipX, state.TipY});
  state.NextRecord = static_cast<std::int16_t>(state.NextRecord + 1);
}

// Even levels 4 and 6: a curved branch to the right and a straight one to the left from every tip,
// into the first tip set.
template <Canvas C, ChanceSource Chance>
void EvenLevelTipStep(Crown<C, Chance>& crown) {
  CrownState& state = crown.state;
  const std::int16_t Level = *state.Level;
  BeginTipStep(crown, 100, TipSet::kTipSet2);

  crown.store.StoreTip(TipSet::kTipSet1, state.NextRecord, DrawCurvedBranch(crown));
  state.NextRecord = static_cast<std::int16_t>(state.NextRecord + 1);

  CountingLoop<double>((-750 * state.LengthFactor) / (Level / 3.5), 0, 10, [&](double s) {
    const double h = -state.CrownDraw * s;
    PlotPoint(crown.canvas, s + state.TipX, -h + state.TipY);
  });
  // The stored end is the branch's far end, its first point; -750 * CrownDraw is a single product.
  const float slopeProduct = -750 * state.CrownDraw;
  crown.store.StoreTip(TipSet::kTipSet1, state.NextRecord,
                       {(-750 * state.LengthFactor) / (Level / 3.5) + state.TipX,
                        (slopeProduct * state.LengthFactor) / (Level / 3.5) + state.TipY});
  state.NextRecord = static_cast<std::int16_t>(state.NextRecord + 1);
}

}  // namespace plant
