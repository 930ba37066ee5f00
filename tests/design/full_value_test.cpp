#include "design/full_value.h"

#include <gtest/gtest.h>

#include <string>

#include "design/derived_texts.h"
#include "triangle/exact_value.h"
#include "triangle/quantity_index.h"

namespace design {
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

// The explanation a tooltip shows ends in the full value as the fields write numbers, in every
// edition: grouped, after "=" where the double is the exact value and "≈" where it is not.
TEST(ResultExplanation, EndsInTheFullValueGroupedAsTheFieldsWriteNumbers) {
  const auto exact_p = triangle::MakeRational(39999, 4);  // P = 3·3333,25 = 9999,75
  ASSERT_TRUE(exact_p.has_value());
  EXPECT_EQ(ResultExplanation(triangle::kPerimeter, triangle::kSide, 9999.75, kBulgarian,
                              triangle::Exact(*exact_p)),
            "P = 3·a\n= 9\u00A0999,75");
  const std::string area =
      ResultExplanation(triangle::kArea, triangle::kSide, 1732050.8075688772, kUs);
  EXPECT_TRUE(area.ends_with("\n= 1,732,050.8075688772")) << area;
}

}  // namespace
}  // namespace design
