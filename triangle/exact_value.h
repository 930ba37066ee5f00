#pragma once

#include <cstdint>
#include <optional>

// Exact values of the form c·ⁿ√m, as a pupil writes the triangle's measures: c rational,
// n 1, 2 or 4, m a positive integer with no factor kⁿ > 1 (√12 is 2√3, ⁴√48 is 2·⁴√3).
// Every integer is a std::int64_t and every step is checked: where a numerator, denominator
// or radicand would leave the 64-bit integers, the operation gives nothing, never a wrong
// value. The same on every toolchain we build with (no 128-bit integers).
namespace triangle {

// A reduced fraction: the denominator positive, the numerator and denominator coprime, neither
// the most negative integer (so that every sign change is safe).
struct Rational {
  std::int64_t numerator = 0;
  std::int64_t denominator = 1;

  bool operator==(const Rational&) const = default;
};

// numerator/denominator reduced; nothing for a zero denominator or an overflow.
std::optional<Rational> MakeRational(std::int64_t numerator, std::int64_t denominator = 1);
std::optional<Rational> Multiply(const Rational& x, const Rational& y);
std::optional<Rational> Divide(const Rational& x, const Rational& y);

// coefficient·ⁿ√radicand in its simplest form: the radicand has no factor kⁿ > 1, the root is
// of the lowest index that holds it (⁴√9 is √3), a radicand of 1 has index 1, and zero is 0·¹√1.
struct ExactValue {
  Rational coefficient;
  int root_index = 1;  // 1, 2 or 4
  std::int64_t radicand = 1;

  bool operator==(const ExactValue&) const = default;

  bool IsRational() const { return root_index == 1; }
  bool IsZero() const { return coefficient.numerator == 0; }
};

// A rational as an exact value.
ExactValue Exact(const Rational& value);
// coefficient·ⁿ√radicand simplified; nothing for a radicand below 1, an index other than
// 1, 2 or 4, or an overflow.
std::optional<ExactValue> MakeExact(const Rational& coefficient, int root_index,
                                    std::int64_t radicand);
// √3, which every formula of the triangle holds.
ExactValue SquareRootOf3();

std::optional<ExactValue> Multiply(const ExactValue& x, const ExactValue& y);
std::optional<ExactValue> Divide(const ExactValue& x, const ExactValue& y);
// The square root; nothing for a negative value or where the index would pass 4.
std::optional<ExactValue> SquareRoot(const ExactValue& x);

// The steps of a formula, each on a value that may already be missing: a missing operand
// gives a missing result.
std::optional<ExactValue> Multiply(const std::optional<ExactValue>& x,
                                   const std::optional<ExactValue>& y);
std::optional<ExactValue> Divide(const std::optional<ExactValue>& x,
                                 const std::optional<ExactValue>& y);
std::optional<ExactValue> SquareRoot(const std::optional<ExactValue>& x);

}  // namespace triangle
