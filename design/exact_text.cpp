#include "design/exact_text.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "triangle/exact_measures.h"
#include "triangle/format_result.h"

namespace design {
namespace {

using triangle::ExactValue;
using triangle::NumberFormat;
using triangle::Rational;

// Digits of `number` (decimal, no sign) times `factor` (2 or 5), exactly.
void MultiplyDigits(std::string& number, int factor) {
  int carry = 0;
  for (auto digit = number.rbegin(); digit != number.rend(); ++digit) {
    const int product = (*digit - '0') * factor + carry;
    *digit = static_cast<char>('0' + product % 10);
    carry = product / 10;
  }
  if (carry > 0) number.insert(number.begin(), static_cast<char>('0' + carry));
}

std::string Digits(std::int64_t magnitude) {  // magnitude >= 0
  return std::to_string(static_cast<std::uint64_t>(magnitude));
}

// The number of decimals of p/q when they end (q = 2^twos · 5^fives), else nothing.
struct DecimalForm {
  std::string integer;   // digits
  std::string decimals;  // every digit, none when the value is an integer
};

std::optional<DecimalForm> Decimal(const Rational& value) {
  std::int64_t rest = value.denominator;
  int twos = 0;
  int fives = 0;
  for (; rest % 2 == 0; rest /= 2) ++twos;
  for (; rest % 5 == 0; rest /= 5) ++fives;
  if (rest != 1) return std::nullopt;
  const int count = twos > fives ? twos : fives;
  std::string scaled = Digits(value.numerator < 0 ? -value.numerator : value.numerator);
  // p/q = p·2^(count-twos)·5^(count-fives) / 10^count.
  for (int k = twos; k < count; ++k) MultiplyDigits(scaled, 2);
  for (int k = fives; k < count; ++k) MultiplyDigits(scaled, 5);
  const auto decimals = static_cast<std::size_t>(count);
  if (scaled.size() <= decimals) scaled.insert(0, decimals + 1 - scaled.size(), '0');
  return DecimalForm{scaled.substr(0, scaled.size() - decimals),
                     scaled.substr(scaled.size() - decimals)};
}

std::string Signed(std::string magnitude, bool negative, const NumberFormat& format) {
  if (!negative) return magnitude;
  if (format.negative_style == triangle::NegativeStyle::kParentheses) {
    return "(" + magnitude + ")";
  }
  return "-" + magnitude;
}

std::string Grouped(std::int64_t magnitude, const NumberFormat& format) {
  return triangle::GroupDigits(Digits(magnitude), format);
}

std::string_view RootSign(int index) { return index == 4 ? kFourthRootSign : kSquareRootSign; }

std::string_view SpokenRoot(int index) {
  return index == 4 ? "корен четвърти от" : "корен квадратен от";
}

}  // namespace

std::string ExactText(const ExactValue& value, const NumberFormat& format) {
  const Rational& c = value.coefficient;
  const bool negative = c.numerator < 0;
  const std::int64_t numerator = negative ? -c.numerator : c.numerator;
  std::string text;
  if (value.IsRational()) {
    if (const std::optional<DecimalForm> decimal = Decimal(c)) {
      const bool integer_written =
          decimal->integer != "0" || format.leading_zero || decimal->decimals.empty();
      if (integer_written) text = triangle::GroupDigits(decimal->integer, format);
      if (!decimal->decimals.empty()) text += format.decimal_separator + decimal->decimals;
      return Signed(text, negative && numerator != 0, format);
    }
    text = Grouped(numerator, format).append("/").append(Grouped(c.denominator, format));
    return Signed(text, negative, format);
  }
  if (numerator != 1) {
    text = Grouped(numerator, format);
    if (value.root_index == 4) text += "·";
  }
  text += RootSign(value.root_index);
  text += Grouped(value.radicand, format);
  if (c.denominator != 1) text.append("/").append(Grouped(c.denominator, format));
  return Signed(text, negative, format);
}

std::string ExactFieldText(const ExactValue& value, const NumberFormat& format) {
  if (!value.IsRational()) return {};
  const std::optional<DecimalForm> decimal = Decimal(value.coefficient);
  if (!decimal || decimal->decimals.size() > 4) return {};
  std::string text;
  if (decimal->integer != "0" || format.leading_zero) {
    text = triangle::GroupDigits(decimal->integer, format);
  }
  text += format.decimal_separator + decimal->decimals;
  text.append(4 - decimal->decimals.size(), '0');
  return Signed(text, value.coefficient.numerator < 0, format);
}

bool IsExactly(const ExactValue& value, double approximation) {
  return value.IsRational() && triangle::ExactGiven(approximation) == value.coefficient;
}

std::string SpokenExact(const ExactValue& value) {
  const Rational& c = value.coefficient;
  const bool negative = c.numerator < 0;
  const std::int64_t numerator = negative ? -c.numerator : c.numerator;
  std::string spoken = negative ? "минус " : "";
  if (value.IsRational()) {
    if (const std::optional<DecimalForm> decimal = Decimal(c)) {
      spoken += decimal->integer;
      if (!decimal->decimals.empty()) spoken += "," + decimal->decimals;
      return spoken;
    }
    return spoken.append(Digits(numerator)).append(" делено на ").append(Digits(c.denominator));
  }
  if (numerator != 1) spoken += Digits(numerator) + " ";
  spoken.append(SpokenRoot(value.root_index)).append(" ").append(Digits(value.radicand));
  if (c.denominator != 1) spoken.append(" делено на ").append(Digits(c.denominator));
  return spoken;
}

std::string SpokenResult(double value) {
  static const NumberFormat kSpoken{
      .decimal_separator = ",", .group_separator = "", .group_sizes = {}};
  std::string text = triangle::FormatResult(value, kSpoken);
  if (text.starts_with('-')) text.replace(0, 1, "минус ");
  return text;
}

std::string SpokenFullPrecision(double value) {
  static const NumberFormat kSpoken{
      .decimal_separator = ",", .group_separator = "", .group_sizes = {}};
  std::string text = triangle::FormatFullPrecision(value, kSpoken);
  if (const std::size_t e = text.find('e'); e != std::string::npos) {
    const int exponent = std::stoi(text.substr(e + 1));
    std::string power = text.substr(0, e);
    power.append(" по 10 на степен ").append(exponent < 0 ? "минус " : "");
    text = power.append(std::to_string(exponent < 0 ? -exponent : exponent));
  }
  if (text.starts_with('-')) text.replace(0, 1, "минус ");
  return text;
}

std::string SpokenFormula(std::string_view formula) {
  std::string spoken;
  bool in_word = false;  // the last thing said is text carried over as written
  const auto say = [&](std::string_view words) {
    if (!spoken.empty() && spoken.back() != ' ') spoken += ' ';
    spoken += words;
    in_word = false;
  };
  for (std::size_t at = 0; at < formula.size();) {
    const std::string_view rest = formula.substr(at);
    const auto starts = [&](std::string_view symbol) {
      if (!rest.starts_with(symbol)) return false;
      at += symbol.size();
      return true;
    };
    const char c = rest.front();
    if (c >= '0' && c <= '9') {
      std::size_t end = at;
      while (end < formula.size() && formula[end] >= '0' && formula[end] <= '9') ++end;
      say(formula.substr(at, end - at));
      at = end;
    } else if (starts(kFourthRootSign)) {
      say("корен четвърти от");
    } else if (starts(kSquareRootSign)) {
      say("корен квадратен от");
    } else if (starts("·")) {
      say("по");
    } else if (starts("²")) {
      say("на квадрат");
    } else if (starts("≈")) {
      say("приблизително");
    } else if (starts("⇒")) {
      say("следователно");
    } else if (starts("=")) {
      say("равно на");
    } else if (starts("/")) {
      say("делено на");
    } else if (starts("-")) {
      say("минус");
    } else if (starts("(") || starts(")")) {
      // grouping is heard in the words' order
    } else if (starts(" ")) {
      in_word = false;
    } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
      static constexpr std::string_view kLetters[][2] = {
          {"a", "а"},  {"P", "пе"}, {"S", "ес"}, {"h", "хаш"},       {"m", "ем"},
          {"l", "ел"}, {"D", "де"}, {"O", "о"},  {"R", "голямо ер"}, {"r", "малко ер"}};
      std::string_view name = "буква";
      for (const auto& [letter, letter_name] : kLetters) {
        if (letter.front() == c) name = letter_name;
      }
      say(name);
      ++at;
    } else {  // Cyrillic and punctuation, as written, one character at a time
      const auto lead = static_cast<unsigned char>(c);
      const std::size_t size = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
      const bool punctuation = c == ':' || c == ',' || c == '.' || c == ';';
      if (!in_word && !punctuation && !spoken.empty() && spoken.back() != ' ') spoken += ' ';
      spoken += formula.substr(at, size);
      in_word = !punctuation;
      at += size;
    }
  }
  return spoken;
}

}  // namespace design
