#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/answer.h"

namespace plant::testing {

// What must hold for any answer at all: validation returns, and a count to draw is a finite whole
// number of at least 1; anything else carries no count.
inline void CheckAnswerProperties(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ValidatedAnswer answer = ValidateAnswer(text);
  if (answer.verdict == AnswerVerdict::kDraw) {
    if (!(std::isfinite(answer.IterationCount) && answer.IterationCount >= 1 &&
          answer.IterationCount == std::trunc(answer.IterationCount))) {
      std::abort();
    }
  } else if (answer.IterationCount != 0) {
    std::abort();
  }
  if ((answer.verdict == AnswerVerdict::kEmpty) != text.empty()) std::abort();
}

}  // namespace plant::testing
