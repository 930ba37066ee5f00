// FormatResult on arbitrary doubles and settings against an exact reference (fuzz/
// exact_reference.h): the value's exact decimal expansion rounded to four decimals, ties to
// even, grouped and signed as the settings say; and the text reads back through ParseNumber
// as the double nearest to what it shows.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "exact_reference.h"
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

  if (text != exact::Format(value, format)) __builtin_trap();
  mpq_class shown(exact::TenThousandths(value), 10000);
  shown.canonicalize();
  if (std::signbit(value)) shown = -shown;
  const auto read_back = exact::NearestDouble(shown);
  if (!read_back || triangle::ParseNumber(text, format) != *read_back) __builtin_trap();
  return 0;
}
