#pragma once

#include <string>
#include <vector>

namespace triangle {

enum class NegativeStyle { kMinusSign, kParentheses };

// The user's regional number settings. A plain value: it is passed to whatever needs it,
// never kept in a global, so every conversion is repeatable whatever the process locale is.
struct NumberFormat {
  std::string decimal_separator = ".";
  std::string group_separator = ",";
  // Digits per group, starting next to the decimal separator; the last size repeats, unless
  // it is 0, which leaves the digits left of the groups before it ungrouped ({3, 0}).
  // Empty means the integer digits are not grouped.
  std::vector<int> group_sizes = {3};
  bool leading_zero = true;  // 0.5 rather than .5
  NegativeStyle negative_style = NegativeStyle::kMinusSign;

  bool operator==(const NumberFormat&) const = default;
};

// Decimal point, comma grouping by thousands, leading zero, minus sign.
inline NumberFormat DecimalPointFormat() { return {}; }

// Decimal comma, no-break space grouping by thousands, leading zero, minus sign.
inline NumberFormat BulgarianFormat() {
  return {.decimal_separator = ",", .group_separator = "\u00A0", .group_sizes = {3}};
}

}  // namespace triangle
