#pragma once

#include <exception>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>

#include "app/answer.h"
#include "canvas/canvas.h"
#include "crown/chance.h"
#include "crown/crown.h"
#include "crown/file_system.h"
#include "crown/scratch_directory.h"
#include "crown/tip_store.h"
#include "numeric/clock.h"
#include "numeric/reseeded_draw.h"
#include "numeric/stopping.h"
#include "plant/plant_body.h"

namespace plant {

// What a press draws with besides its canvas.
struct PressContext {
  explicit PressContext(Generator& sharedGenerator) : generator(sharedGenerator) {}

  Generator& generator;  // outlives presses: its state carries from one press to the next
  Clock clock = Clock::Live();
  FileSystem* fileSystem = &RealFileSystem();
  std::optional<std::string> scratchDirectory;  // where the tip files go; a private directory if unset
  std::stop_token stop;
};

enum class PressResult { kDrawn, kNothingToDraw, kNotANumber, kStopped, kFailed };

struct PressOutcome {
  PressResult result;
  std::string message;  // why a drawing failed
};

// The drawing of one accepted press: the plant body, IterationCount crowns over it, and the scratch
// files deleted. A failure or a stop ends the drawing with every scratch file and the private
// directory removed; the dots drawn so far stay.
template <Canvas C>
PressOutcome DrawPlant(C& canvas, double IterationCount, PressContext& context) {
  try {
    const PlantBodyResult body = DrawPlantBody(canvas, context.stop);
    ScratchDirectory directory = context.scratchDirectory
                                     ? ScratchDirectory::UseExisting(*context.fileSystem, *context.scratchDirectory)
                                     : ScratchDirectory::MakePrivate(*context.fileSystem);
    TipStore store(*context.fileSystem, directory);
    try {
      ClockedDraws chance(context.clock, context.generator);
      Crown<C, ClockedDraws> crown{canvas, chance, store, context.stop, {}};
      GrowCrowns(crown, IterationCount, body);
      store.DeleteFiles();
    } catch (...) {
      store.DeleteLeftovers();
      throw;  // the directory goes with its destructor
    }
    directory.Remove();
    return {PressResult::kDrawn, {}};
  } catch (const DrawingStopped&) {
    return {PressResult::kStopped, {}};
  } catch (const std::exception& failure) {
    return {PressResult::kFailed, failure.what()};
  }
}

// The start command once the dialog has answered: validate the answer, then draw.
template <Canvas C>
PressOutcome Command1_Click(std::string_view answer, C& canvas, PressContext& context) {
  const ValidatedAnswer validated = ValidateAnswer(answer);
  switch (validated.verdict) {
    case AnswerVerdict::kEmpty:
    case AnswerVerdict::kNothingToDraw:
      return {PressResult::kNothingToDraw, {}};
    case AnswerVerdict::kNotANumber:
      return {PressResult::kNotANumber, {}};
    case AnswerVerdict::kDraw:
      break;
  }
  return DrawPlant(canvas, validated.IterationCount, context);
}

}  // namespace plant
