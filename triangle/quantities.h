#pragma once

#include "triangle/quantity_index.h"

namespace triangle {

// The double nearest to the square root of 3, the same value std::sqrt(3.0) gives.
inline constexpr double kSqrt3 = 1.7320508075688772;

// The side of the triangle whose measure `index` has the value v.
// Throws OverflowError or InvalidArgumentError (negative area); std::out_of_range for a bad index.
double SideFromInput(QuantityIndex index, double v);

// The value of measure `index` of the triangle with side a. Throws OverflowError.
double QuantityOfSide(QuantityIndex index, double a);

}  // namespace triangle
