// The exact values of a calculation from any typed value: each agrees, evaluated in exact
// rational arithmetic (GMP), with the field's double to that double's few roundings; each is in
// simplest form; the given value's is the double's own decimal; a failed calculation has none.
// A form whose integers had wrapped round would be far from the double: the agreement is what
// shows that none is produced where the integers would overflow.
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>
#include <string_view>

#include "exact_reference.h"
#include "fuzz_settings.h"
#include "triangle/exact_measures.h"
#include "triangle/failures.h"
#include "triangle/parse_number.h"
#include "triangle/quantities.h"

namespace {

mpz_class Big(std::int64_t v) { return mpz_class(std::to_string(v)); }

mpq_class Power(const mpq_class& base, int exponent) {
  mpq_class power(1);
  for (int k = 0; k < exponent; ++k) power *= base;
  return power;
}

// |exact| and |approximation| agree to a relative 2^-45: the doubles take at most six
// correctly rounded steps (2^-53 each) from the exact given value.
bool Agrees(const triangle::ExactValue& exact, double approximation) {
  const mpq_class c(Big(exact.coefficient.numerator), Big(exact.coefficient.denominator));
  if (exact.IsZero() || approximation == 0) return exact.IsZero() && approximation == 0;
  if ((c < 0) != (approximation < 0)) return false;
  const mpq_class tolerance = exact::PowerOfTwo(-45);
  const mpq_class magnitude = abs(mpq_class(approximation));
  const int n = exact.root_index;
  // (|d|(1-t))^n <= |c|^n·m <= (|d|(1+t))^n
  const mpq_class value = Power(abs(c), n) * mpq_class(Big(exact.radicand));
  return Power(magnitude * (1 - tolerance), n) <= value &&
         value <= Power(magnitude * (1 + tolerance), n);
}

bool Simplest(const triangle::ExactValue& exact) {
  const auto& c = exact.coefficient;
  if (c.denominator <= 0 || std::gcd(c.numerator, c.denominator) != 1) return false;
  const int n = exact.root_index;
  if (n != 1 && n != 2 && n != 4) return false;
  if (exact.radicand < 1 || (n == 1) != (exact.radicand == 1)) return false;
  // No factor k^n > 1 (k up to 1000 checked here), and a fourth root of no square.
  for (std::int64_t k = 2; k <= 1000 && n > 1; ++k) {
    std::int64_t power = 1;
    bool fits = true;
    for (int i = 0; i < n && fits; ++i) fits = !__builtin_mul_overflow(power, k, &power);
    if (fits && exact.radicand % power == 0) return false;
  }
  if (n == 4) {
    const auto root = static_cast<std::int64_t>(std::llround(std::sqrt(double(exact.radicand))));
    for (std::int64_t r = root - 1; r <= root + 1; ++r) {
      if (r > 0 && r * r == exact.radicand) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const auto given = static_cast<triangle::QuantityIndex>(data[0] % triangle::kQuantityCount);
  const triangle::NumberFormat format = FuzzedFormat(data[1], data[2]);
  const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);
  double value = 0;
  try {
    value = triangle::ParseNumber(text, format);
  } catch (const triangle::CalculationError&) {
    return 0;  // beyond the doubles: no calculation
  }
  const auto exact = triangle::ExactMeasures(given, value);
  double values[triangle::kQuantityCount];
  try {
    const double side = triangle::SideFromInput(given, value);
    for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
      values[k] = k == given ? value : triangle::QuantityOfSide(k, side);
    }
  } catch (const triangle::CalculationError&) {
    for (const auto& measure : exact) {
      if (measure) __builtin_trap();  // a failed calculation has no exact value
    }
    return 0;
  }
  if (const auto given_exact = triangle::ExactGiven(value)) {
    const mpq_class q(Big(given_exact->numerator), Big(given_exact->denominator));
    if (exact::NearestDouble(q) != (value == 0 ? 0.0 : value)) __builtin_trap();
  }
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    if (!exact[k]) continue;
    if (!Simplest(*exact[k]) || !Agrees(*exact[k], values[k])) __builtin_trap();
  }
  return 0;
}
