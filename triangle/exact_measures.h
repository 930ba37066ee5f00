#pragma once

#include <array>
#include <optional>

#include "triangle/exact_value.h"
#include "triangle/quantity_index.h"

namespace triangle {

// The exact number a given value stands for: the shortest decimal that reads back as the same
// double ("2.5" is 5/2, 1E-3 is 1/1000, &HFF is 255; -0 is 0). Nothing for an infinity, a NaN
// or a decimal whose digits do not fit the 64-bit integers (1E-30, 1E20, 0.1 + 0.2).
std::optional<Rational> ExactGiven(double value);

// Each measure of the triangle whose measure `given` is exactly `value`, in simplest radical
// form, by the school's formulas: the side from the given measure (a = P/3, a = √(4·S/√3),
// a = 2·h/√3, a = R·√3, a = 2·r·√3), then P = 3·a, S = a²·√3/4, h = m = l = a·√3/2,
// R = a·√3/3, r = a·√3/6, the given measure being `value` itself. A measure whose form would
// leave the integers has none, and none has one when the side has none (a negative area).
std::array<std::optional<ExactValue>, kQuantityCount> ExactMeasures(QuantityIndex given,
                                                                    const Rational& value);
// The same from the given double, through ExactGiven; all missing when it is not exact.
std::array<std::optional<ExactValue>, kQuantityCount> ExactMeasures(QuantityIndex given,
                                                                    double value);

}  // namespace triangle
