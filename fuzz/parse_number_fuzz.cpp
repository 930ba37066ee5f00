// ParseNumber on arbitrary bytes and settings against an exact reference (fuzz/
// exact_reference.h): the same value, bit for bit, for plain, grouped, decimal-comma,
// parenthesised, hexadecimal and octal texts, and an OverflowError exactly where the
// reference's value is beyond the double range.
#include <cstdint>
#include <string_view>

#include "exact_reference.h"
#include "fuzz_settings.h"
#include "triangle/failures.h"
#include "triangle/parse_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const triangle::NumberFormat format = FuzzedFormat(data[0], data[1]);
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
  const exact::Reading expected = exact::Read(text, format);
  try {
    const double value = triangle::ParseNumber(text, format);
    if (!expected || value != *expected) __builtin_trap();
  } catch (const triangle::OverflowError&) {
    if (expected) __builtin_trap();
  }
  return 0;
}
