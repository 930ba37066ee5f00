#pragma once

#include <string>
#include <string_view>

#include "triangle/number_format.h"

namespace triangle {

// The text of a computed measure: rounded to exactly four decimals from the exact binary
// value (ties to even), integer digits grouped, with the settings' separators and negative
// style. A value that rounds to zero is written without a sign. Never fails and has no
// length limit; an infinity or NaN, which the calculator never produces, is written as
// "inf", "-inf" or "nan".
std::string FormatResult(double value, const NumberFormat& format);

// Integer digits ("1234567") grouped as a result's text groups them under `format`.
std::string GroupDigits(std::string_view digits, const NumberFormat& format);

// The shortest text that reads back as exactly `value`, laid out as std::to_chars lays it out
// (plain, with an exponent where that is shorter), with the settings' decimal separator and
// no grouping: for showing a result's full precision beside its four-decimal text.
std::string FormatFullPrecision(double value, const NumberFormat& format);

}  // namespace triangle
