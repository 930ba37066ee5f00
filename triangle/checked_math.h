#pragma once

#include <cmath>

#include "triangle/failures.h"

// Double arithmetic that fails instead of producing an infinity or a NaN.
namespace triangle::checked {

inline double Finite(double result) {
  if (!std::isfinite(result)) throw OverflowError();
  return result;
}

inline double Multiply(double a, double b) { return Finite(a * b); }

inline double Divide(double a, double b) { return Finite(a / b); }

inline double SquareRoot(double v) {
  if (v < 0) throw InvalidArgumentError();
  return std::sqrt(v);
}

}  // namespace triangle::checked
