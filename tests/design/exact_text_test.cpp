#include "design/exact_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace design {
namespace {

using triangle::ExactValue;

ExactValue V(std::int64_t p, std::int64_t q = 1, int n = 1, std::int64_t m = 1) {
  return {.coefficient = {p, q}, .root_index = n, .radicand = m};
}

TEST(ExactText, TheSchoolsWay) {
  const triangle::NumberFormat point = triangle::DecimalPointFormat();
  const triangle::NumberFormat bulgarian = triangle::BulgarianFormat();
  triangle::NumberFormat parentheses = point;
  parentheses.negative_style = triangle::NegativeStyle::kParentheses;
  triangle::NumberFormat bare = point;
  bare.leading_zero = false;
  const struct {
    ExactValue value;
    const triangle::NumberFormat& format;
    std::string text;
    std::string spoken;
  } rows[] = {
      {V(15, 2), bulgarian, "7,5", "7,5"},
      {V(30), bulgarian, "30", "30"},
      {V(0), point, "0", "0"},
      {V(10, 3), point, "10/3", "10 делено на 3"},
      {V(-10, 3), parentheses, "(10/3)", "минус 10 делено на 3"},
      {V(4001, 4), bulgarian, "1\u00A0000,25", "1000,25"},
      {V(1, 2), bare, ".5", "0,5"},
      {V(1, 10000000), point, "0.0000001", "0,0000001"},
      {V(-1929, 15625), point, "-0.123456", "минус 0,123456"},
      {V(25, 1, 2, 3), point, "25√3", "25 корен квадратен от 3"},
      {V(10, 3, 2, 3), point, "10√3/3", "10 корен квадратен от 3 делено на 3"},
      {V(1, 3, 2, 3), point, "√3/3", "корен квадратен от 3 делено на 3"},
      {V(-3, 2, 2, 3), point, "-3√3/2", "минус 3 корен квадратен от 3 делено на 2"},
      {V(4, 1, 4, 3), point, "4·⁴√3", "4 корен четвърти от 3"},
      {V(2, 3, 4, 27), bulgarian, "2·⁴√27/3", "2 корен четвърти от 27 делено на 3"},
      {V(1, 1, 4, 12), point, "⁴√12", "корен четвърти от 12"},
      {V(65025, 4, 2, 3), point, "65,025√3/4", "65025 корен квадратен от 3 делено на 4"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ExactText(row.value, row.format), row.text);
    EXPECT_EQ(SpokenExact(row.value), row.spoken) << row.text;
  }
}

TEST(ExactFieldText, OnlyForDecimalsThatFourHold) {
  const triangle::NumberFormat bulgarian = triangle::BulgarianFormat();
  EXPECT_EQ(ExactFieldText(V(15, 2), bulgarian), "7,5000");
  EXPECT_EQ(ExactFieldText(V(-1000), bulgarian), "-1\u00A0000,0000");
  EXPECT_EQ(ExactFieldText(V(1, 10000), bulgarian), "0,0001");
  EXPECT_EQ(ExactFieldText(V(1, 100000), bulgarian), "");
  EXPECT_EQ(ExactFieldText(V(1, 3), bulgarian), "");
  EXPECT_EQ(ExactFieldText(V(1, 1, 2, 3), bulgarian), "");
}

TEST(IsExactly, TheDoublesShortestDecimalIsTheExactValue) {
  EXPECT_TRUE(IsExactly(V(3, 10), 0.3));
  EXPECT_FALSE(IsExactly(V(3, 10), 0.1 * 3));  // 0.30000000000000004
  EXPECT_FALSE(IsExactly(V(1, 1, 2, 3), 1.7320508075688772));
}

TEST(SpokenNumbers, WithACommaAndWithoutGrouping) {
  EXPECT_EQ(SpokenResult(1154.70053838), "1154,7005");
  EXPECT_EQ(SpokenResult(-3.46410161), "минус 3,4641");
  EXPECT_EQ(SpokenFullPrecision(4.559014113909556), "4,559014113909556");
  EXPECT_EQ(SpokenFullPrecision(-1.5e-7), "минус 1,5 по 10 на степен минус 7");
  EXPECT_EQ(SpokenFullPrecision(2e300), "2 по 10 на степен 300");
}

TEST(SpokenFormula, EverySymbolInWords) {
  EXPECT_EQ(SpokenFormula("S = a²·√3/4"),
            "ес равно на а на квадрат по корен квадратен от 3 делено на 4");
  EXPECT_EQ(SpokenFormula("a = √(4·S/√3)"),
            "а равно на корен квадратен от 4 по ес делено на корен квадратен от 3");
  EXPECT_EQ(SpokenFormula("R ≈ ⁴√27  ⇒  r"),
            "голямо ер приблизително корен четвърти от 27 "
            "следователно малко ер");
  EXPECT_EQ(SpokenFormula("h = m = l = P"), "хаш равно на ем равно на ел равно на пе");
  EXPECT_EQ(SpokenFormula("радиус R на описаната окръжност"),
            "радиус голямо ер на описаната окръжност");
  EXPECT_EQ(SpokenFormula("Дадено: "), "Дадено:");
}

}  // namespace
}  // namespace design
