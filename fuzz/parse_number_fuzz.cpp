// ParseNumber on arbitrary bytes: it returns a finite value or fails with OverflowError, and
// where no settings-specific separator is involved it agrees with a separately written reader.
#include <locale.h>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_settings.h"
#include "triangle/failures.h"
#include "triangle/parse_number.h"

namespace {

// The plain reading rules, written out step by step; glibc's strtod in the C locale (a
// different, correctly rounded implementation) turns the digits into a double.
struct Reference {
  bool applies = false;  // the text is one the plain rules decide alone
  bool overflows = false;
  double value = 0;
};

Reference ReadPlainly(std::string_view text, const triangle::NumberFormat& format) {
  std::string compact;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') compact += c;
  }
  Reference reference;
  // Text with a separator of the settings may be in their own format: not plain. (A full
  // stop as the decimal point reads the same by both rules.)
  const bool has_decimal = format.decimal_separator != "." &&
                           compact.find(format.decimal_separator) != std::string::npos;
  const bool has_group =
      !format.group_separator.empty() && compact.find(format.group_separator) != std::string::npos;
  if (has_decimal || has_group) return reference;
  if (compact.find('&') != std::string::npos || compact.find('(') != std::string::npos) {
    return reference;
  }
  reference.applies = true;

  std::size_t end = 0;
  if (end < compact.size() && (compact[end] == '+' || compact[end] == '-')) ++end;
  std::size_t digits = 0;
  while (end < compact.size() && std::isdigit(static_cast<unsigned char>(compact[end]))) {
    ++end;
    ++digits;
  }
  if (end < compact.size() && compact[end] == '.') {
    ++end;
    while (end < compact.size() && std::isdigit(static_cast<unsigned char>(compact[end]))) {
      ++end;
      ++digits;
    }
  }
  if (digits == 0) return reference;  // no number: 0
  if (end < compact.size() && (compact[end] == 'e' || compact[end] == 'E')) {
    std::size_t exponent = end + 1;
    if (exponent < compact.size() && (compact[exponent] == '+' || compact[exponent] == '-')) {
      ++exponent;
    }
    std::size_t exponent_digits = exponent;
    while (exponent_digits < compact.size() &&
           std::isdigit(static_cast<unsigned char>(compact[exponent_digits]))) {
      ++exponent_digits;
    }
    if (exponent_digits > exponent) end = exponent_digits;
  }
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
  const std::string number = compact.substr(0, end);
  errno = 0;
  reference.value = strtod_l(number.c_str(), nullptr, c_locale);
  reference.overflows = errno == ERANGE && std::isinf(reference.value);
  return reference;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const triangle::NumberFormat format = FuzzedFormat(data[0], data[1]);
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
  const Reference reference = ReadPlainly(text, format);
  try {
    const double value = triangle::ParseNumber(text, format);
    if (!std::isfinite(value)) __builtin_trap();
    if (reference.applies && (reference.overflows || value != reference.value)) __builtin_trap();
  } catch (const triangle::OverflowError&) {
    if (reference.applies && !reference.overflows) __builtin_trap();
  }
  return 0;
}
