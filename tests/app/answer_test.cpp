#include "app/answer.h"

#include <gtest/gtest.h>

#include <string>

namespace plant {
namespace {

struct AnswerCase {
  std::string text;
  AnswerVerdict verdict;
  double count;
};

// Whatever the user types, the answer is a crown count, nothing to draw, or not a number.
TEST(ValidateAnswer, EveryKindOfAnswer) {
  using V = AnswerVerdict;
  const AnswerCase cases[] = {
      {"", V::kEmpty, 0},
      {"   ", V::kNotANumber, 0},
      {"3", V::kDraw, 3},
      {" 3 ", V::kDraw, 3},
      {"\t3\n", V::kDraw, 3},
      {"+3", V::kDraw, 3},
      {"-3", V::kDraw, 3},
      {"2.99", V::kDraw, 2},
      {"2,99", V::kDraw, 2},
      {".5e1", V::kDraw, 5},
      {"7.", V::kDraw, 7},
      {"0", V::kNothingToDraw, 0},
      {"0.7", V::kNothingToDraw, 0},
      {"0.9", V::kNothingToDraw, 0},
      {"-0.5", V::kNothingToDraw, 0},
      {"1e2", V::kDraw, 100},
      {"1E2", V::kDraw, 100},
      {"1e-2", V::kNothingToDraw, 0},
      {"1e-400", V::kNothingToDraw, 0},
      {"99999999999999999999", V::kDraw, 1e20},
      {"abc", V::kNotANumber, 0},
      {"3abc", V::kNotANumber, 0},
      {"3 4", V::kNotANumber, 0},
      {"1,234.5", V::kNotANumber, 0},
      {"0x10", V::kNotANumber, 0},
      {"inf", V::kNotANumber, 0},
      {"-inf", V::kNotANumber, 0},
      {"nan", V::kNotANumber, 0},
      {"1e400", V::kNotANumber, 0},
      {"1" + std::string(400, '0') + "e-10", V::kNotANumber, 0},
      {"1" + std::string(400, '0') + "e-398", V::kDraw, 100},
      {"e5", V::kNotANumber, 0},
      {"1e", V::kNotANumber, 0},
      {"-", V::kNotANumber, 0},
      {".", V::kNotANumber, 0},
      {"++3", V::kNotANumber, 0},
      {"\xEF\xBC\x93", V::kNotANumber, 0},  // a full-width 3
      {std::string("3\0" "4", 3), V::kNotANumber, 0},
      {std::string(10000, '7'), V::kNotANumber, 0},
      {std::string(10000, '0') + "2", V::kDraw, 2},
  };
  for (const AnswerCase& c : cases) {
    const ValidatedAnswer answer = ValidateAnswer(c.text);
    const std::string shown = c.text.size() > 40 ? c.text.substr(0, 40) + "..." : c.text;
    EXPECT_EQ(answer.verdict, c.verdict) << '"' << shown << '"';
    EXPECT_EQ(answer.IterationCount, c.count) << '"' << shown << '"';
  }
}

}  // namespace
}  // namespace plant
