// How fast a press draws, side by side with the literal evaluation of the same dots.
// Run with `make bench` (a Release build).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "app/press.h"
#include "canvas/live_canvas.h"
#include "canvas/raster_canvas.h"
#include "plant/literal_plant_body.h"
#include "plant/plant_body.h"

namespace {

using plant::RasterCanvas;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr double kPlantBodyDots = 21518749;

void PlantBodyLiteral(benchmark::State& state) {
  RasterCanvas canvas(kWidth, kHeight);
  for (auto _ : state) benchmark::DoNotOptimize(plant::literal::DrawPlantBody(canvas));
  state.counters["dots/s"] = benchmark::Counter(kPlantBodyDots, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(PlantBodyLiteral)->Unit(benchmark::kMillisecond)->Iterations(3);

void PlantBodyFast(benchmark::State& state) {
  RasterCanvas canvas(kWidth, kHeight);
  plant::SharedProfileSamples();  // sampled once per process, not per press
  for (auto _ : state) benchmark::DoNotOptimize(plant::DrawPlantBody(canvas));
  state.counters["dots/s"] = benchmark::Counter(kPlantBodyDots, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(PlantBodyFast)->Unit(benchmark::kMillisecond);

// One crown repetition with real scratch files and the real clock.
void CrownRepetition(benchmark::State& state) {
  RasterCanvas canvas(kWidth, kHeight);
  plant::Generator generator;
  plant::Clock clock = plant::Clock::Live();
  plant::ClockedDraws chance(clock, generator);
  plant::ScratchDirectory directory = plant::ScratchDirectory::MakePrivate(plant::RealFileSystem());
  plant::TipStore store(plant::RealFileSystem(), directory);
  plant::Crown<RasterCanvas, plant::ClockedDraws> crown{canvas, chance, store, {}, {}};
  for (auto _ : state) plant::GrowCrowns(crown, 1, {5050, 2.35});
  store.DeleteFiles();
  directory.Remove();
  state.counters["dots/s"] = benchmark::Counter(64188, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(CrownRepetition)->Unit(benchmark::kMicrosecond);

// A whole press as the window runs it: a live canvas, the plant body, the crowns, the files.
void WholePress(benchmark::State& state) {
  RasterCanvas canvas(kWidth, kHeight);
  plant::FrameExchange frames;
  plant::LiveCanvas live(canvas, frames);
  plant::Generator generator;
  plant::SharedProfileSamples();
  for (auto _ : state) {
    plant::PressContext context(generator);
    const plant::PressOutcome outcome = plant::DrawPlant(live, static_cast<double>(state.range(0)), context);
    if (outcome.result != plant::PressResult::kDrawn) state.SkipWithError(outcome.message.c_str());
  }
}
BENCHMARK(WholePress)->Arg(1)->Arg(201)->Unit(benchmark::kMillisecond);

// The canvas alone: dots that all fall outside (the reject path) and all inside (the stamp path).
void RasterDots(benchmark::State& state) {
  RasterCanvas canvas(kWidth, kHeight);
  canvas.SetPenWidth(static_cast<std::int16_t>(state.range(1)));
  const bool inside = state.range(0) != 0;
  constexpr int kDots = 1 << 20;
  for (auto _ : state) {
    for (int i = 0; i < kDots; ++i) {
      const float x = inside ? static_cast<float>(i % 15000) : -300000.0f - static_cast<float>(i);
      canvas.PlotPoint(x, static_cast<float>((i * 7) % 11000));
    }
    benchmark::ClobberMemory();
  }
  state.counters["dots/s"] = benchmark::Counter(kDots, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(RasterDots)->ArgNames({"inside", "width"})->Args({0, 1})->Args({1, 1})->Args({1, 4})->Unit(benchmark::kMillisecond);

// Keeps the results it reports, to say the literal / fast ratio and the cost of one more crown.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      // With repetitions, the median stands for the benchmark.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      const std::string& args = run.run_name.args;
      times_[run.run_name.function_name + (args.empty() ? "" : "/" + args)] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Summarise() const {
    const auto at = [&](const std::string& name) { return times_.count(name) ? times_.at(name) : 0.0; };
    if (at("PlantBodyFast") > 0 && at("PlantBodyLiteral") > 0) {
      std::printf("plant body, literal / fast: %.1f times\n", at("PlantBodyLiteral") / at("PlantBodyFast"));
    }
    if (at("WholePress/201") > 0 && at("WholePress/1") > 0) {
      std::printf("each further crown: %.3f ms\n", (at("WholePress/201") - at("WholePress/1")) / 200);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.Summarise();
  benchmark::Shutdown();
}
