#pragma once

#include <string_view>

#include "triangle/number_format.h"

namespace triangle {

// The number a field's text stands for.
//
// A text that, with blanks, tabs and line feeds left out, is as a whole a number written in
// `format` (its decimal separator; its group separator between groups of the right sizes
// after a leading non-zero digit, or no grouping; its negative style; an optional E exponent)
// reads as that number, so every text FormatResult writes reads back as the value it shows.
// "0,500" under decimal-point settings is therefore no grouped number: it reads as 0.
//
// Any other text reads by the plain rules: blanks, tabs and line feeds are skipped anywhere;
// the longest leading number is read (optional sign, digits, one full stop, an exponent E with
// at least one digit) and the rest ignored; &H and &O (either case, optionally after a sign)
// introduce an unsigned hexadecimal or octal integer of any length; a text that begins with
// no number reads as 0.
//
// Decimal texts are correctly rounded; a value too small for a double becomes 0 or a
// subnormal. Throws OverflowError when the magnitude is beyond the double range.
double ParseNumber(std::string_view text, const NumberFormat& format);

// What ParseNumber reads in a text, and how much of the text made the number, so that a
// reading that differs from what was typed ("7,5" read as 7) need not pass without a word.
struct NumberReading {
  enum class Extent {
    kWholeText,    // every character but blanks is part of the number
    kLeadingPart,  // a number was read and characters other than blanks were left unread
    kNoNumber,     // the text holds no number (or nothing at all) and reads as 0
  };
  double value = 0;  // exactly ParseNumber's
  Extent extent = Extent::kNoNumber;
  // The text as given, split where the reading stopped: a whole number is all read; otherwise
  // `read` ends with the number's last character and `unread` is the rest, blanks included.
  // A text with no number is all unread.
  std::string_view read;
  std::string_view unread;
};

// Reads by exactly ParseNumber's rules (ParseNumber is this reading's value). The views point
// into `text`.
NumberReading ReadNumber(std::string_view text, const NumberFormat& format);

}  // namespace triangle
