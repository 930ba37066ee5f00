#include "triangle/exact_value.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>

namespace triangle {
namespace {

using Int = std::int64_t;

// The most negative integer has no negation: it counts as an overflow everywhere.
constexpr Int kLowest = std::numeric_limits<Int>::min();

std::optional<Int> CheckedMultiply(Int a, Int b) {
  Int product = 0;
  if (__builtin_mul_overflow(a, b, &product) || product == kLowest) return std::nullopt;
  return product;
}

std::optional<Int> CheckedPower(Int base, int exponent) {
  Int power = 1;
  for (int k = 0; k < exponent; ++k) {
    const std::optional<Int> next = CheckedMultiply(power, base);
    if (!next) return std::nullopt;
    power = *next;
  }
  return power;
}

// The largest integer whose square is at most v (v >= 0).
Int IntegerSquareRoot(Int v) {
  auto root = static_cast<Int>(std::sqrt(static_cast<double>(v)));
  while (root > 0 && root > v / root) --root;  // root² > v
  while (root + 1 <= v / (root + 1)) ++root;   // (root + 1)² <= v
  return root;
}

// radicand = outside^index · rest, with rest free of index-th powers.
struct Extracted {
  Int outside = 1;
  Int rest = 1;
};

// Trial division takes out each prime factor p whole while p^index (for square roots p³) can
// still divide what is left of the radicand. What is then left has no prime factor below p:
// under a fourth root it has at most three prime factors and so no fourth power; under a
// square root at most two, so that it is a prime's square or free of squares. The cost stays
// below about a million divisions, and every product divides the radicand: none overflows.
Extracted ExtractPowers(Int radicand, int index) {
  if (index == 1) return {.outside = radicand, .rest = 1};
  Extracted result;
  Int left = radicand;
  const Int bound_power = index == 2 ? 3 : index;
  for (Int p = 2;; p += p == 2 ? 1 : 2) {
    Int bound = 1;  // p^bound_power, or past `left` when that would overflow
    bool beyond = false;
    for (Int k = 0; k < bound_power && !beyond; ++k) {
      beyond = bound > left / p;
      bound *= beyond ? 1 : p;
    }
    if (beyond) break;
    int multiplicity = 0;
    while (left % p == 0) {
      left /= p;
      ++multiplicity;
    }
    for (int k = 0; k < multiplicity / index; ++k) result.outside *= p;
    for (int k = 0; k < multiplicity % index; ++k) result.rest *= p;
  }
  const Int root = IntegerSquareRoot(left);
  if (index == 2 && left > 1 && root * root == left) {
    result.outside *= root;
  } else {
    result.rest *= left;
  }
  return result;
}

}  // namespace

std::optional<Rational> MakeRational(Int numerator, Int denominator) {
  if (denominator == 0 || numerator == kLowest || denominator == kLowest) return std::nullopt;
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  const Int divisor = std::gcd(numerator, denominator);
  return Rational{numerator / divisor, denominator / divisor};
}

std::optional<Rational> Multiply(const Rational& x, const Rational& y) {
  // Cross-reduced first, so that the products are as small as the result allows.
  const Int a = std::gcd(x.numerator, y.denominator);
  const Int b = std::gcd(y.numerator, x.denominator);
  const std::optional<Int> numerator = CheckedMultiply(x.numerator / a, y.numerator / b);
  const std::optional<Int> denominator = CheckedMultiply(x.denominator / b, y.denominator / a);
  if (!numerator || !denominator) return std::nullopt;
  return Rational{*numerator, *denominator};
}

std::optional<Rational> Divide(const Rational& x, const Rational& y) {
  if (y.numerator == 0) return std::nullopt;
  const std::optional<Rational> reciprocal = MakeRational(y.denominator, y.numerator);
  if (!reciprocal) return std::nullopt;
  return Multiply(x, *reciprocal);
}

ExactValue Exact(const Rational& value) { return {.coefficient = value}; }

std::optional<ExactValue> MakeExact(const Rational& coefficient, int root_index, Int radicand) {
  if (radicand < 1 || (root_index != 1 && root_index != 2 && root_index != 4)) return std::nullopt;
  if (coefficient.numerator == 0) return ExactValue{};
  const Extracted extracted = ExtractPowers(radicand, root_index);
  const std::optional<Rational> c = Multiply(coefficient, Rational{extracted.outside, 1});
  if (!c) return std::nullopt;
  ExactValue value{.coefficient = *c, .root_index = root_index, .radicand = extracted.rest};
  // A fourth root of a square is a square root: ⁴√9 = √3. What is left is free of squares,
  // since the radicand had no fourth powers.
  if (value.root_index == 4) {
    const Int root = IntegerSquareRoot(value.radicand);
    if (root * root == value.radicand) {
      value.root_index = 2;
      value.radicand = root;
    }
  }
  if (value.radicand == 1) value.root_index = 1;
  return value;
}

ExactValue SquareRootOf3() { return {.coefficient = {1, 1}, .root_index = 2, .radicand = 3}; }

std::optional<ExactValue> Multiply(const ExactValue& x, const ExactValue& y) {
  const std::optional<Rational> coefficient = Multiply(x.coefficient, y.coefficient);
  if (!coefficient) return std::nullopt;
  // Both roots as roots of the larger index (the indices are 1, 2 and 4: it is their lcm).
  const int index = x.root_index > y.root_index ? x.root_index : y.root_index;
  const std::optional<Int> xr = CheckedPower(x.radicand, index / x.root_index);
  const std::optional<Int> yr = CheckedPower(y.radicand, index / y.root_index);
  if (!xr || !yr) return std::nullopt;
  const std::optional<Int> radicand = CheckedMultiply(*xr, *yr);
  if (!radicand) return std::nullopt;
  return MakeExact(*coefficient, index, *radicand);
}

std::optional<ExactValue> Divide(const ExactValue& x, const ExactValue& y) {
  if (y.IsZero()) return std::nullopt;
  // 1/(c·ⁿ√m) = ⁿ√(m^(n-1)) / (c·m): the denominator rationalised.
  const std::optional<Rational> m = MakeRational(y.radicand);
  if (!m) return std::nullopt;
  const std::optional<Rational> scale = Multiply(y.coefficient, *m);
  const std::optional<Int> radicand = CheckedPower(y.radicand, y.root_index - 1);
  if (!scale || !radicand) return std::nullopt;
  const std::optional<Rational> coefficient = Divide(Rational{1, 1}, *scale);
  if (!coefficient) return std::nullopt;
  const std::optional<ExactValue> reciprocal = MakeExact(*coefficient, y.root_index, *radicand);
  if (!reciprocal) return std::nullopt;
  return Multiply(x, *reciprocal);
}

std::optional<ExactValue> SquareRoot(const ExactValue& x) {
  if (x.coefficient.numerator < 0 || x.root_index == 4) return std::nullopt;
  if (x.IsZero()) return ExactValue{};
  // √((p/q)·ⁿ√m) = ²ⁿ√(pⁿ·m·qⁿ) / q.
  const int n = x.root_index;
  const std::optional<Int> p = CheckedPower(x.coefficient.numerator, n);
  const std::optional<Int> q = CheckedPower(x.coefficient.denominator, n);
  if (!p || !q) return std::nullopt;
  const std::optional<Int> pm = CheckedMultiply(*p, x.radicand);
  if (!pm) return std::nullopt;
  const std::optional<Int> radicand = CheckedMultiply(*pm, *q);
  if (!radicand) return std::nullopt;
  return MakeExact(Rational{1, x.coefficient.denominator}, 2 * n, *radicand);
}

std::optional<ExactValue> Multiply(const std::optional<ExactValue>& x,
                                   const std::optional<ExactValue>& y) {
  return x && y ? Multiply(*x, *y) : std::nullopt;
}

std::optional<ExactValue> Divide(const std::optional<ExactValue>& x,
                                 const std::optional<ExactValue>& y) {
  return x && y ? Divide(*x, *y) : std::nullopt;
}

std::optional<ExactValue> SquareRoot(const std::optional<ExactValue>& x) {
  return x ? SquareRoot(*x) : std::nullopt;
}

}  // namespace triangle
