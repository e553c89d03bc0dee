#include "app/answer.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace plant {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Checks the whole text against  [sign] digits [separator digits] [e [sign] digits]  (at least one
// mantissa digit) and returns it with "," turned into "." and without a leading "+", ready for
// from_chars; an empty result means the text is not a number.
std::string NormaliseNumber(std::string_view text) {
  std::string number;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') number += '-';
    ++i;
  }
  std::size_t mantissaDigits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) number += text[i];
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    number += '.';
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) number += text[i];
  }
  if (mantissaDigits == 0) return {};
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    number += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    std::size_t exponentDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++exponentDigits) number += text[i];
    if (exponentDigits == 0) return {};
  }
  if (i != text.size()) return {};
  return number;
}

// The decimal order of magnitude of a normalised number, enough to tell whether a value beyond the
// double range is beyond it at the small end or at the large end.
long long DecimalMagnitude(const std::string& number) {
  const std::size_t exponentAt = number.find('e');
  const std::string mantissa = number.substr(0, exponentAt);
  long long magnitude = 0;
  const std::size_t point = mantissa.find('.');
  const std::string whole = mantissa.substr(0, point);
  const std::size_t firstSignificant = whole.find_first_not_of("-0");
  if (firstSignificant != std::string::npos) {
    magnitude = static_cast<long long>(whole.size() - firstSignificant);
  } else if (point != std::string::npos) {
    const std::size_t firstNonZero = mantissa.find_first_not_of('0', point + 1);
    magnitude = -static_cast<long long>((firstNonZero == std::string::npos ? mantissa.size() : firstNonZero) - point);
  }
  if (exponentAt != std::string::npos) {
    long long exponent = 0;
    const bool negative = number[exponentAt + 1] == '-';
    for (std::size_t i = exponentAt + 1; i < number.size(); ++i) {
      if (IsDigit(number[i]) && exponent < 1'000'000) exponent = exponent * 10 + (number[i] - '0');
    }
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude;
}

}  // namespace

ValidatedAnswer ValidateAnswer(std::string_view text) {
  if (text.empty()) return {AnswerVerdict::kEmpty, 0};
  const std::string number = NormaliseNumber(TrimBlanks(text));
  if (number.empty()) return {AnswerVerdict::kNotANumber, 0};

  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (end != number.data() + number.size()) return {AnswerVerdict::kNotANumber, 0};
  if (error == std::errc::result_out_of_range) {
    // Too small to be told from 0 counts as 0; too large for a double is no number at all.
    if (DecimalMagnitude(number) > 0) return {AnswerVerdict::kNotANumber, 0};
    value = 0;
  } else if (error != std::errc{} || !std::isfinite(value)) {
    return {AnswerVerdict::kNotANumber, 0};
  }

  const double count = std::trunc(std::fabs(value));
  if (count == 0) return {AnswerVerdict::kNothingToDraw, 0};
  return {AnswerVerdict::kDraw, count};
}

}  // namespace plant
