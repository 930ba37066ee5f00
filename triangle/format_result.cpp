#include "triangle/format_result.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace triangle {
namespace {

// 309 integer digits of the largest double, the point, four decimals and a sign.
constexpr std::size_t kMaxPlainLength = 320;

// How the integer digits split into groups: a leading group, then `count` full groups.
struct Groups {
  std::size_t leading = 0;
  std::size_t count = 0;
};

// The size of full group `group`, counted from the decimal separator leftwards.
std::size_t GroupSize(const NumberFormat& format, std::size_t group) {
  return static_cast<std::size_t>(
      format.group_sizes[std::min(group, format.group_sizes.size() - 1)]);  // the last repeats
}

// A size of 0 or less ends the grouping there; otherwise the last size repeats.
Groups SplitIntoGroups(std::size_t digit_count, const NumberFormat& format) {
  Groups groups{.leading = digit_count};
  const auto& sizes = format.group_sizes;
  const auto usable = static_cast<std::size_t>(
      std::find_if(sizes.begin(), sizes.end(), [](int size) { return size <= 0; }) - sizes.begin());
  if (format.group_separator.empty() || usable == 0) return groups;
  const std::size_t max_count = usable == sizes.size() ? SIZE_MAX : usable;
  while (groups.count < max_count) {
    const std::size_t size = GroupSize(format, groups.count);
    if (groups.leading <= size) break;
    groups.leading -= size;
    ++groups.count;
  }
  return groups;
}

// The pieces are a few characters each: a plain loop beats a call to memcpy.
char* Append(char* out, std::string_view text) {
  for (char c : text) *out++ = c;
  return out;
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
  const std::string_view integer = plain.substr(0, plain.size() - 5);
  const std::string_view fraction = plain.substr(plain.size() - 4);
  negative = negative && plain != "0.0000";  // "-0.0000" tells a student nothing
  const bool parentheses = negative && format.negative_style == NegativeStyle::kParentheses;
  const bool write_integer = integer != "0" || format.leading_zero;

  const Groups groups = SplitIntoGroups(write_integer ? integer.size() : 0, format);
  // Written into a stack buffer first, so the string is allocated once at its final size.
  const std::size_t length = 2 + integer.size() + groups.count * format.group_separator.size() +
                             format.decimal_separator.size() + fraction.size();
  std::array<char, 512> stack_buffer;
  std::string heap_buffer;
  char* const start = length <= stack_buffer.size()
                          ? stack_buffer.data()
                          : (heap_buffer.resize(length), heap_buffer.data());
  char* out = start;
  if (negative) *out++ = parentheses ? '(' : '-';
  if (write_integer) {
    out = Append(out, integer.substr(0, groups.leading));
    std::size_t next = groups.leading;
    for (std::size_t group = groups.count; group-- > 0;) {
      const std::size_t size = GroupSize(format, group);
      out = Append(out, format.group_separator);
      out = Append(out, integer.substr(next, size));
      next += size;
    }
  }
  out = Append(out, format.decimal_separator);
  std::memcpy(out, fraction.data(), 4);  // always four decimals
  out += 4;
  if (parentheses) *out++ = ')';
  return std::string(start, out);
}

std::string FormatFullPrecision(double value, const NumberFormat& format) {
  std::array<char, 32> buffer;  // the longest round-trip form is 24 characters
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  const std::string_view plain(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  const std::size_t point = plain.find('.');
  if (point == std::string_view::npos) return std::string(plain);
  std::string text(plain.substr(0, point));
  text += format.decimal_separator;
  text += plain.substr(point + 1);
  return text;
}

}  // namespace triangle
