#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>

#include "canvas/canvas.h"
#include "crown/chance.h"
#include "crown/tip_store.h"
#include "numeric/integer_conversion.h"

namespace plant {

// The crown's values for one press; every one starts empty (0) at the press.
struct CrownState {
  double TipX = 0;
  double TipY = 0;
  float CrownDraw = 0;
  // Empty until the first draw below 0.8 of the press, then 0.9 to its end. Empty reads as 0; every
  // use multiplies it into a length, where the double 0 gives the same coordinates.
  double LengthFactor = 0;
  // The foliage passes' counter and the crown's level are one variable: until the first level loop
  // of the press has run it holds the pass loop's exit value, a double; from then on a 16-bit level.
  double passExit = 0;
  std::optional<std::int16_t> Level;
  // Empty (a 16-bit 0) until the first tip loop of the press; a double counter from then on.
  std::optional<double> TipIndex;
  std::int16_t NextRecord = 0;
};

template <Canvas C, ChanceSource Chance>
struct Crown {
  C& canvas;
  Chance& chance;
  TipStore& store;
  std::stop_token stop;
  CrownState state;
};

// The seeds, with the number rules: clock * factor is a single, a 16-bit index keeps the sum a
// single (rounded to it), a double index widens it to a double; then the fraction is dropped.
inline double IndexedSeed(float clock, std::int16_t factor, std::int16_t smallIndex, double TipIndex) {
  const float product = clock * factor;
  const float withSmallIndex = product + smallIndex;
  return TruncateToInteger(withSmallIndex + TipIndex);
}

// The repetition's seed reads Level and TipIndex as they stand: in a press's first repetition the
// pass counter's 2.35 and an empty TipIndex, later the level loop's 8 and the tip loop's 33.
inline double RepetitionSeed(float clock, const CrownState& state) {
  // The level loop always runs a tip loop, so TipIndex is set whenever Level is.
  if (state.Level) return IndexedSeed(clock, 100, *state.Level, *state.TipIndex);
  const double withPassExit = clock * 100 + state.passExit;
  return TruncateToInteger(withPassExit + 0);  // + the empty TipIndex
}

// A fresh crown draw: 0.9 becomes the length factor at the first draw below 0.8 (a single compared
// exactly with the double 0.8).
template <Canvas C, ChanceSource Chance>
void DrawForCrown(Crown<C, Chance>& crown, double seed) {
  crown.state.CrownDraw = crown.chance.ReseededDraw(seed);
  if (crown.state.CrownDraw < 0.8) crown.state.LengthFactor = 0.9;
}

// (750 * LengthFactor) / (Level / 3.5), the length of a branch at this level.
inline double BranchLength(const CrownState& state, int lengthBase) {
  return (lengthBase * state.LengthFactor) / (*state.Level / 3.5);
}

}  // namespace plant
