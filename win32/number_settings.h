#pragma once

#include <string>

#include "triangle/number_format.h"

namespace win32_ui {

// The user's regional number settings as Windows gives them (GetLocaleInfoEx), in UTF-8.
struct LocaleNumberSettings {
  std::string decimal_separator;    // LOCALE_SDECIMAL, "," for Bulgarian
  std::string thousands_separator;  // LOCALE_STHOUSAND, a no-break space for Bulgarian
  std::string grouping;             // LOCALE_SGROUPING, "3;0" for both Bulgarian and US English
  std::string leading_zero;         // LOCALE_ILZERO, "1": 0.5 rather than .5
  std::string negative_number;      // LOCALE_INEGNUMBER, "0": (1.1), "1": -1.1, "2"-"4": others
};

// The core's number format for those settings. Windows' grouping lists sizes from the decimal
// side; a final 0 means the last size repeats ("3;0" groups every three digits), and without it
// the digits left of the listed groups stay ungrouped ("3" writes 1234567,890). The sign styles
// other than parentheses are written with a leading minus sign, the one the core knows.
// Unreadable values keep the core's defaults.
triangle::NumberFormat NumberFormatFromLocale(const LocaleNumberSettings& settings);

}  // namespace win32_ui
