// ParseNumber on arbitrary bytes and settings against an exact reference (fuzz/
// exact_reference.h): the same value, bit for bit, for plain, grouped, decimal-comma,
// parenthesised, hexadecimal and octal texts, and an OverflowError exactly where the
// reference's value is beyond the double range. ReadNumber splits the text where the number
// ends: what it read and left make the text, and a text with no number reads as +0.
#include <cmath>
#include <cstdint>
#include <string>
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
    const triangle::NumberReading reading = triangle::ReadNumber(text, format);
    using enum triangle::NumberReading::Extent;
    if (std::string(reading.read) + std::string(reading.unread) != text) __builtin_trap();
    if (reading.extent == kWholeText && !reading.unread.empty()) __builtin_trap();
    if (reading.extent == kLeadingPart &&
        reading.unread.find_first_not_of(" \t\n") == std::string_view::npos) {
      __builtin_trap();  // only blanks left: the number is the whole text
    }
    if (reading.extent == kNoNumber && (value != 0 || std::signbit(value))) __builtin_trap();
  } catch (const triangle::OverflowError&) {
    if (expected) __builtin_trap();
  }
  return 0;
}
