#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tag_name.h"
#include "triangle/parse_number.h"

namespace triangle {
namespace {

using enum NumberReading::Extent;

struct ReadingCase {
  const char* tag;
  std::string text;
  bool bulgarian;  // the settings: decimal comma, or decimal point
  double value;
  std::string read;
  std::string unread;
  NumberReading::Extent extent;
  friend void PrintTo(const ReadingCase& row, std::ostream* out) { *out << row.tag; }
};

class ReadNumber : public testing::TestWithParam<ReadingCase> {};

TEST_P(ReadNumber, SaysWhichPartOfTheTextMadeTheNumber) {
  const ReadingCase& row = GetParam();
  const NumberFormat format = row.bulgarian ? BulgarianFormat() : DecimalPointFormat();
  const NumberReading reading = triangle::ReadNumber(row.text, format);
  EXPECT_EQ(reading.value, row.value);
  EXPECT_EQ(std::signbit(reading.value), std::signbit(row.value));
  EXPECT_EQ(reading.read, row.read);
  EXPECT_EQ(reading.unread, row.unread);
  EXPECT_EQ(reading.extent, row.extent);
  // One reader: the value is ParseNumber's, bit for bit.
  const double parsed = ParseNumber(row.text, format);
  EXPECT_EQ(std::signbit(parsed), std::signbit(reading.value));
  EXPECT_EQ(parsed, reading.value);
}

const std::string kNbsp = "\u00A0";

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumber,
    testing::Values(
        // A decimal comma typed under decimal-point settings, and its mirror image.
        ReadingCase{"comma_under_point", "7,5", false, 7, "7", ",5", kLeadingPart},
        ReadingCase{"comma_under_comma", "7,5", true, 7.5, "7,5", "", kWholeText},
        ReadingCase{"point_under_comma", "7.5", true, 7.5, "7.5", "", kWholeText},
        ReadingCase{"point_and_tab_under_comma", ".5\t", true, 0.5, ".5\t", "", kWholeText},
        ReadingCase{"second_point_under_comma", "1.2.3", true, 1.2, "1.2", ".3", kLeadingPart},
        ReadingCase{"zero_comma_is_no_group", "0,500", false, 0, "0", ",500", kLeadingPart},
        // Letters after the number, an exponent without digits, blanks.
        ReadingCase{"trailing_letters", "12abc", false, 12, "12", "abc", kLeadingPart},
        ReadingCase{"letters_after_blank", "12 cm", false, 12, "12", " cm", kLeadingPart},
        ReadingCase{"exponent_without_digits", "2E", false, 2, "2", "E", kLeadingPart},
        ReadingCase{"exponent", " 2E3 ", false, 2000, " 2E3 ", "", kWholeText},
        ReadingCase{"blanks_inside", "1 2", false, 12, "1 2", "", kWholeText},
        ReadingCase{"blanks_inside_then_letter", "1 2 x", false, 12, "1 2", " x", kLeadingPart},
        ReadingCase{"blank_after_sign", "- 3", true, -3, "- 3", "", kWholeText},
        // Grouped texts in the settings' own format are whole numbers.
        ReadingCase{"point_grouped", "1,234.5", false, 1234.5, "1,234.5", "", kWholeText},
        ReadingCase{"bg_grouped", "1" + kNbsp + "234,5", true, 1234.5, "1" + kNbsp + "234,5", "",
                    kWholeText},
        ReadingCase{"bg_grouped_with_blank", "1 234,5", true, 1234.5, "1 234,5", "", kWholeText},
        ReadingCase{"bg_grouped_under_point", "1" + kNbsp + "234,5", false, 1, "1", kNbsp + "234,5",
                    kLeadingPart},
        // Prefixed integers.
        ReadingCase{"hex", "&HFF", false, 255, "&HFF", "", kWholeText},
        ReadingCase{"hex_then_letter", "&H1G", false, 1, "&H1", "G", kLeadingPart},
        ReadingCase{"hex_prefix_alone", "&H", false, 0, "", "&H", kNoNumber},
        // No number at all reads as +0, a lone sign included.
        ReadingCase{"empty", "", false, 0, "", "", kNoNumber},
        ReadingCase{"blanks_only", "  ", true, 0, "", "  ", kNoNumber},
        ReadingCase{"letters", "abc", false, 0, "", "abc", kNoNumber},
        ReadingCase{"arabic_indic_digits", "\u0661\u0662\u0663", false, 0, "", "\u0661\u0662\u0663",
                    kNoNumber},
        ReadingCase{"comma_first_under_point", ",5", false, 0, "", ",5", kNoNumber},
        ReadingCase{"lone_minus", "-", false, 0, "", "-", kNoNumber},
        ReadingCase{"minus_exponent", "-e5", false, 0, "", "-e5", kNoNumber},
        ReadingCase{"two_minuses", "--1", true, 0, "", "--1", kNoNumber},
        ReadingCase{"minus_point", "-.", false, 0, "", "-.", kNoNumber},
        ReadingCase{"minus_hex_prefix", "-&H", false, 0, "", "-&H", kNoNumber},
        // A typed negative zero is a number, and keeps its sign.
        ReadingCase{"negative_zero", "-0", false, -0.0, "-0", "", kWholeText}),
    TagName());

}  // namespace
}  // namespace triangle
