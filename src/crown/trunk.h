#pragma once

#include <cmath>
#include <cstdint>

#include "crown/crown_state.h"
#include "numeric/counting_loop.h"

namespace plant {

// The trunk: two arms from the crown base that sag, then rise about 445 twips while they spread by
// the sine of the draw; their ends become the two tips of the first tip set.
template <Canvas C, ChanceSource Chance>
void DrawTrunk(Crown<C, Chance>& crown) {
  CrownState& state = crown.state;
  // sin(CrownDraw), recomputed at every use in the same way, so computed once.
  const double sigma = std::sin(static_cast<double>(state.CrownDraw));

  double h = 0;
  const std::int16_t rightEnd = CountingLoop<std::int16_t>(0, 1750, 10, [&](std::int16_t s) {
    h = s / 4.0 - std::sin(s / 550.0) * 200;
    crown.canvas.SetPenWidth(2);
    PlotPoint(crown.canvas, s * sigma + state.TipX, -h + state.TipY);
  });
  // The first tip takes the counter's exit value, one step beyond the arm's last point.
  crown.store.StoreTip(TipSet::kTipSet1, 1, {rightEnd * sigma + state.TipX, -h + state.TipY});

  CountingLoop<std::int16_t>(-1750, 0, 10, [&](std::int16_t s) {
    h = -s / 4.0 + std::sin(s / 550.0) * 200;
    PlotPoint(crown.canvas, s * sigma + state.TipX, -h + state.TipY);
  });
  // The second tip's y is -1750 / 4, without the arm's sine term.
  crown.store.StoreTip(TipSet::kTipSet1, 2, {sigma * (-1750) + state.TipX, -437.5 + state.TipY});
}

}  // namespace plant
