#include "triangle/format_result.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "tag_name.h"

namespace triangle {
namespace {

const std::string kNbsp = "\u00A0";

const NumberFormat kParentheses{.negative_style = NegativeStyle::kParentheses};
const NumberFormat kNoLeadingZero{.leading_zero = false};
const NumberFormat kIndianGrouping{.group_sizes = {3, 2}};
const NumberFormat kOneGroup{.group_sizes = {3, 0}};
const NumberFormat kUngrouped{.group_sizes = {}};

struct FormatCase {
  const char* tag;
  double value;
  NumberFormat format;
  std::string expected;
  friend void PrintTo(const FormatCase& row, std::ostream* out) { *out << row.tag; }
};

class FormatResultTable : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatResultTable, WritesTheExpectedText) {
  EXPECT_EQ(FormatResult(GetParam().value, GetParam().format), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FormatResultTable,
    testing::Values(
        FormatCase{"point_median", 8.660254037844386, DecimalPointFormat(), "8.6603"},
        FormatCase{"point_area", 43.301270189221924, DecimalPointFormat(), "43.3013"},
        FormatCase{"point_fraction", 0.8660254, DecimalPointFormat(), "0.8660"},
        FormatCase{"point_negative", -2.598076211353316, DecimalPointFormat(), "-2.5981"},
        FormatCase{"point_grouped", 1234.5, DecimalPointFormat(), "1,234.5000"},
        FormatCase{"point_zero", 0, DecimalPointFormat(), "0.0000"},
        FormatCase{"point_keeps_trailing_zeros", 30, DecimalPointFormat(), "30.0000"},
        FormatCase{"bg_median", 8.660254037844386, BulgarianFormat(), "8,6603"},
        FormatCase{"bg_fraction", 0.8660254, BulgarianFormat(), "0,8660"},
        FormatCase{"bg_negative", -2.598076211353316, BulgarianFormat(), "-2,5981"},
        FormatCase{"bg_grouped", 1234.5, BulgarianFormat(), "1" + kNbsp + "234,5000"},
        FormatCase{"bg_zero", 0, BulgarianFormat(), "0,0000"},
        FormatCase{"group_boundary_exact", 123456, DecimalPointFormat(), "123,456.0000"},
        FormatCase{"group_below_first", 999.99999, DecimalPointFormat(), "1,000.0000"},
        FormatCase{"above_1e15", 1234567890123456.7, DecimalPointFormat(),
                   "1,234,567,890,123,456.7500"},
        FormatCase{"exact_tie_to_even_down", 0.03125, DecimalPointFormat(), "0.0312"},
        FormatCase{"exact_tie_to_even_up", 0.09375, DecimalPointFormat(), "0.0938"},
        FormatCase{"just_above_tie", 2.00005000001, DecimalPointFormat(), "2.0001"},
        FormatCase{"tiny_negative_has_no_sign", -0.00001, DecimalPointFormat(), "0.0000"},
        FormatCase{"negative_zero_has_no_sign", -0.0, DecimalPointFormat(), "0.0000"},
        FormatCase{"parentheses", -1234.5, kParentheses, "(1,234.5000)"},
        FormatCase{"parentheses_positive", 1.5, kParentheses, "1.5000"},
        FormatCase{"no_leading_zero", 0.5, kNoLeadingZero, ".5000"},
        FormatCase{"no_leading_zero_negative", -0.5, kNoLeadingZero, "-.5000"},
        FormatCase{"no_leading_zero_keeps_zero", 0, kNoLeadingZero, ".0000"},
        FormatCase{"indian_grouping", 123456789, kIndianGrouping, "12,34,56,789.0000"},
        FormatCase{"one_group", 1234567.25, kOneGroup, "1234,567.2500"},
        FormatCase{"ungrouped", 1234567.25, kUngrouped, "1234567.2500"},
        FormatCase{"infinity", INFINITY, DecimalPointFormat(), "inf"},
        FormatCase{"nan", NAN, DecimalPointFormat(), "nan"}),
    TagName());

TEST(FormatResult, WritesEveryIntegerDigitOfTheLargestDouble) {
  const std::string text = FormatResult(DBL_MAX, kUngrouped);
  EXPECT_EQ(text.size(), 309u + 5u);
  EXPECT_TRUE(text.starts_with("17976931348623157")) << text;
  EXPECT_TRUE(text.ends_with(".0000")) << text;

  const std::string grouped = FormatResult(-DBL_MAX, BulgarianFormat());
  EXPECT_EQ(grouped.size(), 1u + 309u + 102u * kNbsp.size() + 5u);  // 309 digits: 102 separators
}

TEST(FormatResult, WritesTheSmallestSubnormalAsZero) {
  EXPECT_EQ(FormatResult(4.9e-324, DecimalPointFormat()), "0.0000");
}

TEST(FormatFullPrecision, WritesTheShortestRoundTripTextWithTheSettingsSeparator) {
  EXPECT_EQ(FormatFullPrecision(8.660254037844386, DecimalPointFormat()), "8.660254037844386");
  EXPECT_EQ(FormatFullPrecision(8.660254037844386, BulgarianFormat()), "8,660254037844386");
  EXPECT_EQ(FormatFullPrecision(12.000000000000004, BulgarianFormat()), "12,000000000000004");
  EXPECT_EQ(FormatFullPrecision(30, BulgarianFormat()), "30");
  EXPECT_EQ(FormatFullPrecision(-2.5e-300, BulgarianFormat()), "-2,5e-300");
}

}  // namespace
}  // namespace triangle
