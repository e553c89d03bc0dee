#include "plant/parallel_outlines.h"

#include <exception>
#include <thread>
#include <vector>

#include "numeric/counting_loop.h"
#include "plant/outline_stage.h"

namespace plant {

void DrawOutlines(RasterCanvas& canvas, const FoliagePass& pass, double outlineBound, const ProfileSamples& samples,
                  const std::stop_token& stop) {
  std::vector<double> scales;
  CountingLoop<double>(0.4, outlineBound, 0.15, [&](double OutlineScale) { scales.push_back(OutlineScale); });
  const std::size_t split = scales.size() / 2;

  // The same geometry and pen as the shared canvas; white means "no outline dot here".
  RasterCanvas upper(canvas.width() / canvas.scale(), canvas.height() / canvas.scale(), canvas.scale());
  upper.SetPenWidth(1);
  std::exception_ptr upperFailure;
  std::thread helper([&] {
    try {
      for (std::size_t i = split; i < scales.size(); ++i) {
        ThrowIfStopped(stop);
        DrawOutlineAtScale(upper, pass, scales[i], samples);
      }
    } catch (...) {
      upperFailure = std::current_exception();
    }
  });
  try {
    for (std::size_t i = 0; i < split; ++i) {
      ThrowIfStopped(stop);
      DrawOutlineAtScale(canvas, pass, scales[i], samples);
    }
  } catch (...) {
    helper.join();
    throw;
  }
  helper.join();
  if (upperFailure) std::rethrow_exception(upperFailure);
  canvas.LayOver(upper);
}

}  // namespace plant
