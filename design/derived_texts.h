#pragma once

#include <array>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "platform/field_controls.h"
#include "platform/window_view.h"
#include "triangle/exact_value.h"
#include "triangle/failures.h"
#include "triangle/number_format.h"
#include "triangle/quantity_index.h"

// Texts every edition derives from what the window shows: the results' explanations, the copy
// of all measures and the report of a failed calculation.
namespace design {

// The formula that gave measure `field` when `given` was the chosen measure, with the exact
// value where there is one (triangle/exact_measures.h), and the value at full precision, after
// "≈" where that is not the exact value: "h = a·√3/2 = 2·⁴√27\n≈ 4.559014113909556".
std::string ResultExplanation(triangle::QuantityIndex field, triangle::QuantityIndex given,
                              double value, const triangle::NumberFormat& format,
                              const std::optional<triangle::ExactValue>& exact = std::nullopt);
// The same, said in Bulgarian words (SpokenFormula, SpokenExact), for tooltips' and fields'
// accessible descriptions: "хаш равно на а по корен квадратен от 3 делено на 2, равно на 2
// корен четвърти от 27, приблизително 4,559014113909556".
std::string SpokenExplanation(triangle::QuantityIndex field, triangle::QuantityIndex given,
                              double value,
                              const std::optional<triangle::ExactValue>& exact = std::nullopt);

// Each result's explanation after a calculation from `given` with the eight `values`, with
// the exact values of the given one; none (an empty text) for the given measure, whose field
// shows what the user typed.
std::array<std::string, triangle::kQuantityCount> ResultExplanations(
    triangle::QuantityIndex given, const std::array<double, triangle::kQuantityCount>& values,
    const triangle::NumberFormat& format);
// Their spoken forms, alike for every number format.
std::array<std::string, triangle::kQuantityCount> SpokenExplanations(
    triangle::QuantityIndex given, const std::array<double, triangle::kQuantityCount>& values,
    const triangle::NumberFormat& format);

// One line "caption: text" a measure, in the fields' order, captions without their blanks.
std::string MeasuresAsText(const std::array<std::string, triangle::kQuantityCount>& field_texts,
                           std::string_view line_break = "\n");
// The same, with the texts the window's fields show now.
std::string MeasuresAsText(const platform::FieldControls& window,
                           std::string_view line_break = "\n");

// What an option's tooltip (and its description for screen readers) says: how the side
// follows from its measure; for the side itself, that it is given directly.
std::string OptionTooltip(triangle::QuantityIndex option);

// What screen readers call an option: its caption as shown, without blanks around it, so that
// voice control finds it by what it says, then the measure's full name where the caption
// shortens it ("R описана, радиус R на описаната окръжност").
std::string OptionAccessibleName(triangle::QuantityIndex option);

// A desktop tooltip: `tooltip`, then the line that says F1 opens the solution window; no
// tooltip (an empty text) stays none.
std::string WithSolutionWindowLine(std::string tooltip);

// What a field says when it refuses an edit that would not fit in `limit` characters, and
// how long it says it.
std::string LengthLimitHint(int limit);
inline constexpr int kLengthLimitHintMilliseconds = 4000;

// What hovering over a quantity field shows: its whole text when the field cuts it, then the
// result's explanation; nothing when neither is there.
std::string FieldHoverText(std::string_view text, bool text_is_cut, std::string_view explanation);

// What a field locked by a calculation says when the pupil clicks or types into it.
std::string_view LockedFieldHint();

// What the user is told at `field` when a calculation read its text as `notice` says.
std::string ReadingNoticeText(triangle::QuantityIndex field,
                              const platform::WindowView::ReadingNotice& notice,
                              const triangle::NumberFormat& format);

// What the user is told when a calculation fails with `failure`: the core's failures by their
// kind, anything else with its own words after a Bulgarian introduction.
std::string FailureMessage(const std::exception& failure);
std::string FailureMessage(triangle::FailureKind kind);

}  // namespace design
