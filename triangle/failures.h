#pragma once

#include <stdexcept>

namespace triangle {

// Which failure stopped a calculation, for the window to put in its own words.
enum class FailureKind { kOverflow, kNegativeSquareRoot };

// A computation that cannot give a finite double. Nothing in the core catches these: they
// stop a calculation at the failing step, and the window reports them.
class CalculationError : public std::runtime_error {
 public:
  CalculationError(FailureKind kind, const char* what) : std::runtime_error(what), kind_(kind) {}

  FailureKind Kind() const { return kind_; }

 private:
  FailureKind kind_;
};

// A product, quotient or typed number beyond the double range.
class OverflowError : public CalculationError {
 public:
  OverflowError()
      : CalculationError(FailureKind::kOverflow,
                         "overflow: a result is beyond the range of doubles") {}
};

// The square root of a negative number.
class InvalidArgumentError : public CalculationError {
 public:
  InvalidArgumentError()
      : CalculationError(FailureKind::kNegativeSquareRoot,
                         "invalid argument: square root of a negative number") {}
};

}  // namespace triangle
