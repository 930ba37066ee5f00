#pragma once

#include <array>
#include <exception>
#include <string>
#include <string_view>

#include "platform/window_view.h"
#include "triangle/number_format.h"
#include "triangle/quantity_index.h"

// Texts every edition derives from what the window shows: the results' explanations, the copy
// of all measures and the report of a failed calculation.
namespace design {

// The formula that gave measure `field` when `given` was the chosen measure, and the value at
// full precision: "h = a·√3/2\n= 4.559014113909555".
std::string ResultExplanation(triangle::QuantityIndex field, triangle::QuantityIndex given,
                              double value, const triangle::NumberFormat& format);

// One line "caption: text" a measure, in the fields' order, captions without their blanks.
std::string MeasuresAsText(const std::array<std::string, triangle::kQuantityCount>& field_texts,
                           std::string_view line_break = "\n");

// What a field says when it refuses an edit that would not fit in `limit` characters.
std::string LengthLimitHint(int limit);

// What the user is told at `field` when a calculation read its text as `notice` says.
std::string ReadingNoticeText(triangle::QuantityIndex field,
                              const platform::WindowView::ReadingNotice& notice,
                              const triangle::NumberFormat& format);

// What the user is told when a calculation fails with `failure`.
std::string FailureMessage(const std::exception& failure);

}  // namespace design
