#include "design/solution.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculation_values.h"
#include "triangle/quantities.h"

namespace design {
namespace {

using triangle::QuantityIndex;

using test_support::Calculation;

// Written by hand from the formulas, the four-decimal roundings worked out apart from the
// program: one calculation per given measure, so that every formula is pinned.
struct Row {
  QuantityIndex given;
  double value;
  bool bulgarian;
  std::vector<std::string> lines;
};

const Row kRows[] = {
    {triangle::kSide,
     3,
     false,
     {"Дадено: a = 3", "P = 3·a = 3·3 = 9.0000", "S = a·√3·a/4 = 3·√3·3/4 ≈ 3.8971",
      "h = m = l = a·√3/2 = 3·√3/2 ≈ 2.5981", "R = a/√3 = 3/√3 ≈ 1.7321",
      "r = a/(2·√3) = 3/(2·√3) ≈ 0.8660"}},
    {triangle::kPerimeter,
     12,
     true,
     {"Дадено: P = 12", "P = 3·a  ⇒  a = P/3 = 12/3 = 4,0000",
      "S = a·√3·a/4 = 4,0000·√3·4,0000/4 ≈ 6,9282", "h = m = l = a·√3/2 = 4,0000·√3/2 ≈ 3,4641",
      "R = a/√3 = 4,0000/√3 ≈ 2,3094", "r = a/(2·√3) = 4,0000/(2·√3) ≈ 1,1547"}},
    {triangle::kArea,
     12,
     true,
     {"Дадено: S = 12", "S = a·√3·a/4  ⇒  a = √(4·S/√3) = √(4·12/√3) ≈ 5,2643",
      "P = 3·a = 3·5,2643 ≈ 15,7929", "h = m = l = a·√3/2 = 5,2643·√3/2 ≈ 4,5590",
      "R = a/√3 = 5,2643/√3 ≈ 3,0393", "r = a/(2·√3) = 5,2643/(2·√3) ≈ 1,5197"}},
    {triangle::kArea,
     12,
     false,
     {"Дадено: S = 12", "S = a·√3·a/4  ⇒  a = √(4·S/√3) = √(4·12/√3) ≈ 5.2643",
      "P = 3·a = 3·5.2643 ≈ 15.7929", "h = m = l = a·√3/2 = 5.2643·√3/2 ≈ 4.5590",
      "R = a/√3 = 5.2643/√3 ≈ 3.0393", "r = a/(2·√3) = 5.2643/(2·√3) ≈ 1.5197"}},
    {triangle::kMedian,
     6,
     false,
     {"Дадено: m = 6", "m = a·√3/2  ⇒  a = 2·m/√3 = 2·6/√3 ≈ 6.9282",
      "P = 3·a = 3·6.9282 ≈ 20.7846", "S = a·√3·a/4 = 6.9282·√3·6.9282/4 ≈ 20.7846",
      "h = l = a·√3/2 = 6.9282·√3/2 = 6.0000", "R = a/√3 = 6.9282/√3 ≈ 4.0000",
      "r = a/(2·√3) = 6.9282/(2·√3) ≈ 2.0000"}},
    // A negative value goes into a formula in parentheses.
    {triangle::kHeight,
     -3,
     true,
     {"Дадено: h = -3", "h = a·√3/2  ⇒  a = 2·h/√3 = 2·(-3)/√3 ≈ -3,4641",
      "P = 3·a = 3·(-3,4641) ≈ -10,3923", "S = a·√3·a/4 = (-3,4641)·√3·(-3,4641)/4 ≈ 5,1962",
      "m = l = a·√3/2 = (-3,4641)·√3/2 = -3,0000", "R = a/√3 = (-3,4641)/√3 ≈ -2,0000",
      "r = a/(2·√3) = (-3,4641)/(2·√3) ≈ -1,0000"}},
    {triangle::kBisector,
     1000,
     false,
     {"Дадено: l = 1,000", "l = a·√3/2  ⇒  a = 2·l/√3 = 2·1,000/√3 ≈ 1,154.7005",
      "P = 3·a = 3·1,154.7005 ≈ 3,464.1016",
      "S = a·√3·a/4 = 1,154.7005·√3·1,154.7005/4 ≈ 577,350.2692",
      "h = m = a·√3/2 = 1,154.7005·√3/2 = 1,000.0000", "R = a/√3 = 1,154.7005/√3 ≈ 666.6667",
      "r = a/(2·√3) = 1,154.7005/(2·√3) ≈ 333.3333"}},
    {triangle::kCircumradius,
     2,
     true,
     {"Дадено: R = 2", "R = a/√3  ⇒  a = R·√3 = 2·√3 ≈ 3,4641", "P = 3·a = 3·3,4641 ≈ 10,3923",
      "S = a·√3·a/4 = 3,4641·√3·3,4641/4 ≈ 5,1962", "h = m = l = a·√3/2 = 3,4641·√3/2 ≈ 3,0000",
      "r = a/(2·√3) = 3,4641/(2·√3) = 1,0000"}},
    {triangle::kInradius,
     0.5,
     true,
     {"Дадено: r = 0,5", "r = a/(2·√3)  ⇒  a = r·2·√3 = 0,5·2·√3 ≈ 1,7321",
      "P = 3·a = 3·1,7321 ≈ 5,1962", "S = a·√3·a/4 = 1,7321·√3·1,7321/4 ≈ 1,2990",
      "h = m = l = a·√3/2 = 1,7321·√3/2 ≈ 1,5000", "R = a/√3 = 1,7321/√3 = 1,0000"}},
};

TEST(SolutionLines, StepByStepFromTheGivenMeasureThroughTheSide) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(testing::Message() << "given " << row.given << " = " << row.value
                                    << (row.bulgarian ? " (Bulgarian)" : " (point)"));
    const triangle::NumberFormat format =
        row.bulgarian ? triangle::BulgarianFormat() : triangle::DecimalPointFormat();
    EXPECT_EQ(SolutionLines(row.given, Calculation(row.given, row.value), format), row.lines);
  }
}

TEST(SolutionText, TheLinesEachEndedForCopying) {
  EXPECT_EQ(
      SolutionText(triangle::kCircumradius, Calculation(triangle::kCircumradius, 2),
                   triangle::BulgarianFormat(), "\r\n"),
      "Дадено: R = 2\r\nR = a/√3  ⇒  a = R·√3 = 2·√3 ≈ 3,4641\r\n"
      "P = 3·a = 3·3,4641 ≈ 10,3923\r\nS = a·√3·a/4 = 3,4641·√3·3,4641/4 ≈ 5,1962\r\n"
      "h = m = l = a·√3/2 = 3,4641·√3/2 ≈ 3,0000\r\nr = a/(2·√3) = 3,4641/(2·√3) = 1,0000\r\n");
}

// The given value as read, without its zeros; with all its digits where four decimals cannot
// hold it, so that it is the number the pupil typed.
TEST(GivenValueText, AsAFieldWritesItWithoutTheTrailingZeros) {
  const triangle::NumberFormat bulgarian = triangle::BulgarianFormat();
  triangle::NumberFormat parentheses = triangle::DecimalPointFormat();
  parentheses.negative_style = triangle::NegativeStyle::kParentheses;
  EXPECT_EQ(GivenValueText(12, bulgarian), "12");
  EXPECT_EQ(GivenValueText(1e5, bulgarian), "100\u00A0000");
  EXPECT_EQ(GivenValueText(0.25, bulgarian), "0,25");
  EXPECT_EQ(GivenValueText(100.5, triangle::DecimalPointFormat()), "100.5");
  EXPECT_EQ(GivenValueText(-2.5, parentheses), "(2.5)");
  EXPECT_EQ(GivenValueText(0.123456, bulgarian), "0,123456");
  EXPECT_EQ(GivenValueText(5.26433, triangle::DecimalPointFormat()), "5.26433");
  EXPECT_EQ(SolutionLines(triangle::kSide, Calculation(triangle::kSide, 0.123456), bulgarian)[0],
            "Дадено: a = 0,123456");
}

}  // namespace
}  // namespace design
