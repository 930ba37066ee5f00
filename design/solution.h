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

// The solution's lines for a calculation from measure `given`, whose eight values (the given
// one as read, the others as computed, at full precision) are `values`. Every number is written
// as the fields write it under `format`; "=" leads to a value whose text is exact, "≈" to one
// that is rounded. For the area 12:
//   Дадено: S = 12
//   S = a·√3·a/4  ⇒  a = √(4·S/√3) = √(4·12/√3) ≈ 5,2643
//   P = 3·a = 3·5,2643 ≈ 15,7929
//   h = m = l = a·√3/2 = 5,2643·√3/2 ≈ 4,5590
//   R = a/√3 = 5,2643/√3 ≈ 3,0393
//   r = a/(2·√3) = 5,2643/(2·√3) ≈ 1,5197
std::vector<std::string> SolutionLines(triangle::QuantityIndex given,
                                       const std::array<double, triangle::kQuantityCount>& values,
                                       const triangle::NumberFormat& format);

// The same lines with their spoken forms, every length labelled with `unit`.
std::vector<SolutionLine> SolutionSteps(triangle::QuantityIndex given,
                                        const std::array<double, triangle::kQuantityCount>& values,
                                        const triangle::NumberFormat& format,
                                        LengthUnit unit = LengthUnit::kNone);

// The lines above, each ending in `line_break`: what a pupil copies.
std::string SolutionText(triangle::QuantityIndex given,
                         const std::array<double, triangle::kQuantityCount>& values,
                         const triangle::NumberFormat& format, std::string_view line_break = "\n");

}  // namespace design
