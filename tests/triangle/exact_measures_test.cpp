#include "triangle/exact_measures.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>

#include "triangle/parse_number.h"

namespace triangle {

void PrintTo(const ExactValue& v, std::ostream* out) {
  *out << v.coefficient.numerator << "/" << v.coefficient.denominator << "·" << v.root_index << "√"
       << v.radicand;
}

namespace {

// p/q·ⁿ√m, written as the rows below write it.
ExactValue V(std::int64_t p, std::int64_t q = 1, int n = 1, std::int64_t m = 1) {
  return {.coefficient = {p, q}, .root_index = n, .radicand = m};
}
ExactValue Root2(std::int64_t p, std::int64_t m, std::int64_t q = 1) { return V(p, q, 2, m); }
ExactValue Root4(std::int64_t p, std::int64_t m, std::int64_t q = 1) { return V(p, q, 4, m); }

TEST(ExactValue, SimplestForm) {
  EXPECT_EQ(MakeExact({1, 1}, 2, 12), Root2(2, 3));    // √12 = 2√3
  EXPECT_EQ(MakeExact({1, 1}, 4, 48), Root4(2, 3));    // ⁴√48 = 2·⁴√3
  EXPECT_EQ(MakeExact({1, 1}, 4, 9), Root2(1, 3));     // ⁴√9 = √3
  EXPECT_EQ(MakeExact({1, 1}, 4, 16), V(2));           // ⁴√16 = 2
  EXPECT_EQ(MakeExact({1, 1}, 4, 3888), Root4(6, 3));  // 3888 = 6⁴·3
  EXPECT_EQ(MakeExact({3, 7}, 2, 1), V(3, 7));
  EXPECT_EQ(MakeExact({0, 1}, 4, 27), V(0));
  // A large prime's square, past the trial division's reach: (2³¹-1)²·2.
  constexpr std::int64_t kPrime = 2147483647;
  EXPECT_EQ(MakeExact({1, 1}, 2, kPrime * kPrime * 2), Root2(kPrime, 2));
  EXPECT_EQ(MakeExact({1, 1}, 2, kPrime * 3), Root2(1, kPrime * 3));
  EXPECT_EQ(MakeExact({1, 1}, 3, 8), std::nullopt);
  EXPECT_EQ(MakeExact({1, 1}, 2, 0), std::nullopt);
}

TEST(ExactValue, OperationsTheFormulasNeed) {
  const ExactValue sqrt3 = SquareRootOf3();
  EXPECT_EQ(Multiply(sqrt3, sqrt3), V(3));
  EXPECT_EQ(Divide(V(10), sqrt3), Root2(10, 3, 3));       // 10/√3 = 10√3/3
  EXPECT_EQ(Multiply(Root4(4, 3), sqrt3), Root4(4, 27));  // 4·⁴√3·√3 = 4·⁴√27
  EXPECT_EQ(Divide(V(1), Root4(1, 3)), Root4(1, 27, 3));  // 1/⁴√3 = ⁴√27/3
  EXPECT_EQ(SquareRoot(Root2(16, 3)), Root4(4, 3));       // √(16√3) = 4·⁴√3
  EXPECT_EQ(SquareRoot(V(9, 4)), V(3, 2));
  EXPECT_EQ(SquareRoot(V(1, 2)), Root2(1, 2, 2));  // √(1/2) = √2/2
  EXPECT_EQ(SquareRoot(V(-4)), std::nullopt);
  EXPECT_EQ(SquareRoot(Root4(1, 3)), std::nullopt);  // an eighth root
  EXPECT_EQ(Divide(V(1), V(0)), std::nullopt);
  // Past the 64-bit integers: nothing, never a wrapped value.
  EXPECT_EQ(Multiply(V(INT64_C(3037000500)), V(INT64_C(3037000500))), std::nullopt);
  EXPECT_EQ(Multiply(V(INT64_C(3037000499)), V(INT64_C(3037000499))),
            V(INT64_C(9223372030926249001)));
  EXPECT_EQ(MakeRational(INT64_MIN), std::nullopt);
  EXPECT_EQ(Multiply(Rational{INT64_MAX, 1}, Rational{-1, 1}), (Rational{-INT64_MAX, 1}));
}

TEST(ExactGiven, TheShortestDecimalThatReadsBackAsTheDouble) {
  const NumberFormat point = DecimalPointFormat();
  EXPECT_EQ(ExactGiven(ParseNumber("2.5", point)), (Rational{5, 2}));
  EXPECT_EQ(ExactGiven(ParseNumber("2,5", BulgarianFormat())), (Rational{5, 2}));
  EXPECT_EQ(ExactGiven(ParseNumber("1E-3", point)), (Rational{1, 1000}));
  EXPECT_EQ(ExactGiven(ParseNumber("&HFF", point)), (Rational{255, 1}));
  EXPECT_EQ(ExactGiven(ParseNumber("0.1", point)), (Rational{1, 10}));
  EXPECT_EQ(ExactGiven(ParseNumber("-12", point)), (Rational{-12, 1}));
  EXPECT_EQ(ExactGiven(-0.0), (Rational{0, 1}));
  EXPECT_EQ(ExactGiven(ParseNumber("1E18", point)), (Rational{INT64_C(1000000000000000000), 1}));
  EXPECT_EQ(ExactGiven(0.1 + 0.2),
            (Rational{INT64_C(7500000000000001), INT64_C(25000000000000000)}));
  EXPECT_EQ(ExactGiven(ParseNumber("1E19", point)), std::nullopt);
  EXPECT_EQ(ExactGiven(ParseNumber("1E-30", point)), std::nullopt);
  EXPECT_EQ(ExactGiven(ParseNumber("&HFFFFFFFFFFFFFFFFF", point)), std::nullopt);
}

// Worked out by hand from the school's formulas, in the measures' order: a, P, S, m, h, l, R, r.
struct Row {
  QuantityIndex given;
  double value;
  std::array<ExactValue, kQuantityCount> measures;
};

const Row kRows[] = {
    {kSide,
     10,
     {V(10), V(30), Root2(25, 3), Root2(5, 3), Root2(5, 3), Root2(5, 3), Root2(10, 3, 3),
      Root2(5, 3, 3)}},
    {kSide,
     2.5,
     {V(5, 2), V(15, 2), Root2(25, 3, 16), Root2(5, 3, 4), Root2(5, 3, 4), Root2(5, 3, 4),
      Root2(5, 3, 6), Root2(5, 3, 12)}},
    {kSide,
     255,  // &HFF
     {V(255), V(765), Root2(65025, 3, 4), Root2(255, 3, 2), Root2(255, 3, 2), Root2(255, 3, 2),
      Root2(85, 3), Root2(85, 3, 2)}},
    {kSide,
     1e-3,
     {V(1, 1000), V(3, 1000), Root2(1, 3, 4000000), Root2(1, 3, 2000), Root2(1, 3, 2000),
      Root2(1, 3, 2000), Root2(1, 3, 3000), Root2(1, 3, 6000)}},
    {kSide,
     -3,
     {V(-3), V(-9), Root2(9, 3, 4), Root2(-3, 3, 2), Root2(-3, 3, 2), Root2(-3, 3, 2), Root2(-1, 3),
      Root2(-1, 3, 2)}},
    {kSide, 0, {V(0), V(0), V(0), V(0), V(0), V(0), V(0), V(0)}},
    {kPerimeter,
     10,
     {V(10, 3), V(10), Root2(25, 3, 9), Root2(5, 3, 3), Root2(5, 3, 3), Root2(5, 3, 3),
      Root2(10, 3, 9), Root2(5, 3, 9)}},
    {kPerimeter,
     12,
     {V(4), V(12), Root2(4, 3), Root2(2, 3), Root2(2, 3), Root2(2, 3), Root2(4, 3, 3),
      Root2(2, 3, 3)}},
    {kArea,
     12,
     {Root4(4, 3), Root4(12, 3), V(12), Root4(2, 27), Root4(2, 27), Root4(2, 27), Root4(4, 27, 3),
      Root4(2, 27, 3)}},
    {kArea,
     27,
     {Root4(6, 3), Root4(18, 3), V(27), Root4(3, 27), Root4(3, 27), Root4(3, 27), Root4(2, 27),
      Root4(1, 27)}},
    {kArea,
     48,
     {Root4(8, 3), Root4(24, 3), V(48), Root4(4, 27), Root4(4, 27), Root4(4, 27), Root4(8, 27, 3),
      Root4(4, 27, 3)}},
    {kArea,
     75,
     {Root4(10, 3), Root4(30, 3), V(75), Root4(5, 27), Root4(5, 27), Root4(5, 27), Root4(10, 27, 3),
      Root4(5, 27, 3)}},
    // a² = 8/√3, a = ⁴√(64/3) = 2·⁴√108/3; h² = 3a²/4 = 2√3, h = ⁴√12.
    {kArea,
     2,
     {Root4(2, 108, 3), Root4(2, 108), V(2), Root4(1, 12), Root4(1, 12), Root4(1, 12),
      Root4(2, 12, 3), Root4(1, 12, 3)}},
    {kArea, 0, {V(0), V(0), V(0), V(0), V(0), V(0), V(0), V(0)}},
    {kMedian, 6, {Root2(4, 3), Root2(12, 3), Root2(12, 3), V(6), V(6), V(6), V(4), V(2)}},
    {kHeight, -3, {Root2(-2, 3), Root2(-6, 3), Root2(3, 3), V(-3), V(-3), V(-3), V(-2), V(-1)}},
    {kBisector,
     1.5,
     {Root2(1, 3), Root2(3, 3), Root2(3, 3, 4), V(3, 2), V(3, 2), V(3, 2), V(1), V(1, 2)}},
    {kCircumradius, 2, {Root2(2, 3), Root2(6, 3), Root2(3, 3), V(3), V(3), V(3), V(2), V(1)}},
    {kInradius,
     0.5,
     {Root2(1, 3), Root2(3, 3), Root2(3, 3, 4), V(3, 2), V(3, 2), V(3, 2), V(1), V(1, 2)}},
    {kInradius, 10, {Root2(20, 3), Root2(60, 3), Root2(300, 3), V(30), V(30), V(30), V(20), V(10)}},
};

TEST(ExactMeasures, EveryMeasureBySchoolFormulas) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(testing::Message() << "given " << row.given << " = " << row.value);
    const auto measures = ExactMeasures(row.given, row.value);
    for (std::size_t k = 0; k < measures.size(); ++k) {
      SCOPED_TRACE(testing::Message() << "measure " << k);
      ASSERT_TRUE(measures[k].has_value());
      EXPECT_EQ(*measures[k], row.measures[k]);
    }
  }
}

// Where a form would leave the 64-bit integers, that measure has none; the others keep theirs.
TEST(ExactMeasures, NoneWhereTheIntegersWouldOverflow) {
  const auto big = ExactMeasures(kSide, 1e18);
  EXPECT_EQ(big[kPerimeter], V(INT64_C(3000000000000000000)));
  EXPECT_EQ(big[kArea], std::nullopt);  // 10³⁶·√3/4
  EXPECT_EQ(big[kHeight], Root2(INT64_C(500000000000000000), 3));
  const auto beyond = ExactMeasures(kSide, 4e18);
  EXPECT_EQ(beyond[kPerimeter], std::nullopt);  // 1,2·10¹⁹
  EXPECT_EQ(beyond[kSide], V(INT64_C(4000000000000000000)));
  // 0.1 + 0.2 has 17 digits: its square needs 34.
  const auto digits = ExactMeasures(kSide, 0.1 + 0.2);
  EXPECT_TRUE(digits[kPerimeter].has_value());
  EXPECT_EQ(digits[kArea], std::nullopt);
  // The area 5.26433: the side's radicand 27·526433²·100000²/… does not fit.
  for (const auto& measure : ExactMeasures(kArea, 5.26433)) EXPECT_EQ(measure, std::nullopt);
  for (const auto& measure : ExactMeasures(kSide, 1e19)) EXPECT_EQ(measure, std::nullopt);
  // A negative area has no side.
  for (const auto& measure : ExactMeasures(kArea, -12)) EXPECT_EQ(measure, std::nullopt);
}

}  // namespace
}  // namespace triangle
