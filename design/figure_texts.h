#pragma once

#include <array>

#include "design/figure.h"
#include "design/solution.h"
#include "triangle/number_format.h"
#include "triangle/quantity_index.h"

// The figure's texts: the measures' letters and the points' names in the drawing, the
// readings under it, and its text alternative. Each is placed by the drawing's points, so
// these come after them.
namespace design::figure_texts {

// The texts before any calculation: the letters, the readings without values, the points'
// names, and the text alternative of the drawing alone.
void AddStartTexts(Figure& figure);

// The texts of a calculation from `figure.given` with the eight `values` at full precision
// (design::DescribeFigure says how they are written). Where nothing is `drawn` (a given value
// of zero or below) only the readings, and a text alternative that says why.
void AddCalculationTexts(Figure& figure, const std::array<double, triangle::kQuantityCount>& values,
                         const triangle::NumberFormat& format, LengthUnit unit, bool drawn);

}  // namespace design::figure_texts
