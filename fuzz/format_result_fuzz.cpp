// FormatResult on arbitrary doubles and settings: four decimals always, and the text reads
// back through ParseNumber to the value rounded to four decimals.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_settings.h"
#include "triangle/format_result.h"
#include "triangle/parse_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 10) return 0;
  double value = 0;
  std::memcpy(&value, data, sizeof value);
  const triangle::NumberFormat format = FuzzedFormat(data[8], data[9]);
  const std::string text = triangle::FormatResult(value, format);
  if (!std::isfinite(value)) return 0;

  // Exactly four digits follow the last decimal separator, then at most a closing parenthesis.
  const std::size_t separator = text.rfind(format.decimal_separator);
  if (separator == std::string::npos) __builtin_trap();
  std::string decimals = text.substr(separator + format.decimal_separator.size());
  if (!decimals.empty() && decimals.back() == ')') decimals.pop_back();
  if (decimals.size() != 4) __builtin_trap();
  for (char c : decimals) {
    if (c < '0' || c > '9') __builtin_trap();
  }

  char plain[400];
  const auto written =
      std::to_chars(plain, plain + sizeof plain, value, std::chars_format::fixed, 4);
  double rounded = 0;
  std::from_chars(plain, written.ptr, rounded);
  if (triangle::ParseNumber(text, format) != rounded) __builtin_trap();
  return 0;
}
