#include "triangle/quantities.h"

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <stdexcept>

#include "triangle/failures.h"

namespace triangle {
namespace {

TEST(Sqrt3, IsTheCorrectlyRoundedSquareRootOfThree) { EXPECT_EQ(kSqrt3, std::sqrt(3.0)); }

// Each row: the measures of one triangle, in index order.
using Measures = std::array<double, kQuantityCount>;

void ExpectMeasures(double side, const Measures& expected) {
  for (QuantityIndex k = 0; k < kQuantityCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_NEAR(QuantityOfSide(k, side), expected[k], 5e-7);
  }
}

TEST(QuantityOfSide, GivesTheWorkedValuesForSideTen) {
  ExpectMeasures(10, {10, 30, 43.301270, 8.660254, 8.660254, 8.660254, 5.773503, 2.886751});
}

TEST(QuantityOfSide, KeepsTheSignOfANegativeSideExceptForTheArea) {
  ExpectMeasures(-3, {-3, -9, 3.897114, -2.598076, -2.598076, -2.598076, -1.732051, -0.866025});
}

TEST(SideFromInput, AreaTwelveGivesTheWorkedSideAndMeasures) {
  const double side = SideFromInput(kArea, 12);
  EXPECT_NEAR(side, 5.264296, 5e-7);
  ExpectMeasures(side, {5.264296, 15.792888, 12, 4.559014, 4.559014, 4.559014, 3.039343, 1.519671});
}

TEST(QuantityOfSide, AreaMultipliesBySqrt3BeforeTheSecondSideFactor) {
  // (a*sqrt3)*a/4 gives ...004 here; the textbook (a*a)*sqrt3/4 would give ...002.
  EXPECT_EQ(QuantityOfSide(kArea, SideFromInput(kArea, 12)), 12.000000000000004);
}

TEST(QuantityRows, MedianHeightAndBisectorAlwaysAgree) {
  for (double v : {0.1, 1.0, 2.5, 7.0, 12.0, 1e10, -4.0}) {
    SCOPED_TRACE(v);
    EXPECT_EQ(SideFromInput(kMedian, v), SideFromInput(kHeight, v));
    EXPECT_EQ(SideFromInput(kMedian, v), SideFromInput(kBisector, v));
    EXPECT_EQ(QuantityOfSide(kMedian, v), QuantityOfSide(kHeight, v));
    EXPECT_EQ(QuantityOfSide(kMedian, v), QuantityOfSide(kBisector, v));
  }
}

TEST(QuantityRows, ZeroGivesZeroEverywhere) {
  for (QuantityIndex k = 0; k < kQuantityCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(SideFromInput(k, 0), 0);
    EXPECT_EQ(QuantityOfSide(k, 0), 0);
  }
}

TEST(QuantityRows, SideFromInputInvertsQuantityOfSide) {
  for (QuantityIndex k = 0; k < kQuantityCount; ++k) {
    for (double v : {1e-300, 1e-5, 0.3, 1.0, 12.0, 987.654, 1e12, 1e150}) {
      SCOPED_TRACE(testing::Message() << "index " << k << ", v " << v);
      EXPECT_NEAR(QuantityOfSide(k, SideFromInput(k, v)), v, v * 1e-15);
    }
  }
}

TEST(QuantityFailures, NegativeAreaIsAnInvalidArgument) {
  EXPECT_THROW(SideFromInput(kArea, -1), InvalidArgumentError);
  EXPECT_THROW(SideFromInput(kArea, -1e-300), InvalidArgumentError);
}

TEST(QuantityFailures, ResultsBeyondTheDoubleRangeOverflow) {
  EXPECT_THROW(QuantityOfSide(kArea, 1e200), OverflowError);
  EXPECT_THROW(QuantityOfSide(kPerimeter, DBL_MAX), OverflowError);
  EXPECT_THROW(SideFromInput(kArea, DBL_MAX), OverflowError);
  EXPECT_THROW(SideFromInput(kInradius, 5.3e307), OverflowError);
  EXPECT_THROW(SideFromInput(kMedian, -DBL_MAX), OverflowError);
  // Just inside the range: no failure.
  EXPECT_NO_THROW(QuantityOfSide(kArea, 1e154));
  EXPECT_NO_THROW(SideFromInput(kInradius, 5.1e307));
}

TEST(QuantityFailures, UnknownIndexIsRejected) {
  EXPECT_THROW(SideFromInput(8, 1), std::out_of_range);
  EXPECT_THROW(QuantityOfSide(-1, 1), std::out_of_range);
}

}  // namespace
}  // namespace triangle
