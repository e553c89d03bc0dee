#pragma once

#include "canvas/canvas.h"
#include "numeric/integer_conversion.h"
#include "numeric/step_window.h"
#include "plant/leaf_point.h"
#include "plant/profile_samples.h"

namespace plant {

// Scans a grid of (abscissa, offset) pairs and plots each twice, its x multiplied by the band
// indicator I: points inside the band land on the leaf, the rest on x = 0, in black where I is
// exactly 0 and in colour 10 where a rounding residue is left.
template <Canvas C>
void DrawFillBand(C& canvas, const FoliagePass& pass, const ProfileSamples& samples) {
  const double s = pass.LeafScale;
  const double midrib = 7000 / pass.PassFactor;
  for (const ProfileSamples::Band& sample : samples.band) {
    // With the scale in effect equal to LeafScale, LeafPoint's 61.5 * (S - s) is exactly 0.
    const double rightBase = s * sample.E + 4000;
    const double leftBase = s * sample.E;
    for (const double BandOffset : samples.bandOffsets) {
      canvas.SetPenColour(PaletteColour(10));
      const double I = IntervalWindow(BandOffset, sample.lower, sample.upper, pass.epsilon) * 10;
      if (I == 0) canvas.SetPenColour(PaletteColour(RoundToInteger(I)));
      const double dx = (BandOffset * DiagonalFactor) * s;
      const double y = midrib - (s * BandOffset) * DiagonalFactor;
      PlotPoint(canvas, ((rightBase - dx) * I) / 10, y);
      PlotPoint(canvas, ((3600 - (leftBase - dx)) * I) / 10, y);
    }
  }
}

}  // namespace plant
