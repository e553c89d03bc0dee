#include "plant/profile_samples.h"

#include "numeric/counting_loop.h"
#include "numeric/profile.h"
#include "plant/fill_band_profiles.h"
#include "plant/leaf_point.h"
#include "plant/outline_curves.h"
#include "plant/vein_profiles.h"

namespace plant {
namespace {

ProfileSamples Sample() {
  const double epsilon = Epsilon();
  ProfileSamples samples;
  CountingLoop<double>(34.4, 158, 0.125, [&](double E) {
    ProfileSamples::Outline& sample = samples.outline.emplace_back();
    sample.E = E;
    for (std::size_t k = 0; k < kOutlineCurves.size(); ++k) {
      sample.H[k] = Profile(E, kOutlineCurves[k], epsilon);
      sample.HD[k] = sample.H[k] * DiagonalFactor;
    }
  });
  CountingLoop<double>(0, 154.5, 0.4, [&](double E) {
    samples.band.push_back({E, Profile(E, kUpperFillProfile, epsilon) - 0.1, Profile(E, kLowerFillProfile, epsilon) + 0.1});
  });
  CountingLoop<double>(-1.1, 15, 0.1, [&](double BandOffset) { samples.bandOffsets.push_back(BandOffset); });
  CountingLoop<double>(0, 158, 0.1, [&](double E) {
    ProfileSamples::Vein& sample = samples.vein.emplace_back();
    sample.E = E;
    for (std::size_t k = 0; k < kVeinProfiles.size(); ++k) {
      sample.h[k] = Profile(E, kVeinProfiles[k], epsilon);
      sample.hD[k] = sample.h[k] * DiagonalFactor;
    }
  });
  return samples;
}

}  // namespace

const ProfileSamples& SharedProfileSamples() {
  static const ProfileSamples samples = Sample();
  return samples;
}

}  // namespace plant
