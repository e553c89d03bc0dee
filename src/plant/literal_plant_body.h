#pragma once

#include <cstdint>

#include "canvas/canvas.h"
#include "numeric/counting_loop.h"
#include "numeric/integer_conversion.h"
#include "numeric/profile.h"
#include "plant/fill_band_profiles.h"
#include "plant/leaf_point.h"
#include "plant/outline_curves.h"
#include "plant/plant_body.h"
#include "plant/vein_profiles.h"

namespace plant {

// The leaf stages exactly as written: every profile evaluated at every point, every LeafPoint
// computed in full for +H and -H. Slow, and kept as the oracle the program's fast path is proved
// against, point for point; the stem and the pass loop around them are the program's own.
namespace literal {

template <Canvas C>
void PlotLeafPair(C& canvas, const FoliagePass& pass, double E, double h, double s) {
  const LeafPoints plus = LeafPoint(pass, E, h, s);
  const LeafPoints minus = LeafPoint(pass, E, -h, s);
  PlotPoint(canvas, plus.rightX, plus.y);
  PlotPoint(canvas, minus.rightX, minus.y);
  PlotPoint(canvas, plus.leftX, plus.y);
  PlotPoint(canvas, minus.leftX, minus.y);
}

template <Canvas C>
void DrawOutlines(C& canvas, const FoliagePass& pass, double outlineBound) {
  CountingLoop<double>(0.4, outlineBound, 0.15, [&](double OutlineScale) {
    CountingLoop<double>(34.4, 158, 0.125, [&](double E) {
      canvas.SetPenColour(PaletteColour(2));
      for (const ProfileTable& curve : kOutlineCurves) {
        PlotLeafPair(canvas, pass, E, Profile(E, curve, pass.epsilon), OutlineScale);
      }
    });
  });
}

template <Canvas C>
void DrawFillBand(C& canvas, const FoliagePass& pass) {
  CountingLoop<double>(0, 154.5, 0.4, [&](double E) {
    CountingLoop<double>(-1.1, 15, 0.1, [&](double BandOffset) {
      canvas.SetPenColour(PaletteColour(10));
      const double U = Profile(E, kUpperFillProfile, pass.epsilon) - 0.1;
      const double L = Profile(E, kLowerFillProfile, pass.epsilon) + 0.1;
      const double I = IntervalWindow(BandOffset, L, U, pass.epsilon) * 10;
      if (I == 0) canvas.SetPenColour(PaletteColour(RoundToInteger(I)));
      const LeafPoints p = LeafPoint(pass, E, BandOffset, pass.LeafScale);
      PlotPoint(canvas, (p.rightX * I) / 10, p.y);
      PlotPoint(canvas, (p.leftX * I) / 10, p.y);
    });
  });
}

template <Canvas C>
void DrawVeins(C& canvas, const FoliagePass& pass) {
  CountingLoop<double>(0, 158, 0.1, [&](double E) {
    for (const ProfileTable& vein : kVeinProfiles) {
      PlotLeafPair(canvas, pass, E, Profile(E, vein, pass.epsilon), pass.LeafScale);
    }
  });
}

template <Canvas C>
PlantBodyResult DrawPlantBody(C& canvas) {
  return DrawPlantBodyWith(canvas, [&](const FoliagePass& pass) {
    DrawOutlines(canvas, pass, pass.LeafScale + 0.2);
    DrawFillBand(canvas, pass);
    canvas.SetPenWidth(1);
    canvas.SetPenColour(PaletteColour(10));
    DrawVeins(canvas, pass);
  });
}

}  // namespace literal
}  // namespace plant
