#include "triangle/parse_number.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "triangle/failures.h"

namespace triangle {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

std::string WithoutBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (!IsBlank(c)) out += c;
  }
  return out;
}

// Consumes the leading run of characters that satisfy IsMember and returns it.
template <bool (*IsMember)(char)>
std::string_view TakeWhile(std::string_view& rest) {
  const auto end = std::find_if_not(rest.begin(), rest.end(), IsMember);
  const auto length = static_cast<std::size_t>(end - rest.begin());
  const std::string_view run = rest.substr(0, length);
  rest.remove_prefix(length);
  return run;
}

bool TakePrefix(std::string_view& rest, std::string_view prefix) {
  if (prefix.empty() || !rest.starts_with(prefix)) return false;
  rest.remove_prefix(prefix.size());
  return true;
}

// Consumes "E[sign]digits" when it is complete; an E without digits is not part of a number.
std::string_view TakeExponent(std::string_view& rest) {
  if (rest.empty() || (rest[0] != 'e' && rest[0] != 'E')) return {};
  std::size_t length = 1;
  if (length < rest.size() && (rest[length] == '+' || rest[length] == '-')) ++length;
  const std::size_t digits_start = length;
  while (length < rest.size() && IsDigit(rest[length])) ++length;
  if (length == digits_start) return {};
  const std::string_view exponent = rest.substr(0, length);
  rest.remove_prefix(length);
  return exponent;
}

// Reads "[-]digits[.digits][E[sign]digits]", with at least one mantissa digit, correctly
// rounded. fast_float gives an infinity beyond the double range and 0 or a subnormal below it.
double ReadDecimal(std::string_view ascii) {
  double value = 0;
  fast_float::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (std::isinf(value)) throw OverflowError();
  return value;
}

unsigned DigitValue(char c) {
  if (IsDigit(c)) return static_cast<unsigned>(c - '0');
  return static_cast<unsigned>((c | 0x20) - 'a' + 10);  // a-f in either case
}

// Reads an unsigned integer of 4 (hexadecimal) or 3 (octal) bits a digit, of any length,
// exactly rounded to a double (ties to even).
double ReadRadixInteger(std::string_view digits, int bits_per_digit) {
  std::uint64_t leading = 0;      // the leading bits: at least 56 once there are that many
  std::int64_t dropped_bits = 0;  // how many bits follow them
  bool dropped_nonzero = false;
  for (char c : digits) {
    if (leading < (std::uint64_t{1} << 56)) {
      leading = (leading << bits_per_digit) | DigitValue(c);
    } else {
      dropped_bits += bits_per_digit;
      dropped_nonzero = dropped_nonzero || c != '0';
    }
  }
  // Round to the 53 bits of a double's significand.
  const int excess = std::max(0, static_cast<int>(std::bit_width(leading)) - 53);
  if (excess > 0) {
    const std::uint64_t rest = leading & ((std::uint64_t{1} << excess) - 1);
    const std::uint64_t half = std::uint64_t{1} << (excess - 1);
    leading >>= excess;
    dropped_bits += excess;
    if (rest > half || (rest == half && (dropped_nonzero || (leading & 1) != 0))) ++leading;
  }
  // Beyond 2^1024 the value exceeds every double; the clamp keeps the exponent an int.
  const double value = std::ldexp(static_cast<double>(leading),
                                  static_cast<int>(std::min<std::int64_t>(dropped_bits, 2048)));
  if (std::isinf(value)) throw OverflowError();
  return value;
}

// Whether an integer part with at least one group separator has groups of the right sizes,
// checked from the decimal separator leftwards. A grouped integer starts with a non-zero
// digit: "0,500" is a decimal comma typed by habit, not five hundred.
bool IsValidGrouping(std::string_view integer, const NumberFormat& format) {
  if (integer.starts_with('0')) return false;
  const std::vector<int>& sizes = format.group_sizes;
  const std::string_view separator = format.group_separator;
  for (std::size_t size_index = 0;;) {
    const std::size_t last_separator = integer.rfind(separator);
    if (size_index >= sizes.size() || sizes[size_index] <= 0) {  // grouping ends here
      return last_separator == std::string_view::npos && !integer.empty();
    }
    const auto size = static_cast<std::size_t>(sizes[size_index]);
    if (last_separator == std::string_view::npos) {
      return !integer.empty() && integer.size() <= size;
    }
    if (integer.size() - last_separator - separator.size() != size) return false;
    integer = integer.substr(0, last_separator);
    if (size_index + 1 < sizes.size()) ++size_index;  // the last size repeats
  }
}

// The digits of `text` without the group separators, as ASCII that ReadDecimal takes.
std::string ToAscii(bool negative, std::string_view integer, std::string_view fraction,
                    std::string_view exponent, const NumberFormat& format) {
  std::string ascii = negative ? "-" : "";
  ascii.reserve(integer.size() + fraction.size() + exponent.size() + 2);
  for (std::size_t i = 0; i < integer.size();) {
    if (IsDigit(integer[i])) {
      ascii += integer[i++];
    } else {
      i += format.group_separator.size();
    }
  }
  ascii += '.';
  ascii += fraction;
  ascii += exponent;
  return ascii;
}

// The value of the text when the whole of it is a number in the settings' format.
std::optional<double> ReadInSettingsFormat(std::string_view text, const NumberFormat& format) {
  std::string_view rest = text;
  bool negative = false;
  bool parentheses = false;
  if (format.negative_style == NegativeStyle::kParentheses && rest.starts_with('(')) {
    if (!rest.ends_with(')')) return std::nullopt;
    rest = rest.substr(1, rest.size() - 2);
    negative = parentheses = true;
  } else if (!rest.empty() && (rest[0] == '-' || rest[0] == '+')) {
    negative = rest[0] == '-';
    rest.remove_prefix(1);
  }
  const std::string_view number = rest;

  const std::string_view separator = format.group_separator;
  bool grouped = false;
  std::size_t digit_count = TakeWhile<IsDigit>(rest).size();
  while (rest.size() > separator.size() && IsDigit(rest[separator.size()]) &&
         TakePrefix(rest, separator)) {
    grouped = true;
    digit_count += TakeWhile<IsDigit>(rest).size();
  }
  const std::string_view integer = number.substr(0, number.size() - rest.size());
  if (grouped && !IsValidGrouping(integer, format)) return std::nullopt;

  std::string_view fraction;
  if (TakePrefix(rest, format.decimal_separator)) {
    fraction = TakeWhile<IsDigit>(rest);
    digit_count += fraction.size();
  }
  if (digit_count == 0) return std::nullopt;
  const std::string_view exponent = TakeExponent(rest);
  if (!rest.empty()) return std::nullopt;

  if (!grouped && !parentheses && format.decimal_separator == ".") {  // already plain ASCII
    return ReadDecimal(negative ? text : number);
  }
  return ReadDecimal(ToAscii(negative, integer, fraction, exponent, format));
}

// Most texts are a decimal number that fast_float reads whole ("12", "-0.5", "1e-3"). They
// mean the same by both sets of rules, unless the settings use the full stop for something
// other than the decimal point.
std::optional<double> ReadWholeDecimal(std::string_view text, const NumberFormat& format) {
  double value = 0;
  const auto result = fast_float::from_chars(text.data(), text.data() + text.size(), value);
  const bool whole = result.ec == std::errc() && result.ptr == text.data() + text.size();
  // fast_float also reads "inf" and "nan", which are no numbers here; an overflow is
  // reported by ReadDecimal.
  if (!whole || !std::isfinite(value)) return std::nullopt;
  if (format.decimal_separator != "." && text.find('.') != std::string_view::npos) {
    return std::nullopt;
  }
  return value;
}

// The longest leading number by the plain rules, and how many characters made it: none, and
// the value +0, when the text begins with no number (a lone sign included).
struct LeadingNumber {
  double value = 0;
  std::size_t length = 0;
};

LeadingNumber ReadLeadingNumber(std::string_view text) {
  std::string_view rest = text;
  bool negative = false;
  if (!rest.empty() && (rest[0] == '-' || rest[0] == '+')) {
    negative = rest[0] == '-';
    rest.remove_prefix(1);
  }
  double value = 0;
  std::size_t digits = 0;  // how many characters after the sign and any prefix made the number
  if (rest.size() >= 2 && rest[0] == '&' && (rest[1] | 0x20) == 'h') {
    rest.remove_prefix(2);
    const std::string_view run = TakeWhile<IsHexDigit>(rest);
    value = ReadRadixInteger(run, 4);
    digits = run.size();
  } else if (rest.size() >= 2 && rest[0] == '&' && (rest[1] | 0x20) == 'o') {
    rest.remove_prefix(2);
    const std::string_view run = TakeWhile<IsOctalDigit>(rest);
    value = ReadRadixInteger(run, 3);
    digits = run.size();
  } else if (!rest.empty() && (IsDigit(rest[0]) || rest[0] == '.')) {
    // fast_float stops where the plain rules do: at a second point, or at an E without
    // digits. Without a digit (".") it reads nothing.
    const auto result = fast_float::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (std::isinf(value)) throw OverflowError();
    digits = static_cast<std::size_t>(result.ptr - rest.data());
    rest.remove_prefix(digits);
  }
  if (digits == 0) return {};  // "-" is no negative number: it reads as +0
  return {negative ? -value : value, text.size() - rest.size()};
}

// Where the `length`-th character that is not a blank ends in `text`.
std::size_t EndOfNonBlanks(std::string_view text, std::size_t length) {
  std::size_t end = 0;
  for (; length > 0; ++end) {
    if (!IsBlank(text[end])) --length;
  }
  return end;
}

}  // namespace

double ParseNumber(std::string_view text, const NumberFormat& format) {
  return ReadNumber(text, format).value;
}

NumberReading ReadNumber(std::string_view text, const NumberFormat& format) {
  std::string without_blanks;
  std::string_view compact = text;
  if (std::any_of(text.begin(), text.end(), IsBlank)) {
    without_blanks = WithoutBlanks(text);
    compact = without_blanks;
  }
  using enum NumberReading::Extent;
  std::optional<double> whole = ReadWholeDecimal(compact, format);
  if (!whole) whole = ReadInSettingsFormat(compact, format);
  if (whole) return {*whole, kWholeText, text, {}};

  const LeadingNumber number = ReadLeadingNumber(compact);
  if (number.length == 0) return {number.value, kNoNumber, {}, text};
  if (number.length == compact.size()) return {number.value, kWholeText, text, {}};
  const std::size_t end = EndOfNonBlanks(text, number.length);
  return {number.value, kLeadingPart, text.substr(0, end), text.substr(end)};
}

}  // namespace triangle
