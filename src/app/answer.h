#pragma once

#include <string_view>

namespace plant {

// What the dialog's answer asks for.
enum class AnswerVerdict {
  kEmpty,          // cancelled or accepted empty: nothing happens
  kNotANumber,     // said to the user; nothing is drawn
  kNothingToDraw,  // its absolute value truncates to 0
  kDraw,           // draw the plant with IterationCount crowns
};

struct ValidatedAnswer {
  AnswerVerdict verdict = AnswerVerdict::kEmpty;
  double IterationCount = 0;  // a whole number of at least 1 when verdict is kDraw
};

// Reads the answer as the start command does: blanks around it, an optional sign, digits with "."
// or "," as the decimal separator, and an optional exponent. Anything else, infinities, NaN and
// values beyond the double range included, is not a number. A number counts by its absolute value,
// truncated toward zero.
ValidatedAnswer ValidateAnswer(std::string_view text);

}  // namespace plant
