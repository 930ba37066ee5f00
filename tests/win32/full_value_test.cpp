#include "win32/full_value.h"

#include <gtest/gtest.h>

#include <string>

namespace win32_ui {
namespace {

using triangle::NegativeStyle;
using triangle::NumberFormat;

const NumberFormat kUs{};
const NumberFormat kBulgarian{.decimal_separator = ",", .group_separator = "\u00A0"};

// Every digit of the shortest exact text, grouped and signed as a field writes the number.
TEST(FullValueText, GroupsEveryDigitAsTheFieldsWriteNumbers) {
  const NumberFormat no_leading_zero{.leading_zero = false};
  const NumberFormat parentheses{.negative_style = NegativeStyle::kParentheses};
  const NumberFormat indian{.group_sizes = {3, 2}};
  const struct {
    const char* name;
    double value;
    NumberFormat format;
    std::string text;
  } cases[] = {
      {"bulgarian", 1732050.8075688772, kBulgarian, "1\u00A0732\u00A0050,8075688772"},
      {"us", 1732050.8075688772, kUs, "1,732,050.8075688772"},
      {"integer", 9, kUs, "9"},
      {"large integer", 659979302597.0, kUs, "659,979,302,597"},
      {"below one", 0.8660254037844386, kUs, "0.8660254037844386"},
      {"no leading zero", 0.8660254037844386, no_leading_zero, ".8660254037844386"},
      {"minus sign", -1234.5, kBulgarian, "-1\u00A0234,5"},
      {"parentheses", -1234.5, parentheses, "(1,234.5)"},
      {"negative below one", -0.25, parentheses, "(0.25)"},
      {"two-digit groups", 12345678.25, indian, "1,23,45,678.25"},
      {"exponent kept", 2.5e-300, kBulgarian, "2,5e-300"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    EXPECT_EQ(FullValueText(test.value, test.format), test.text);
  }
}

TEST(WithFullValueGrouped, RewritesTheExplanationsLastValueOnly) {
  EXPECT_EQ(WithFullValueGrouped("S = a·√3·a/4\n= 1732050.8075688772", 1732050.8075688772, kUs),
            "S = a·√3·a/4\n= 1,732,050.8075688772");
  EXPECT_EQ(WithFullValueGrouped("P = 3·a\n= 9999", 9999, kBulgarian), "P = 3·a\n= 9\u00A0999");
}

}  // namespace
}  // namespace win32_ui
