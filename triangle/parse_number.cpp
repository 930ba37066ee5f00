#include "triangle/parse_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

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

// The decimal exponent of the leading significant digit, saturated: positive for magnitudes
// of 1 and above. Only used to tell overflow from underflow.
std::int64_t ApproximateMagnitude(std::string_view ascii) {
  if (!ascii.empty() && ascii[0] == '-') ascii.remove_prefix(1);
  constexpr std::int64_t kSaturation = INT64_C(1) << 50;  // far beyond any double's exponent
  std::int64_t magnitude = 0;
  const std::size_t point = ascii.find('.');
  const std::size_t mantissa_end = ascii.find_first_of("eE");
  const std::string_view integer = ascii.substr(0, std::min(point, mantissa_end));
  const std::size_t first_significant = integer.find_first_not_of('0');
  if (first_significant != std::string_view::npos) {
    magnitude = static_cast<std::int64_t>(integer.size() - first_significant);
  } else if (point != std::string_view::npos) {
    const std::string_view fraction = ascii.substr(point + 1, mantissa_end - point - 1);
    magnitude = -static_cast<std::int64_t>(fraction.find_first_not_of('0'));
  }
  if (mantissa_end != std::string_view::npos) {
    std::string_view exponent = ascii.substr(mantissa_end + 1);
    const bool negative = !exponent.empty() && exponent[0] == '-';
    if (!exponent.empty() && (exponent[0] == '-' || exponent[0] == '+')) exponent.remove_prefix(1);
    std::int64_t value = 0;
    for (char c : exponent) {
      if (value < kSaturation) value = value * 10 + (c - '0');
    }
    magnitude += negative ? -value : value;
  }
  return magnitude;
}

// Reads "[-]digits[.digits][E[sign]digits]", with at least one mantissa digit.
double ReadDecimal(std::string_view ascii) {
  double value = 0;
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (ApproximateMagnitude(ascii) > 0) throw OverflowError();
    return ascii[0] == '-' ? -0.0 : 0.0;  // too small for a double: underflows to zero
  }
  return value;
}

// Reads an unsigned integer in base 16 or 8, exactly rounded to a double.
double ReadRadixInteger(std::string_view digits, bool octal) {
  digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
  // Beyond 1024 bits the value exceeds every double: 256 hex digits, 343 octal digits.
  if (digits.size() > (octal ? 342u : 256u)) throw OverflowError();
  if (digits.empty()) return 0;
  std::string hex;
  if (octal) {  // regroup the bits three to four, from the least significant end
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    unsigned bits = 0;
    int bit_count = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
      bits |= static_cast<unsigned>(*it - '0') << bit_count;
      for (bit_count += 3; bit_count >= 4; bit_count -= 4, bits >>= 4) hex += kHexDigits[bits & 15];
    }
    if (bit_count > 0) hex += kHexDigits[bits];
    std::reverse(hex.begin(), hex.end());
    digits = hex;
  }
  double value = 0;
  const auto result =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::hex);
  if (result.ec == std::errc::result_out_of_range) throw OverflowError();
  return value;
}

// Whether an integer part with at least one group separator has groups of the right sizes,
// checked from the decimal separator leftwards.
bool IsValidGrouping(std::string_view integer, const NumberFormat& format) {
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

// Most texts are a decimal number that std::from_chars reads whole ("12", "-0.5", "1e-3").
// They mean the same by both sets of rules, unless the settings use the full stop for
// something other than the decimal point.
std::optional<double> ReadWholeDecimal(std::string_view text, const NumberFormat& format) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  const bool whole = result.ec == std::errc() && result.ptr == text.data() + text.size();
  // std::from_chars also reads "inf" and "nan", which are no numbers here.
  if (!whole || !std::isfinite(value)) return std::nullopt;
  if (format.decimal_separator != "." && text.find('.') != std::string_view::npos) {
    return std::nullopt;
  }
  return value;
}

// The longest leading number by the plain rules; 0 when the text begins with none.
double ReadLeadingNumber(std::string_view rest) {
  bool negative = false;
  if (!rest.empty() && (rest[0] == '-' || rest[0] == '+')) {
    negative = rest[0] == '-';
    rest.remove_prefix(1);
  }
  if (rest.size() >= 2 && rest[0] == '&') {
    const char radix = rest[1];
    const bool hex = radix == 'h' || radix == 'H';
    const bool octal = radix == 'o' || radix == 'O';
    if (hex || octal) {
      rest.remove_prefix(2);
      const double value = ReadRadixInteger(
          hex ? TakeWhile<IsHexDigit>(rest) : TakeWhile<IsOctalDigit>(rest), octal);
      return negative ? -value : value;
    }
  }

  const char* const start = rest.data() - (negative ? 1 : 0);  // from_chars takes '-', not '+'
  std::size_t digit_count = TakeWhile<IsDigit>(rest).size();
  if (TakePrefix(rest, ".")) digit_count += TakeWhile<IsDigit>(rest).size();
  if (digit_count == 0) return 0;
  TakeExponent(rest);
  return ReadDecimal(std::string_view(start, static_cast<std::size_t>(rest.data() - start)));
}

}  // namespace

double ParseNumber(std::string_view text, const NumberFormat& format) {
  std::string without_blanks;
  if (std::any_of(text.begin(), text.end(), IsBlank)) {
    without_blanks = WithoutBlanks(text);
    text = without_blanks;
  }
  if (const auto value = ReadWholeDecimal(text, format)) return *value;
  if (const auto value = ReadInSettingsFormat(text, format)) return *value;
  return ReadLeadingNumber(text);
}

}  // namespace triangle
