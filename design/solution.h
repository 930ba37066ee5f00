#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "triangle/number_format.h"
#include "triangle/quantity_index.h"

// The working of one calculation, step by step, in the notation pupils write in their
// notebooks: the given measure, the side from it, then every other measure from the side.
// Plain text with Unicode symbols (√, ·, ⇒), so that it copies into any document.
namespace design {

// The unit a solution's lengths are labelled with (an area with its square): a label the pupil
// chooses for the session, never a conversion. Numbered as texts::kUnitNames.
enum class LengthUnit { kNone, kMillimetre, kCentimetre, kDecimetre, kMetre, kKilometre };
inline constexpr int kLengthUnitCount = 6;

// One line of the solution: as it is written, and as a teacher says it, in Bulgarian words
// only ("корен квадратен от 3", "по", "делено на", "приблизително"), for screen readers.
struct SolutionLine {
  std::string text;
  std::string spoken;
};

// The given value as the solution and the figure write it: as a result field would write it,
// without the zeros that end its decimals ("12" rather than "12,0000", "0,5" rather than
// "0,5000"); a value that four decimals cannot hold with all its digits ("0,123456").
std::string GivenValueText(double value, const triangle::NumberFormat& format);

// The words after a length (" см") or, with `area`, after an area (" см²"), as the solution and
// the figure write them; nothing without a unit. A label, never a conversion.
std::string UnitText(LengthUnit unit, bool area);
// The same, said: "сантиметра", "квадратни сантиметра".
std::string SpokenUnit(LengthUnit unit, bool area);

// The solution of a calculation from measure `given`, whose eight values (the given one as
// read, the others as computed, at full precision) are `values`: the given value, the side
// from it, then every other measure from the side, each with its exact value in simplest
// radical form (triangle/exact_measures.h) where the given value has one, and after "≈" the
// field's own text where that value's decimals do not end within four. Where the side has an
// exact form, that form is what the later lines put in; a measure without one (its integers
// would overflow) ends as the line did before exact values, "=" or "≈" the field's text. For
// the area 12:
//   Дадено: S = 12
//   S = a²·√3/4  ⇒  a² = 4·S/√3  ⇒  a = √(4·S/√3) = √(4·12/√3) = 4·⁴√3 ≈ 5,2643
//   P = 3·a = 3·4·⁴√3 = 12·⁴√3 ≈ 15,7929
//   h = m = l = a·√3/2 = 4·⁴√3·√3/2 = 2·⁴√27 ≈ 4,5590
//   R = a·√3/3 = 4·⁴√3·√3/3 = 4·⁴√27/3 ≈ 3,0393
//   r = a·√3/6 = 4·⁴√3·√3/6 = 2·⁴√27/3 ≈ 1,5197
// A given value of zero or below is no triangle's: a line before the steps says so. Every
// number is written as the fields write it under `format`, every length labelled with `unit`.
std::vector<std::string> SolutionLines(triangle::QuantityIndex given,
                                       const std::array<double, triangle::kQuantityCount>& values,
                                       const triangle::NumberFormat& format,
                                       LengthUnit unit = LengthUnit::kNone);

// The same lines with their spoken forms.
std::vector<SolutionLine> SolutionSteps(triangle::QuantityIndex given,
                                        const std::array<double, triangle::kQuantityCount>& values,
                                        const triangle::NumberFormat& format,
                                        LengthUnit unit = LengthUnit::kNone);

// The lines above, each ending in `line_break`: what a pupil copies.
std::string SolutionText(triangle::QuantityIndex given,
                         const std::array<double, triangle::kQuantityCount>& values,
                         const triangle::NumberFormat& format, std::string_view line_break = "\n",
                         LengthUnit unit = LengthUnit::kNone);

// The solution's heading, for the window or the page that shows it.
std::string_view SolutionTitle();

}  // namespace design
