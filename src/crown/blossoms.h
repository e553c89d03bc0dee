#pragma once

#include <cmath>
#include <cstdint>

#include "crown/crown_state.h"
#include "numeric/counting_loop.h"

namespace plant {

// Each ray point takes its own draw, seeded from the clock, the ray group and the tip.
template <Canvas C, ChanceSource Chance>
float RayDraw(Crown<C, Chance>& crown, std::int16_t GroupIndex) {
  CrownState& state = crown.state;
  state.CrownDraw = crown.chance.ReseededDraw(IndexedSeed(crown.chance.ClockSeconds(), 100, GroupIndex, *state.TipIndex));
  return state.CrownDraw;
}

// Five groups of three yellow rays from the tip, up-right, down-left and up-left.
template <Canvas C, ChanceSource Chance>
void DrawFirstBlossomPattern(Crown<C, Chance>& crown) {
  CrownState& state = crown.state;
  crown.canvas.SetPenWidth(4);
  crown.canvas.SetPenColour(PaletteColour(14));
  CountingLoop<std::int16_t>(1, 5, 1, [&](std::int16_t GroupIndex) {
    CountingLoop<double>(0, BranchLength(state, 40), 20, [&](double s) {
      CountingLoop<std::int16_t>(0, 100, 1, [&](std::int16_t j) {
        const std::int16_t up = j;
        // sin(d) is written at every point; one evaluation gives the same double.
        const double sinDraw = std::sin(static_cast<double>(RayDraw(crown, GroupIndex)));
        PlotPoint(crown.canvas, j * sinDraw + s + state.TipX + up, -up + state.TipY);
        const double aside = -1.2 * j;
        PlotPoint(crown.canvas, j * sinDraw + s + state.TipX + aside, -aside + state.TipY);
        PlotPoint(crown.canvas, j * sinDraw + s + state.TipX + aside, aside + state.TipY);
      });
    });
  });
}

// Five groups of yellow ray pairs, one nearly level and one falling steeply, then the red centre.
template <Canvas C, ChanceSource Chance>
void DrawSecondBlossomPatternAndCentre(Crown<C, Chance>& crown) {
  CrownState& state = crown.state;
  crown.canvas.SetPenWidth(4);
  crown.canvas.SetPenColour(PaletteColour(14));
  CountingLoop<std::int16_t>(1, 5, 1, [&](std::int16_t GroupIndex) {
    CountingLoop<double>(0, BranchLength(state, 60), 10, [&](double t) {
      CountingLoop<std::int16_t>(0, 12, 1, [&](std::int16_t j) {
        const std::int16_t level = j;
        const double cosDraw = std::cos(static_cast<double>(RayDraw(crown, GroupIndex)));
        PlotPoint(crown.canvas, state.TipX + 20 * j * cosDraw, -t - level + state.TipY);
        const std::int16_t steep = static_cast<std::int16_t>(-12 * j);
        PlotPoint(crown.canvas, state.TipX + 20 * j * cosDraw, -t - steep + state.TipY);
      });
    });
  });
  crown.canvas.SetPenWidth(8);
  crown.canvas.SetPenColour(PaletteColour(4));
  PlotPoint(crown.canvas, state.TipX, state.TipY);
}

}  // namespace plant
