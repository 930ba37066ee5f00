#include "design/solution.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculation_values.h"
#include "triangle/format_result.h"
#include "triangle/quantities.h"

namespace design {
namespace {

using triangle::QuantityIndex;

using test_support::Calculation;

// Written by hand from the school's formulas, the exact values worked out on paper and the
// four-decimal roundings apart from the program: one calculation per given measure, so that
// every formula is pinned, under both number settings.
struct Row {
  QuantityIndex given;
  double value;
  bool bulgarian;
  LengthUnit unit;
  std::vector<std::string> lines;
};

const Row kRows[] = {
    {triangle::kSide,
     3,
     false,
     LengthUnit::kNone,
     {"Дадено: a = 3", "P = 3·a = 3·3 = 9", "S = a²·√3/4 = 3²·√3/4 = 9√3/4 ≈ 3.8971",
      "h = m = l = a·√3/2 = 3·√3/2 = 3√3/2 ≈ 2.5981", "R = a·√3/3 = 3·√3/3 = √3 ≈ 1.7321",
      "r = a·√3/6 = 3·√3/6 = √3/2 ≈ 0.8660"}},
    // "3·0,1 = 0,3": the exact value, not "≈ 0,3000".
    {triangle::kSide,
     0.1,
     true,
     LengthUnit::kNone,
     {"Дадено: a = 0,1", "P = 3·a = 3·0,1 = 0,3", "S = a²·√3/4 = 0,1²·√3/4 = √3/400 ≈ 0,0043",
      "h = m = l = a·√3/2 = 0,1·√3/2 = √3/20 ≈ 0,0866", "R = a·√3/3 = 0,1·√3/3 = √3/30 ≈ 0,0577",
      "r = a·√3/6 = 0,1·√3/6 = √3/60 ≈ 0,0289"}},
    {triangle::kPerimeter,
     12,
     true,
     LengthUnit::kNone,
     {"Дадено: P = 12", "P = 3·a  ⇒  a = P/3 = 12/3 = 4", "S = a²·√3/4 = 4²·√3/4 = 4√3 ≈ 6,9282",
      "h = m = l = a·√3/2 = 4·√3/2 = 2√3 ≈ 3,4641", "R = a·√3/3 = 4·√3/3 = 4√3/3 ≈ 2,3094",
      "r = a·√3/6 = 4·√3/6 = 2√3/3 ≈ 1,1547"}},
    // A side that is a fraction goes into the formulas in parentheses.
    {triangle::kPerimeter,
     10,
     false,
     LengthUnit::kNone,
     {"Дадено: P = 10", "P = 3·a  ⇒  a = P/3 = 10/3 ≈ 3.3333",
      "S = a²·√3/4 = (10/3)²·√3/4 = 25√3/9 ≈ 4.8113",
      "h = m = l = a·√3/2 = (10/3)·√3/2 = 5√3/3 ≈ 2.8868",
      "R = a·√3/3 = (10/3)·√3/3 = 10√3/9 ≈ 1.9245", "r = a·√3/6 = (10/3)·√3/6 = 5√3/9 ≈ 0.9623"}},
    {triangle::kArea,
     12,
     true,
     LengthUnit::kNone,
     {"Дадено: S = 12",
      "S = a²·√3/4  ⇒  a² = 4·S/√3  ⇒  a = √(4·S/√3) = √(4·12/√3) = 4·⁴√3 ≈ 5,2643",
      "P = 3·a = 3·4·⁴√3 = 12·⁴√3 ≈ 15,7929", "h = m = l = a·√3/2 = 4·⁴√3·√3/2 = 2·⁴√27 ≈ 4,5590",
      "R = a·√3/3 = 4·⁴√3·√3/3 = 4·⁴√27/3 ≈ 3,0393",
      "r = a·√3/6 = 4·⁴√3·√3/6 = 2·⁴√27/3 ≈ 1,5197"}},
    {triangle::kArea,
     12,
     false,
     LengthUnit::kCentimetre,
     {"Дадено: S = 12 см²",
      "S = a²·√3/4  ⇒  a² = 4·S/√3  ⇒  a = √(4·S/√3) = √(4·12/√3) = 4·⁴√3 см ≈ 5.2643 см",
      "P = 3·a = 3·4·⁴√3 = 12·⁴√3 см ≈ 15.7929 см",
      "h = m = l = a·√3/2 = 4·⁴√3·√3/2 = 2·⁴√27 см ≈ 4.5590 см",
      "R = a·√3/3 = 4·⁴√3·√3/3 = 4·⁴√27/3 см ≈ 3.0393 см",
      "r = a·√3/6 = 4·⁴√3·√3/6 = 2·⁴√27/3 см ≈ 1.5197 см"}},
    // No exact side: 27·526433²·75000² is past the 64-bit integers. The lines are those of
    // the doubles, the side's text put in.
    {triangle::kArea,
     5.26433,
     false,
     LengthUnit::kNone,
     {"Дадено: S = 5.26433",
      "S = a²·√3/4  ⇒  a² = 4·S/√3  ⇒  a = √(4·S/√3) = √(4·5.26433/√3) ≈ 3.4868",
      "P = 3·a = 3·3.4868 ≈ 10.4603", "h = m = l = a·√3/2 = 3.4868·√3/2 ≈ 3.0196",
      "R = a·√3/3 = 3.4868·√3/3 ≈ 2.0131", "r = a·√3/6 = 3.4868·√3/6 ≈ 1.0065"}},
    {triangle::kMedian,
     6,
     false,
     LengthUnit::kCentimetre,
     {"Дадено: m = 6 см", "m = a·√3/2  ⇒  a = 2·m/√3 = 2·6/√3 = 4√3 см ≈ 6.9282 см",
      "P = 3·a = 3·4√3 = 12√3 см ≈ 20.7846 см",
      "S = a²·√3/4 = (4√3)²·√3/4 = 12√3 см² ≈ 20.7846 см²", "h = l = a·√3/2 = 4√3·√3/2 = 6 см",
      "R = a·√3/3 = 4√3·√3/3 = 4 см", "r = a·√3/6 = 4√3·√3/6 = 2 см"}},
    // Below zero: no triangle, said before the steps; a negative value in parentheses.
    {triangle::kHeight,
     -3,
     true,
     LengthUnit::kNone,
     {"Няма триъгълник с височина -3: дължините и лицата на триъгълниците са положителни.",
      "Дадено: h = -3", "h = a·√3/2  ⇒  a = 2·h/√3 = 2·(-3)/√3 = -2√3 ≈ -3,4641",
      "P = 3·a = 3·(-2√3) = -6√3 ≈ -10,3923", "S = a²·√3/4 = (-2√3)²·√3/4 = 3√3 ≈ 5,1962",
      "m = l = a·√3/2 = (-2√3)·√3/2 = -3", "R = a·√3/3 = (-2√3)·√3/3 = -2",
      "r = a·√3/6 = (-2√3)·√3/6 = -1"}},
    {triangle::kBisector,
     1000,
     false,
     LengthUnit::kNone,
     {"Дадено: l = 1,000", "l = a·√3/2  ⇒  a = 2·l/√3 = 2·1,000/√3 = 2,000√3/3 ≈ 1,154.7005",
      "P = 3·a = 3·(2,000√3/3) = 2,000√3 ≈ 3,464.1016",
      "S = a²·√3/4 = (2,000√3/3)²·√3/4 = 1,000,000√3/3 ≈ 577,350.2692",
      "h = m = a·√3/2 = (2,000√3/3)·√3/2 = 1,000",
      "R = a·√3/3 = (2,000√3/3)·√3/3 = 2,000/3 ≈ 666.6667",
      "r = a·√3/6 = (2,000√3/3)·√3/6 = 1,000/3 ≈ 333.3333"}},
    {triangle::kCircumradius,
     2,
     true,
     LengthUnit::kNone,
     {"Дадено: R = 2", "R = a·√3/3  ⇒  a = R·√3 = 2·√3 = 2√3 ≈ 3,4641",
      "P = 3·a = 3·2√3 = 6√3 ≈ 10,3923", "S = a²·√3/4 = (2√3)²·√3/4 = 3√3 ≈ 5,1962",
      "h = m = l = a·√3/2 = 2√3·√3/2 = 3", "r = a·√3/6 = 2√3·√3/6 = 1"}},
    {triangle::kInradius,
     0.5,
     true,
     LengthUnit::kMillimetre,
     {"Дадено: r = 0,5 мм", "r = a·√3/6  ⇒  a = 2·r·√3 = 2·0,5·√3 = √3 мм ≈ 1,7321 мм",
      "P = 3·a = 3·√3 = 3√3 мм ≈ 5,1962 мм", "S = a²·√3/4 = (√3)²·√3/4 = 3√3/4 мм² ≈ 1,2990 мм²",
      "h = m = l = a·√3/2 = √3·√3/2 = 1,5 мм", "R = a·√3/3 = √3·√3/3 = 1 мм"}},
    {triangle::kSide,
     0,
     false,
     LengthUnit::kNone,
     {"Няма триъгълник със страна 0: дължините и лицата на триъгълниците са положителни.",
      "Дадено: a = 0", "P = 3·a = 3·0 = 0", "S = a²·√3/4 = 0²·√3/4 = 0",
      "h = m = l = a·√3/2 = 0·√3/2 = 0", "R = a·√3/3 = 0·√3/3 = 0", "r = a·√3/6 = 0·√3/6 = 0"}},
};

TEST(SolutionLines, StepByStepFromTheGivenMeasureThroughTheSide) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(testing::Message() << "given " << row.given << " = " << row.value
                                    << (row.bulgarian ? " (Bulgarian)" : " (point)"));
    const triangle::NumberFormat format =
        row.bulgarian ? triangle::BulgarianFormat() : triangle::DecimalPointFormat();
    EXPECT_EQ(SolutionLines(row.given, Calculation(row.given, row.value), format, row.unit),
              row.lines);
  }
}

// A measure whose exact value would leave the integers ends as the doubles' line: the side
// 10¹⁸ has P = 3·10¹⁸ exactly, but a² = 10³⁶ is no 64-bit integer.
TEST(SolutionLines, AMeasureWithoutAnExactValueEndsInTheFieldsText) {
  const triangle::NumberFormat format = triangle::BulgarianFormat();
  const auto values = Calculation(triangle::kSide, 1e18);
  const auto lines = SolutionLines(triangle::kSide, values, format);
  ASSERT_EQ(lines.size(), 6u);
  const std::string billion_billions = "1\u00A0000\u00A0000\u00A0000\u00A0000\u00A0000\u00A0000";
  EXPECT_EQ(lines[1], "P = 3·a = 3·" + billion_billions + " = 3" + billion_billions.substr(1));
  EXPECT_EQ(lines[2], "S = a²·√3/4 = " + billion_billions + "²·√3/4 ≈ " +
                          triangle::FormatResult(values[triangle::kArea], format));
  EXPECT_EQ(lines[3], "h = m = l = a·√3/2 = " + billion_billions +
                          "·√3/2 = 500\u00A0000\u00A0000\u00A0000\u00A0000\u00A0000√3 ≈ " +
                          triangle::FormatResult(values[triangle::kHeight], format));
}

// The spoken form says every symbol in words, the unit in full and the decimal with a comma.
TEST(SolutionSteps, EveryLineAsATeacherSaysIt) {
  const auto steps = SolutionSteps(triangle::kArea, Calculation(triangle::kArea, 12),
                                   triangle::DecimalPointFormat(), LengthUnit::kCentimetre);
  ASSERT_EQ(steps.size(), 6u);
  EXPECT_EQ(steps[0].spoken, "Дадено: ес, равно на 12 квадратни сантиметра");
  EXPECT_EQ(steps[1].spoken,
            "ес равно на а на квадрат по корен квадратен от 3 делено на 4, следователно а на "
            "квадрат равно на 4 по ес делено на корен квадратен от 3, следователно а равно на "
            "корен квадратен от 4 по ес делено на корен квадратен от 3, равно на корен "
            "квадратен от 4 по 12 делено на корен квадратен от 3, равно на 4 корен четвърти от "
            "3 сантиметра, приблизително 5,2643 сантиметра");
  EXPECT_EQ(steps[3].spoken,
            "хаш равно на ем равно на ел, равно на а по корен квадратен от 3 делено на 2, равно "
            "на 4 корен четвърти от 3 по корен квадратен от 3 делено на 2, равно на 2 корен "
            "четвърти от 27 сантиметра, приблизително 4,5590 сантиметра");
  const auto negative =
      SolutionSteps(triangle::kCircumradius, Calculation(triangle::kCircumradius, -2),
                    triangle::BulgarianFormat());
  EXPECT_EQ(negative[0].spoken,
            "Няма триъгълник с радиус голямо ер на описаната окръжност минус 2: дължините и "
            "лицата на триъгълниците са положителни.");
  for (const SolutionLine& step : steps) {
    EXPECT_EQ(SolutionLines(triangle::kArea, Calculation(triangle::kArea, 12),
                            triangle::DecimalPointFormat(), LengthUnit::kCentimetre)
                  .at(static_cast<std::size_t>(&step - steps.data())),
              step.text);
  }
}

TEST(SolutionText, TheLinesEachEndedForCopying) {
  EXPECT_EQ(
      SolutionText(triangle::kCircumradius, Calculation(triangle::kCircumradius, 2),
                   triangle::BulgarianFormat(), "\r\n", LengthUnit::kMetre),
      "Дадено: R = 2 м\r\nR = a·√3/3  ⇒  a = R·√3 = 2·√3 = 2√3 м ≈ 3,4641 м\r\n"
      "P = 3·a = 3·2√3 = 6√3 м ≈ 10,3923 м\r\nS = a²·√3/4 = (2√3)²·√3/4 = 3√3 м² ≈ 5,1962 м²\r\n"
      "h = m = l = a·√3/2 = 2√3·√3/2 = 3 м\r\nr = a·√3/6 = 2√3·√3/6 = 1 м\r\n");
  EXPECT_EQ(
      SolutionText(triangle::kSide, Calculation(triangle::kSide, 1), triangle::BulgarianFormat()),
      "Дадено: a = 1\nP = 3·a = 3·1 = 3\nS = a²·√3/4 = 1²·√3/4 = √3/4 ≈ 0,4330\n"
      "h = m = l = a·√3/2 = 1·√3/2 = √3/2 ≈ 0,8660\nR = a·√3/3 = 1·√3/3 = √3/3 ≈ 0,5774\n"
      "r = a·√3/6 = 1·√3/6 = √3/6 ≈ 0,2887\n");
}

TEST(UnitText, ALabelForLengthsAndItsSquareForTheArea) {
  EXPECT_EQ(UnitText(LengthUnit::kNone, false), "");
  EXPECT_EQ(UnitText(LengthUnit::kNone, true), "");
  EXPECT_EQ(UnitText(LengthUnit::kCentimetre, false), " см");
  EXPECT_EQ(UnitText(LengthUnit::kCentimetre, true), " см²");
  EXPECT_EQ(UnitText(LengthUnit::kKilometre, true), " км²");
  EXPECT_EQ(SpokenUnit(LengthUnit::kMillimetre, false), "милиметра");
  EXPECT_EQ(SpokenUnit(LengthUnit::kDecimetre, true), "квадратни дециметра");
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
  // Past four decimals, the exact value and then the field's text.
  EXPECT_EQ(SolutionLines(triangle::kSide, Calculation(triangle::kSide, 0.123456), bulgarian)[1],
            "P = 3·a = 3·0,123456 = 0,370368 ≈ 0,3704");
}

}  // namespace
}  // namespace design
