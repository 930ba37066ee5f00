#include "triangle/format_result.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace triangle {
namespace {

// 309 integer digits of the largest double, the point, four decimals and a sign.
constexpr std::size_t kMaxPlainLength = 320;

// Appends the integer digits with a group separator wherever a group boundary falls.
void AppendGrouped(std::string& out, std::string_view digits, const NumberFormat& format) {
  std::array<bool, kMaxPlainLength> separator_before{};
  if (!format.group_separator.empty()) {
    std::size_t from_right = 0;
    std::size_t group = 0;
    while (group < format.group_sizes.size() && format.group_sizes[group] > 0) {
      from_right += static_cast<std::size_t>(format.group_sizes[group]);
      if (from_right >= digits.size()) break;
      separator_before[digits.size() - from_right] = true;
      if (group + 1 < format.group_sizes.size()) ++group;  // the last size repeats
    }
  }
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (separator_before[i]) out += format.group_separator;
    out += digits[i];
  }
}

}  // namespace

std::string FormatResult(double value, const NumberFormat& format) {
  std::array<char, kMaxPlainLength> buffer;
  // std::to_chars is locale-independent and rounds the exact binary value correctly.
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, 4);
  std::string_view plain(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  if (!std::isfinite(value)) return std::string(plain);

  bool negative = plain.front() == '-';
  if (negative) plain.remove_prefix(1);
  const std::size_t point = plain.find('.');
  const std::string_view integer = plain.substr(0, point);
  const std::string_view fraction = plain.substr(point + 1);
  const bool is_zero = integer == "0" && fraction == "0000";
  negative = negative && !is_zero;  // "-0.0000" tells a student nothing
  const bool parentheses = format.negative_style == NegativeStyle::kParentheses;

  std::string out;
  out.reserve(plain.size() + plain.size() / 2 + format.decimal_separator.size() + 2);
  if (negative) out += parentheses ? '(' : '-';
  if (integer != "0" || format.leading_zero) AppendGrouped(out, integer, format);
  out += format.decimal_separator;
  out += fraction;
  if (negative && parentheses) out += ')';
  return out;
}

}  // namespace triangle
