#include "triangle/quantities.h"

#include <stdexcept>

#include "triangle/checked_math.h"

namespace triangle {

using checked::Divide;
using checked::Multiply;
using checked::SquareRoot;

// The order of operations below is deliberate, one rounding per step: the area is
// ((a * sqrt3) * a) / 4, not (a * a) * sqrt3 / 4, and the inradius uses the single constant
// sqrt3 * 2 (an exact doubling). Reordering changes the last bits of the results.

double SideFromInput(QuantityIndex index, double v) {
  switch (index) {
    case kSide:
      return v;
    case kPerimeter:
      return Divide(v, 3);
    case kArea:
      return SquareRoot(Divide(Multiply(v, 4), kSqrt3));
    case kMedian:
    case kHeight:
    case kBisector:  // the three are one length in an equilateral triangle
      return Divide(Multiply(v, 2), kSqrt3);
    case kCircumradius:
      return Multiply(v, kSqrt3);
    case kInradius:
      return Multiply(v, kSqrt3 * 2);
  }
  throw std::out_of_range("SideFromInput: no such quantity");
}

double QuantityOfSide(QuantityIndex index, double a) {
  switch (index) {
    case kSide:
      return a;
    case kPerimeter:
      return Multiply(a, 3);
    case kArea:
      return Divide(Multiply(Multiply(a, kSqrt3), a), 4);
    case kMedian:
    case kHeight:
    case kBisector:
      return Divide(Multiply(a, kSqrt3), 2);
    case kCircumradius:
      return Divide(a, kSqrt3);
    case kInradius:
      return Divide(a, kSqrt3 * 2);
  }
  throw std::out_of_range("QuantityOfSide: no such quantity");
}

}  // namespace triangle
