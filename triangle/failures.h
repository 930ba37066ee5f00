#pragma once

#include <stdexcept>

namespace triangle {

// A computation that cannot give a finite double. Nothing in the core catches these: they
// stop a calculation at the failing step, and the window reports them.
class CalculationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A product, quotient or typed number beyond the double range.
class OverflowError : public CalculationError {
 public:
  OverflowError() : CalculationError("overflow: a result is beyond the range of doubles") {}
};

// The square root of a negative number.
class InvalidArgumentError : public CalculationError {
 public:
  InvalidArgumentError() : CalculationError("invalid argument: square root of a negative number") {}
};

}  // namespace triangle
