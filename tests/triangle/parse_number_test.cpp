#include "triangle/parse_number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "tag_name.h"
#include "triangle/failures.h"
#include "triangle/format_result.h"

namespace triangle {
namespace {

const std::string kNbsp = "\u00A0";

struct ParseCase {
  const char* tag;
  std::string text;
  double expected;
  friend void PrintTo(const ParseCase& row, std::ostream* out) { *out << row.tag; }
};

// Texts whose value is the same under decimal-point and under Bulgarian settings: the plain
// rules, where the reading stops at the first character that cannot continue the number.
class PlainRules : public testing::TestWithParam<ParseCase> {};

TEST_P(PlainRules, ReadTheLeadingNumberUnderEitherSettings) {
  for (const auto& format : {DecimalPointFormat(), BulgarianFormat()}) {
    SCOPED_TRACE(format.decimal_separator);
    EXPECT_EQ(ParseNumber(GetParam().text, format), GetParam().expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PlainRules,
    testing::Values(
        ParseCase{"empty", "", 0}, ParseCase{"letters", "abc", 0}, ParseCase{"lone_minus", "-", 0},
        ParseCase{"lone_point", ".", 0}, ParseCase{"stops_at_letters", "12abc", 12},
        ParseCase{"blank_between_digits", "1 2", 12}, ParseCase{"tab_and_line_feed", "\t1\n2 ", 12},
        ParseCase{"no_leading_zero", ".5", 0.5}, ParseCase{"negative", "-3", -3},
        ParseCase{"plus", "+7", 7}, ParseCase{"blank_after_sign", "- 3", -3},
        ParseCase{"exponent", "2E3", 2000}, ParseCase{"lower_exponent", "2e-3", 0.002},
        ParseCase{"exponent_without_digits", "2E", 2},
        ParseCase{"exponent_sign_without_digits", "2E+x", 2},
        ParseCase{"stops_after_exponent", "2E3x5", 2000}, ParseCase{"second_point", "1.2.3", 1.2},
        ParseCase{"point_only_decimal_separator", "5.2643", 5.2643}, ParseCase{"hex", "&HFF", 255},
        ParseCase{"hex_lower", "&hff", 255}, ParseCase{"hex_wide_is_unsigned", "&HFFFF", 65535},
        ParseCase{"hex_stops_at_non_digit", "&H1G", 1}, ParseCase{"hex_negated", "-&H10", -16},
        ParseCase{"octal", "&O17", 15}, ParseCase{"octal_stops_at_eight", "&o178", 15},
        ParseCase{"prefix_without_digits", "&H", 0}, ParseCase{"unknown_prefix", "&X12", 0},
        ParseCase{"octal_long", "&O1" + std::string(30, '0'), 0x1p90},
        ParseCase{"parentheses_not_a_number", "(5)", 0},
        ParseCase{"underflow_to_zero", "1e-400", 0}, ParseCase{"subnormal", "4.9e-324", 4.9e-324},
        ParseCase{"exponent_with_many_zeros", "1e" + std::string(5000, '0') + "5", 1e5},
        ParseCase{"long_fraction_underflows", "0." + std::string(1'000'000, '0') + "1", 0}),
    TagName());

struct SettingsCase {
  const char* tag;
  std::string text;
  double decimal_point;
  double bulgarian;
  friend void PrintTo(const SettingsCase& row, std::ostream* out) { *out << row.tag; }
};

// Texts in one of the two settings' own format read as a whole; the plain rules stand for
// the other settings.
class OwnFormat : public testing::TestWithParam<SettingsCase> {};

TEST_P(OwnFormat, ReadsAsAWholeOnlyUnderItsSettings) {
  EXPECT_EQ(ParseNumber(GetParam().text, DecimalPointFormat()), GetParam().decimal_point);
  EXPECT_EQ(ParseNumber(GetParam().text, BulgarianFormat()), GetParam().bulgarian);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, OwnFormat,
    testing::Values(SettingsCase{"comma_decimal", "2,5", 2, 2.5},
                    SettingsCase{"comma_result", "8,6603", 8, 8.6603},
                    SettingsCase{"point_grouped", "1,234.5000", 1234.5, 1},
                    SettingsCase{"point_grouped_twice", "-12,345,678.5", -12345678.5, -12},
                    SettingsCase{"group_of_two_is_no_grouping", "1,23.5", 1, 1},
                    SettingsCase{"group_of_four_is_no_grouping", "1,2345", 1, 1.2345},
                    SettingsCase{"leading_group_too_long", "1234,567", 1234, 1234.567},
                    SettingsCase{"bg_grouped", "1" + kNbsp + "234,5000", 1, 1234.5},
                    SettingsCase{"bg_grouped_with_blank", "1 234,5000", 1234, 1234.5},
                    SettingsCase{"bg_blanks_around", "  -2,5981 ", -2, -2.5981},
                    SettingsCase{"bg_no_leading_zero", ",5", 0, 0.5},
                    SettingsCase{"bg_exponent", "2,5E3", 2, 2500},
                    SettingsCase{"trailing_separator", "8,", 8, 8},
                    SettingsCase{"leading_zero_is_no_group", "0,500", 0, 0.5},
                    SettingsCase{"leading_zeros_are_no_group", "00,123", 0, 0.123},
                    SettingsCase{"negative_leading_zero_is_no_group", "-0,500", -0.0, -0.5},
                    SettingsCase{"text_after_number", "2,5cm", 2, 2}),
    TagName());

// Decimal comma, full stop between groups: the full stop of a plain decimal text means a
// group separator only where the text as a whole is a number in this format.
const NumberFormat kGerman{.decimal_separator = ",", .group_separator = "."};

TEST(ParseNumber, ReadsAFullStopAsAGroupSeparatorOnlyBetweenWholeGroups) {
  const struct {
    std::string text;
    double expected;
  } rows[] = {{"1.500", 1500},       {"12.345.678,5", 12345678.5},
              {"-1.234,5", -1234.5}, {"1.50", 1.5},
              {"1.5", 1.5},          {"1.5000", 1.5},
              {"1.50e2", 150},       {"0.500", 0.5},
              {"00.123", 0.123},     {"1.500.00", 1.5},
              {"1,5", 1.5}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ParseNumber(row.text, kGerman), row.expected);
  }
}

TEST(ParseNumber, ReadsParenthesesAsNegativeUnderThatStyle) {
  NumberFormat format;
  format.negative_style = NegativeStyle::kParentheses;
  EXPECT_EQ(ParseNumber("(1,234.5000)", format), -1234.5);
  EXPECT_EQ(ParseNumber("(1.5", format), 0);
  EXPECT_EQ(ParseNumber("-1.5", format), -1.5);
}

TEST(ParseNumber, ReadsDecimalTextCorrectlyRounded) {
  // Halfway between two doubles, decided by the last of many digits.
  EXPECT_EQ(ParseNumber("9007199254740993", DecimalPointFormat()), 9007199254740992.0);
  EXPECT_EQ(ParseNumber("9007199254740993.0000000000000000001", DecimalPointFormat()),
            9007199254740994.0);
  EXPECT_EQ(ParseNumber("0.1", DecimalPointFormat()), 0.1);
  EXPECT_EQ(ParseNumber("1.7976931348623157e308", DecimalPointFormat()), DBL_MAX);
}

TEST(ParseNumber, FailsOnlyBeyondTheDoubleRange) {
  for (const std::string& text :
       {std::string("1e309"), std::string("-1e400"), std::string("1") + std::string(400, '0'),
        std::string("1e") + std::string(40, '9'), std::string("&H") + std::string(257, 'F'),
        std::string("&O") + std::string(343, '7'), std::string("1.8e308")}) {
    SCOPED_TRACE(text.substr(0, 20));
    EXPECT_THROW(ParseNumber(text, DecimalPointFormat()), OverflowError);
  }
  // 2^1020 - 1: 255 hex digits, rounded up to a power of two that is still in range.
  EXPECT_EQ(ParseNumber("&H0" + std::string(255, 'F'), DecimalPointFormat()), 0x1p1020);
}

// The value rounded to four decimals, as the C library's exact conversions give it (the
// process runs in the "C" locale; not every toolchain has std::to_chars for doubles).
double RoundedToFourDecimals(double value) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.4f", value);
  return std::strtod(buffer, nullptr);
}

TEST(ParseNumber, ReadsBackEveryResultTheProgramWrites) {
  NumberFormat parentheses_comma = BulgarianFormat();
  parentheses_comma.negative_style = NegativeStyle::kParentheses;
  parentheses_comma.leading_zero = false;
  NumberFormat indian;
  indian.group_sizes = {3, 2};
  NumberFormat one_group;  // the digits left of the first group stay together
  one_group.group_sizes = {3, 0};

  std::mt19937_64 random(20261209);
  std::uniform_real_distribution<double> exponent(-8, 40);
  for (const auto& format :
       {DecimalPointFormat(), BulgarianFormat(), parentheses_comma, indian, one_group}) {
    for (int i = 0; i < 20000; ++i) {
      const double magnitude = std::pow(10.0, exponent(random));
      const double value = (i % 2 == 0) ? magnitude : -magnitude;
      const std::string text = FormatResult(value, format);
      ASSERT_EQ(ParseNumber(text, format), RoundedToFourDecimals(value))
          << text << " under separator " << format.decimal_separator;
    }
  }
}

TEST(ParseNumber, ReadsBackEveryResultWrittenUnderFullStopGrouping) {
  std::mt19937_64 random(20261210);
  std::uniform_real_distribution<double> exponent(-8, 20);
  for (int i = 0; i < 20000; ++i) {
    const double value = (i % 2 == 0 ? 1 : -1) * std::pow(10.0, exponent(random));
    const std::string text = FormatResult(value, kGerman);
    ASSERT_EQ(ParseNumber(text, kGerman), RoundedToFourDecimals(value)) << text;
  }
}

}  // namespace
}  // namespace triangle
