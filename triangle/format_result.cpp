#include "triangle/format_result.h"

// Header-only {fmt}: locale-independent, and its fixed formatting rounds the exact binary
// value to the nearest text, ties to even, like std::to_chars (which not every toolchain we
// build with has for doubles).
#include <fmt/compile.h>
#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string_view>

namespace triangle {
namespace {

// 309 integer digits of the largest double, the point and four decimals.
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

// Writes `magnitude` (finite, not negative) rounded to four decimals, ties to even, as
// "digits.dddd". Below 2^49 the value times 10^4 fits 64 bits: integer arithmetic on the
// exact binary value is exact and several times faster than {fmt}'s general method, which
// writes the rest (and agrees with std::to_chars on every value we compared).
char* WriteFourDecimals(double magnitude, char* out) {
  if (magnitude >= 0x1p49) return fmt::format_to(out, FMT_COMPILE("{:.4f}"), magnitude);
  int exponent = 0;
  const double fraction = std::frexp(magnitude, &exponent);
  const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  const std::uint64_t scaled = significand * 625;  // magnitude * 10^4 = scaled * 2^shift
  const int shift = exponent - 53 + 4;             // at most 0 below 2^49
  std::uint64_t units = 0;                         // of 10^-4
  if (shift == 0) {
    units = scaled;
  } else if (shift > -64) {  // beyond, scaled < 2^63 is below half a unit
    const int dropped = -shift;
    const std::uint64_t rest = scaled & ((std::uint64_t{1} << dropped) - 1);
    const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
    units = scaled >> dropped;
    if (rest > half || (rest == half && (units & 1) != 0)) ++units;
  }
  out = std::to_chars(out, out + 20, units / 10000).ptr;
  *out++ = '.';
  std::uint64_t decimals = units % 10000;
  for (int i = 3; i >= 0; --i, decimals /= 10) out[i] = static_cast<char>('0' + decimals % 10);
  return out + 4;
}

}  // namespace

std::string FormatResult(double value, const NumberFormat& format) {
  if (!std::isfinite(value)) return fmt::format(FMT_COMPILE("{}"), value);
  std::array<char, kMaxPlainLength> buffer;
  const char* const end = WriteFourDecimals(std::fabs(value), buffer.data());
  const std::string_view plain(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
  const bool negative = std::signbit(value) && plain != "0.0000";  // "-0.0000" tells nothing
  const std::string_view integer = plain.substr(0, plain.size() - 5);
  const std::string_view fraction = plain.substr(plain.size() - 4);
  const bool parentheses = negative && format.negative_style == NegativeStyle::kParentheses;
  const bool write_integer = integer != "0" || format.leading_zero;

  const Groups groups = SplitIntoGroups(write_integer ? integer.size() : 0, format);
  std::string text;
  text.reserve(2 + integer.size() + groups.count * format.group_separator.size() +
               format.decimal_separator.size() + fraction.size());
  if (negative) text += parentheses ? '(' : '-';
  if (write_integer) {
    text += integer.substr(0, groups.leading);
    std::size_t next = groups.leading;
    for (std::size_t group = groups.count; group-- > 0;) {
      const std::size_t size = GroupSize(format, group);
      text += format.group_separator;
      text += integer.substr(next, size);
      next += size;
    }
  }
  text += format.decimal_separator;
  text += fraction;  // always four decimals
  if (parentheses) text += ')';
  return text;
}

std::string GroupDigits(std::string_view digits, const NumberFormat& format) {
  const Groups groups = SplitIntoGroups(digits.size(), format);
  std::string text(digits.substr(0, groups.leading));
  std::size_t next = groups.leading;
  for (std::size_t group = groups.count; group-- > 0;) {
    const std::size_t size = GroupSize(format, group);
    text += format.group_separator;
    text += digits.substr(next, size);
    next += size;
  }
  return text;
}

std::string FormatFullPrecision(double value, const NumberFormat& format) {
  std::array<char, 32> buffer;  // the longest shortest form is 24 characters
  const auto written = fmt::format_to_n(buffer.data(), buffer.size(), FMT_COMPILE("{}"), value);
  std::string_view shortest(buffer.data(), written.size);
  if (!std::isfinite(value)) return std::string(shortest);

  // {fmt}'s shortest round-trip digits, laid out as std::to_chars lays them out (its layout
  // differs): plain unless the exponent notation is shorter; a plain integer exact.
  std::string text = std::signbit(value) ? "-" : "";
  if (shortest.front() == '-') shortest.remove_prefix(1);
  const std::size_t e = std::min(shortest.find('e'), shortest.size());
  int exponent = 0;  // of the first significant digit
  if (e < shortest.size()) {
    const std::string_view written_exponent = shortest.substr(e + (shortest[e + 1] == '+' ? 2 : 1));
    std::from_chars(written_exponent.data(), written_exponent.data() + written_exponent.size(),
                    exponent);
  }
  std::string digits;
  for (char c : shortest.substr(0, e)) {
    if (c != '.') digits += c;
  }
  exponent += static_cast<int>(std::min(shortest.find('.'), e)) - 1;
  const std::size_t leading_zeros = std::min(digits.find_first_not_of('0'), digits.size() - 1);
  digits.erase(0, leading_zeros);
  exponent -= static_cast<int>(leading_zeros);
  const std::size_t last = digits.find_last_not_of('0');
  digits.erase(last == std::string::npos ? 1 : last + 1);

  const int count = static_cast<int>(digits.size());
  const int plain_length = exponent >= count - 1 ? exponent + 1  // an integer
                           : exponent >= 0       ? count + 1
                                                 : count + 1 - exponent;  // 0.00ddd
  const int scientific_length = count + (count > 1 ? 1 : 0) + (std::abs(exponent) >= 100 ? 5 : 4);
  if (plain_length <= scientific_length && exponent >= count - 1) {
    fmt::format_to(std::back_inserter(text), FMT_COMPILE("{:.0f}"), std::fabs(value));
  } else if (plain_length <= scientific_length && exponent >= 0) {
    text += std::string_view(digits).substr(0, static_cast<std::size_t>(exponent) + 1);
    text += format.decimal_separator;
    text += std::string_view(digits).substr(static_cast<std::size_t>(exponent) + 1);
  } else if (plain_length <= scientific_length) {
    text += '0';
    text += format.decimal_separator;
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    text += digits;
  } else {
    text += digits[0];
    if (count > 1) {
      text += format.decimal_separator;
      text += std::string_view(digits).substr(1);
    }
    fmt::format_to(std::back_inserter(text), FMT_COMPILE("e{:+03}"), exponent);
  }
  return text;
}

}  // namespace triangle
