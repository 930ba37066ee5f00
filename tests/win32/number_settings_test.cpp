#include "win32/number_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "triangle/format_result.h"
#include "triangle/parse_number.h"

namespace win32_ui {
namespace {

using triangle::NegativeStyle;

// Windows' settings for each case, the format they must give, and how a value is then shown.
struct SettingsCase {
  const char* name;
  LocaleNumberSettings settings;
  std::string decimal_separator;
  std::string group_separator;
  std::vector<int> group_sizes;
  bool leading_zero;
  NegativeStyle negative_style;
  double value;
  std::string shown;
};

const SettingsCase kCases[] = {
    // What Windows reports for bg-BG and en-US.
    {"bulgarian",
     {",", "\u00A0", "3;0", "1", "1"},
     ",",
     "\u00A0",
     {3},
     true,
     NegativeStyle::kMinusSign,
     1234567.5,
     "1\u00A0234\u00A0567,5000"},
    {"us_english",
     {".", ",", "3;0", "1", "1"},
     ".",
     ",",
     {3},
     true,
     NegativeStyle::kMinusSign,
     -1234567.5,
     "-1,234,567.5000"},
    // One group only, then the rest ungrouped.
    {"one_group",
     {".", ",", "3", "1", "1"},
     ".",
     ",",
     {3, 0},
     true,
     NegativeStyle::kMinusSign,
     1234567.5,
     "1234,567.5000"},
    // Three, then twos repeating.
    {"three_then_twos",
     {".", ",", "3;2;0", "1", "1"},
     ".",
     ",",
     {3, 2},
     true,
     NegativeStyle::kMinusSign,
     1234567.5,
     "12,34,567.5000"},
    {"no_grouping",
     {",", " ", "0;0", "1", "1"},
     ",",
     " ",
     {},
     true,
     NegativeStyle::kMinusSign,
     1234567.5,
     "1234567,5000"},
    {"no_leading_zero_parentheses",
     {".", ",", "3;0", "0", "0"},
     ".",
     ",",
     {3},
     false,
     NegativeStyle::kParentheses,
     -0.25,
     "(.2500)"},
    // Trailing and spaced signs are written with the leading minus the core knows.
    {"trailing_sign",
     {".", ",", "3;0", "1", "3"},
     ".",
     ",",
     {3},
     true,
     NegativeStyle::kMinusSign,
     -0.25,
     "-0.2500"},
    // Nothing readable: the core's defaults, ungrouped for want of a separator.
    {"empty",
     {"", "", "", "", ""},
     ".",
     "",
     {},
     true,
     NegativeStyle::kMinusSign,
     1234.5,
     "1234.5000"},
};

TEST(NumberFormatFromLocale, MapsWindowsSettingsToTheCoreFormat) {
  for (const SettingsCase& test : kCases) {
    SCOPED_TRACE(test.name);
    const triangle::NumberFormat format = NumberFormatFromLocale(test.settings);
    EXPECT_EQ(format.decimal_separator, test.decimal_separator);
    EXPECT_EQ(format.group_separator, test.group_separator);
    EXPECT_EQ(format.group_sizes, test.group_sizes);
    EXPECT_EQ(format.leading_zero, test.leading_zero);
    EXPECT_EQ(format.negative_style, test.negative_style);
    // Shown in that format, and read back from what is shown.
    const std::string shown = triangle::FormatResult(test.value, format);
    EXPECT_EQ(shown, test.shown);
    EXPECT_EQ(triangle::ParseNumber(shown, format), test.value);
  }
}

}  // namespace
}  // namespace win32_ui
