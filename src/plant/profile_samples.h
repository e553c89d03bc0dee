#pragma once

#include <array>
#include <vector>

namespace plant {

// Every profile the leaf stages evaluate depends on the abscissa alone, not on the pass or the scale,
// and the abscissae are the same counted sequences in every pass. So each profile is evaluated once
// per abscissa, exactly as the literal formulas give it, and the stages read the samples.
struct ProfileSamples {
  struct Outline {
    double E;
    std::array<double, 9> H;   // the nine outline curves' half-widths
    std::array<double, 9> HD;  // H * DiagonalFactor, the first product of the x offset
  };
  struct Band {
    double E;
    double upper;  // UpperFillProfile(E) - 0.1
    double lower;  // LowerFillProfile(E) + 0.1
  };
  struct Vein {
    double E;
    std::array<double, 9> h;
    std::array<double, 9> hD;
  };

  std::vector<Outline> outline;  // E from 34.4 to 158 by 0.125: 989 samples
  std::vector<Band> band;        // E from 0 to 154.5 by 0.4: 387 samples
  std::vector<double> bandOffsets;  // BandOffset from -1.1 to 15 by 0.1: 162 values
  std::vector<Vein> vein;        // E from 0 to 158 by 0.1: 1581 samples
};

// Built on first use and shared, read-only, by every press on every thread.
const ProfileSamples& SharedProfileSamples();

}  // namespace plant
