#include "triangle/exact_measures.h"

// Header-only {fmt}, as in format_result.cpp: its shortest round-trip digits on every
// toolchain we build with (not all of them have std::to_chars for doubles).
#include <fmt/compile.h>
#include <fmt/format.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace triangle {
namespace {

std::optional<ExactValue> Of(std::int64_t numerator, std::int64_t denominator = 1) {
  return Exact(Rational{numerator, denominator});  // already reduced
}

std::optional<ExactValue> Sqrt3() { return SquareRootOf3(); }

std::optional<ExactValue> SideFrom(QuantityIndex given, const std::optional<ExactValue>& v) {
  switch (given) {
    case kSide:
      return v;
    case kPerimeter:
      return Divide(v, Of(3));
    case kArea:  // a² = 4·S/√3
      return SquareRoot(Divide(Multiply(Of(4), v), Sqrt3()));
    case kMedian:
    case kHeight:
    case kBisector:
      return Divide(Multiply(Of(2), v), Sqrt3());
    case kCircumradius:
      return Multiply(v, Sqrt3());
    case kInradius:
      return Multiply(Multiply(Of(2), v), Sqrt3());
  }
  throw std::out_of_range("ExactMeasures: no such quantity");
}

std::optional<ExactValue> MeasureOf(QuantityIndex measure, const std::optional<ExactValue>& a) {
  switch (measure) {
    case kSide:
      return a;
    case kPerimeter:
      return Multiply(Of(3), a);
    case kArea:
      return Divide(Multiply(Multiply(a, a), Sqrt3()), Of(4));
    case kMedian:
    case kHeight:
    case kBisector:
      return Divide(Multiply(a, Sqrt3()), Of(2));
    case kCircumradius:
      return Divide(Multiply(a, Sqrt3()), Of(3));
    case kInradius:
      return Divide(Multiply(a, Sqrt3()), Of(6));
  }
  throw std::out_of_range("ExactMeasures: no such quantity");
}

}  // namespace

std::optional<Rational> ExactGiven(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  if (value == 0) return Rational{0, 1};
  // The shortest digits that read back as `value`, plain or as d.ddde±x: up to 17 digits.
  std::array<char, 40> buffer;
  const auto shortest =
      fmt::format_to_n(buffer.data(), buffer.size(), FMT_COMPILE("{}"), std::fabs(value));
  const std::string_view text(buffer.data(), shortest.size);
  std::int64_t digits = 0;
  int exponent = 0;
  bool after_point = false;
  std::size_t at = 0;
  for (; at < text.size() && text[at] != 'e'; ++at) {
    if (text[at] == '.') {
      after_point = true;
      continue;
    }
    if (__builtin_mul_overflow(digits, 10, &digits) ||
        __builtin_add_overflow(digits, text[at] - '0', &digits)) {
      return std::nullopt;
    }
    if (after_point) --exponent;
  }
  if (at < text.size()) {
    int written_exponent = 0;
    const char* from = text.data() + at + 1 + (text[at + 1] == '+' ? 1 : 0);
    std::from_chars(from, text.data() + text.size(), written_exponent);
    exponent += written_exponent;
  }
  std::int64_t scale = 1;
  for (int k = 0; k < std::abs(exponent); ++k) {
    if (__builtin_mul_overflow(scale, 10, &scale)) return std::nullopt;
  }
  const std::int64_t numerator = value < 0 ? -digits : digits;
  if (exponent >= 0) {
    std::int64_t whole = 0;
    if (__builtin_mul_overflow(numerator, scale, &whole)) return std::nullopt;
    return MakeRational(whole);
  }
  return MakeRational(numerator, scale);
}

std::array<std::optional<ExactValue>, kQuantityCount> ExactMeasures(QuantityIndex given,
                                                                    const Rational& value) {
  std::array<std::optional<ExactValue>, kQuantityCount> measures;
  const std::optional<ExactValue> side = SideFrom(given, Exact(value));
  for (QuantityIndex k = 0; k < kQuantityCount; ++k) {
    measures[static_cast<std::size_t>(k)] = k == given ? Exact(value) : MeasureOf(k, side);
    if (!side) measures[static_cast<std::size_t>(k)].reset();
  }
  return measures;
}

std::array<std::optional<ExactValue>, kQuantityCount> ExactMeasures(QuantityIndex given,
                                                                    double value) {
  const std::optional<Rational> exact = ExactGiven(value);
  if (!exact) return {};
  return ExactMeasures(given, *exact);
}

}  // namespace triangle
