#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "triangle/number_format.h"

// Number settings chosen by the fuzzer's bytes, among those a locale could really have:
// separators that differ from each other and contain no digit, sign or blank-free clash.
// Among them the ones real locales use: the right single quotation mark (U+2019) and the
// Arabic thousands separator (U+066C) between groups, the Arabic decimal separator (U+066B),
// the narrow no-break space (U+202F), which shares its first two bytes with U+2019.
inline triangle::NumberFormat FuzzedFormat(std::uint8_t a, std::uint8_t b) {
  static const std::array<std::string, 3> kDecimal = {".", ",", "\u066B"};
  static const std::array<std::string, 9> kGroup = {",", ".", "\u00A0", "\u202F", "'",
                                                    " ", "",  "\u2019", "\u066C"};
  static const std::array<std::vector<int>, 5> kSizes = {
      std::vector<int>{3}, std::vector<int>{3, 2}, std::vector<int>{}, std::vector<int>{4},
      std::vector<int>{3, 0}};
  triangle::NumberFormat format;
  format.decimal_separator = kDecimal[a % kDecimal.size()];
  format.group_separator = kGroup[(a / 3) % kGroup.size()];
  if (format.group_separator == format.decimal_separator) format.group_separator = "";
  format.group_sizes = kSizes[b % kSizes.size()];
  format.leading_zero = (b & 0x10) == 0;
  format.negative_style =
      (b & 0x20) != 0 ? triangle::NegativeStyle::kParentheses : triangle::NegativeStyle::kMinusSign;
  return format;
}
