#pragma once

// Exact references for the number text, written apart from the code under test: the value a
// text stands for and the text a double should give are worked out in exact rational
// arithmetic (GMP) and rounded once.
#include <gmpxx.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "triangle/number_format.h"

namespace exact {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

inline mpq_class PowerOfTwo(long exponent) {
  mpq_class power(1);
  if (exponent >= 0) {
    mpz_mul_2exp(power.get_num_mpz_t(), power.get_num_mpz_t(), exponent);
  } else {
    mpz_mul_2exp(power.get_den_mpz_t(), power.get_den_mpz_t(), -exponent);
  }
  return power;
}

inline mpq_class PowerOfTen(long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent)));
  return exponent >= 0 ? mpq_class(power) : mpq_class(mpz_class(1), power);
}

// q rounded to the nearest double, ties to even; nothing when that is beyond the range.
inline std::optional<double> NearestDouble(const mpq_class& q) {
  if (q == 0) return 0.0;
  const mpq_class magnitude = abs(q);
  // 2^(e-1) < magnitude < 2^(e+1) for e below; then 2^e <= magnitude < 2^(e+1).
  long e = static_cast<long>(mpz_sizeinbase(magnitude.get_num_mpz_t(), 2)) -
           static_cast<long>(mpz_sizeinbase(magnitude.get_den_mpz_t(), 2));
  if (magnitude < PowerOfTwo(e)) --e;
  const long unit = std::max(e, -1022L) - 52;  // the place of the last of 53 bits
  const mpq_class scaled = magnitude / PowerOfTwo(unit);
  mpz_class whole = scaled.get_num() / scaled.get_den();
  const mpq_class rest = scaled - whole;
  if (rest > mpq_class(1, 2) || (rest == mpq_class(1, 2) && mpz_odd_p(whole.get_mpz_t()))) {
    ++whole;
  }
  if (static_cast<long>(mpz_sizeinbase(whole.get_mpz_t(), 2)) + unit > 1024) return std::nullopt;
  const double value = std::ldexp(whole.get_d(), static_cast<int>(unit));  // whole <= 2^53
  return q < 0 ? -value : value;
}

// What a text reads as: a value, or an overflow (nothing).
using Reading = std::optional<double>;

// sign * digits * 10^exponent, where `digits` may carry leading zeros.
inline Reading DecimalValue(bool negative, const std::string& digits, long exponent) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return negative ? -0.0 : 0.0;
  const long leading = exponent + static_cast<long>(digits.size() - first) - 1;
  if (leading > 310) return std::nullopt;            // at least 10^311
  if (leading < -330) return negative ? -0.0 : 0.0;  // below half the least subnormal
  const mpq_class value = mpq_class(mpz_class(digits.substr(first))) * PowerOfTen(exponent);
  return NearestDouble(negative ? mpq_class(-value) : value);
}

// Reads "E[sign]digits" at `at` when complete; the exponent saturates far beyond the range.
inline bool ReadExponent(std::string_view text, std::size_t& at, long& exponent) {
  std::size_t i = at;
  if (i >= text.size() || (text[i] != 'e' && text[i] != 'E')) return false;
  ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size() || !IsDigit(text[i])) return false;
  long value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i)
    value = std::min(value * 10 + (text[i] - '0'), 1'000'000'000L);
  exponent = negative ? -value : value;
  at = i;
  return true;
}

inline std::size_t DigitRun(std::string_view text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - at;
}

// Whether the integer's groups (left to right) have the sizes the settings give, counted
// from the right: sizes[i] for the i-th full group, the last size repeating, a size of 0
// ending the grouping; the leftmost group has 1 to size digits and no leading zero.
inline bool GroupsFit(const std::vector<std::string>& groups, const std::vector<int>& sizes) {
  if (sizes.empty() || groups.front().empty() || groups.front()[0] == '0') return false;
  const std::size_t full = groups.size() - 1;
  auto size_at = [&](std::size_t position) { return sizes[std::min(position, sizes.size() - 1)]; };
  for (std::size_t position = 0; position < full; ++position) {
    const int size = size_at(position);
    if (size <= 0 || groups[full - position].size() != static_cast<std::size_t>(size)) {
      return false;
    }
  }
  const int leftmost = size_at(full);
  return leftmost <= 0 || groups.front().size() <= static_cast<std::size_t>(leftmost);
}

// The reading of a text that is as a whole a number in the settings' format.
inline std::optional<Reading> ReadWholeInFormat(std::string_view text,
                                                const triangle::NumberFormat& format) {
  bool negative = false;
  if (format.negative_style == triangle::NegativeStyle::kParentheses && text.starts_with('(')) {
    if (text.size() < 2 || !text.ends_with(')')) return std::nullopt;
    text = text.substr(1, text.size() - 2);
    negative = true;
  } else if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  std::size_t at = 0;
  std::vector<std::string> groups;
  groups.emplace_back(text.substr(at, DigitRun(text, at)));
  at += groups.back().size();
  const std::string& separator = format.group_separator;
  while (!separator.empty() && text.substr(at).starts_with(separator) &&
         DigitRun(text, at + separator.size()) > 0) {
    at += separator.size();
    groups.emplace_back(text.substr(at, DigitRun(text, at)));
    at += groups.back().size();
  }
  if (groups.size() > 1 && !GroupsFit(groups, format.group_sizes)) return std::nullopt;
  std::string digits;
  for (const auto& group : groups) digits += group;
  long exponent = 0;
  if (text.substr(at).starts_with(format.decimal_separator)) {
    at += format.decimal_separator.size();
    const std::size_t count = DigitRun(text, at);
    digits += text.substr(at, count);
    exponent = -static_cast<long>(count);
    at += count;
  }
  if (digits.empty()) return std::nullopt;
  long written_exponent = 0;
  ReadExponent(text, at, written_exponent);
  if (at != text.size()) return std::nullopt;
  return DecimalValue(negative, digits, exponent + written_exponent);
}

// The plain rules: the longest leading number, &H and &O integers, 0 for no number.
inline Reading ReadLeading(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.size() >= 2 && text[0] == '&' &&
      std::string_view("HhOo").find(text[1]) != std::string_view::npos) {
    const bool hex = text[1] == 'H' || text[1] == 'h';
    std::string digits;
    for (std::size_t i = 2; i < text.size(); ++i) {
      const char c = text[i];
      const bool digit =
          hex ? std::isxdigit(static_cast<unsigned char>(c)) != 0 : (c >= '0' && c <= '7');
      if (!digit) break;
      digits += c;
    }
    const mpz_class value = digits.empty() ? mpz_class(0) : mpz_class(digits, hex ? 16 : 8);
    return NearestDouble(negative ? mpq_class(-value) : mpq_class(value));
  }
  std::size_t at = DigitRun(text, 0);
  std::string digits(text.substr(0, at));
  long exponent = 0;
  if (at < text.size() && text[at] == '.') {
    const std::size_t count = DigitRun(text, at + 1);
    digits += text.substr(at + 1, count);
    exponent = -static_cast<long>(count);
    at += 1 + count;
  }
  if (digits.empty()) return negative ? -0.0 : 0.0;
  long written_exponent = 0;
  ReadExponent(text, at, written_exponent);
  return DecimalValue(negative, digits, exponent + written_exponent);
}

// What ParseNumber should give for `text`: blanks, tabs and line feeds left out, a whole
// number in the settings' format, else the plain rules.
inline Reading Read(std::string_view text, const triangle::NumberFormat& format) {
  std::string compact;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') compact += c;
  }
  if (const auto whole = ReadWholeInFormat(compact, format)) return *whole;
  return ReadLeading(compact);
}

// The finite value rounded to a whole number of ten-thousandths, ties to even.
inline mpz_class TenThousandths(double value) {
  const mpq_class scaled = abs(mpq_class(value)) * 10000;
  mpz_class units = scaled.get_num() / scaled.get_den();
  const mpz_class twice_rest = 2 * (scaled.get_num() - units * scaled.get_den());
  if (twice_rest > scaled.get_den() ||
      (twice_rest == scaled.get_den() && mpz_odd_p(units.get_mpz_t()))) {
    ++units;
  }
  return units;
}

// The text FormatResult should write for a finite value.
inline std::string Format(double value, const triangle::NumberFormat& format) {
  const mpz_class units = TenThousandths(value);
  std::string digits = units.get_str();
  if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
  std::string integer = digits.substr(0, digits.size() - 4);
  const std::string decimals = digits.substr(digits.size() - 4);
  if (integer == "0" && !format.leading_zero) integer.clear();
  // Separators from the right: sizes[i] digits for the i-th group, the last size repeating,
  // a size of 0 or less ending the grouping.
  if (!format.group_separator.empty()) {
    std::size_t end = integer.size();
    for (std::size_t i = 0; !format.group_sizes.empty(); ++i) {
      const int size = format.group_sizes[std::min(i, format.group_sizes.size() - 1)];
      if (size <= 0 || end <= static_cast<std::size_t>(size)) break;
      end -= static_cast<std::size_t>(size);
      integer.insert(end, format.group_separator);
    }
  }
  const bool negative = std::signbit(value) && units != 0;
  const bool parentheses =
      negative && format.negative_style == triangle::NegativeStyle::kParentheses;
  std::string text = negative ? (parentheses ? "(" : "-") : "";
  text += integer + format.decimal_separator + decimals;
  if (parentheses) text += ')';
  return text;
}

}  // namespace exact
