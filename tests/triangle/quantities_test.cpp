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

// Every formula in both directions, bit for bit. The expected doubles come from exact
// rational arithmetic with one rounding to nearest (ties to even) per operation, in the
// written order (tests/triangle/exact_formula_rows.py): a reordered or regrouped formula,
// such as v * (2 / sqrt3) for (v * 2) / sqrt3, changes the last bits of many of them.
struct ExactRow {
  QuantityIndex index;
  double value;
  double side_from_value;  // SideFromInput(index, value)
  double measure_of_side;  // QuantityOfSide(index, value), the value taken as a side
};

constexpr ExactRow kExactRows[] = {
    {kSide, 0.1, 0x1.999999999999ap-4, 0x1.999999999999ap-4},
    {kSide, 1, 0x1.0000000000000p+0, 0x1.0000000000000p+0},
    {kSide, 2.5, 0x1.4000000000000p+1, 0x1.4000000000000p+1},
    {kSide, 7, 0x1.c000000000000p+2, 0x1.c000000000000p+2},
    {kSide, 12, 0x1.8000000000000p+3, 0x1.8000000000000p+3},
    {kSide, 33.3, 0x1.0a66666666666p+5, 0x1.0a66666666666p+5},
    {kSide, 987.654, 0x1.edd3b645a1cacp+9, 0x1.edd3b645a1cacp+9},
    {kSide, 123456.789, 0x1.e240c9fbe76c9p+16, 0x1.e240c9fbe76c9p+16},
    {kSide, 1e-7, 0x1.ad7f29abcaf48p-24, 0x1.ad7f29abcaf48p-24},
    {kPerimeter, 0.1, 0x1.1111111111111p-5, 0x1.3333333333334p-2},
    {kPerimeter, 1, 0x1.5555555555555p-2, 0x1.8000000000000p+1},
    {kPerimeter, 2.5, 0x1.aaaaaaaaaaaabp-1, 0x1.e000000000000p+2},
    {kPerimeter, 7, 0x1.2aaaaaaaaaaabp+1, 0x1.5000000000000p+4},
    {kPerimeter, 12, 0x1.0000000000000p+2, 0x1.2000000000000p+5},
    {kPerimeter, 33.3, 0x1.6333333333333p+3, 0x1.8f99999999999p+6},
    {kPerimeter, 987.654, 0x1.4937ced916873p+8, 0x1.725ec8b439581p+11},
    {kPerimeter, 123456.789, 0x1.418086a7ef9dbp+15, 0x1.69b0977ced917p+18},
    {kPerimeter, 1e-7, 0x1.1e54c672874dbp-25, 0x1.421f5f40d8376p-22},
    {kArea, 0.1, 0x1.ec1884e1bb3ecp-2, 0x1.1bc779ef0d4e8p-8},
    {kArea, 1, 0x1.85092ed86a26cp+0, 0x1.bb67ae8584caap-2},
    {kArea, 2.5, 0x1.338f530d15073p+1, 0x1.5a6900584fbe4p+1},
    {kArea, 7, 0x1.0152b2d890fd7p+2, 0x1.537b619e39ab2p+4},
    {kArea, 12, 0x1.50ea39fcbf167p+2, 0x1.f2d4a45635640p+5},
    {kArea, 33.3, 0x1.189f3dff5730cp+3, 0x1.e029d82fdccadp+8},
    {kArea, 987.654, 0x1.7e11ba2bfc774p+5, 0x1.9c7cb03c005b2p+18},
    {kArea, 123456.789, 0x1.0afaa2ae16416p+9, 0x1.8960e9cbb918bp+32},
    {kArea, 1e-7, 0x1.f7e7f49d6bc55p-12, 0x1.3804beb362ce8p-48},
    {kMedian, 0.1, 0x1.d8f7208e6b82ep-4, 0x1.62b9586ad0a22p-4},
    {kMedian, 1, 0x1.279a74590331dp+0, 0x1.bb67ae8584caap-1},
    {kMedian, 2.5, 0x1.7181116f43fe4p+1, 0x1.1520cd1372feap+1},
    {kMedian, 7, 0x1.02a725cde2cb9p+3, 0x1.83fab8b4d4315p+2},
    {kMedian, 12, 0x1.bb67ae8584cabp+3, 0x1.4c8dc2e423980p+3},
    {kMedian, 33.3, 0x1.339cbaaca0ec9p+5, 0x1.cd6b1802f162dp+4},
    {kMedian, 987.654, 0x1.1d1c746ac357bp+10, 0x1.abaaaea025038p+9},
    {kMedian, 123456.789, 0x1.166dcf73e9a42p+17, 0x1.a1a4b72dde762p+16},
    {kMedian, 1e-7, 0x1.eff0aab6fdab3p-24, 0x1.73f480093e406p-24},
    {kHeight, 0.1, 0x1.d8f7208e6b82ep-4, 0x1.62b9586ad0a22p-4},
    {kHeight, 1, 0x1.279a74590331dp+0, 0x1.bb67ae8584caap-1},
    {kHeight, 2.5, 0x1.7181116f43fe4p+1, 0x1.1520cd1372feap+1},
    {kHeight, 7, 0x1.02a725cde2cb9p+3, 0x1.83fab8b4d4315p+2},
    {kHeight, 12, 0x1.bb67ae8584cabp+3, 0x1.4c8dc2e423980p+3},
    {kHeight, 33.3, 0x1.339cbaaca0ec9p+5, 0x1.cd6b1802f162dp+4},
    {kHeight, 987.654, 0x1.1d1c746ac357bp+10, 0x1.abaaaea025038p+9},
    {kHeight, 123456.789, 0x1.166dcf73e9a42p+17, 0x1.a1a4b72dde762p+16},
    {kHeight, 1e-7, 0x1.eff0aab6fdab3p-24, 0x1.73f480093e406p-24},
    {kBisector, 0.1, 0x1.d8f7208e6b82ep-4, 0x1.62b9586ad0a22p-4},
    {kBisector, 1, 0x1.279a74590331dp+0, 0x1.bb67ae8584caap-1},
    {kBisector, 2.5, 0x1.7181116f43fe4p+1, 0x1.1520cd1372feap+1},
    {kBisector, 7, 0x1.02a725cde2cb9p+3, 0x1.83fab8b4d4315p+2},
    {kBisector, 12, 0x1.bb67ae8584cabp+3, 0x1.4c8dc2e423980p+3},
    {kBisector, 33.3, 0x1.339cbaaca0ec9p+5, 0x1.cd6b1802f162dp+4},
    {kBisector, 987.654, 0x1.1d1c746ac357bp+10, 0x1.abaaaea025038p+9},
    {kBisector, 123456.789, 0x1.166dcf73e9a42p+17, 0x1.a1a4b72dde762p+16},
    {kBisector, 1e-7, 0x1.eff0aab6fdab3p-24, 0x1.73f480093e406p-24},
    {kCircumradius, 0.1, 0x1.62b9586ad0a22p-3, 0x1.d8f7208e6b82ep-5},
    {kCircumradius, 1, 0x1.bb67ae8584caap+0, 0x1.279a74590331dp-1},
    {kCircumradius, 2.5, 0x1.1520cd1372feap+2, 0x1.7181116f43fe4p+0},
    {kCircumradius, 7, 0x1.83fab8b4d4315p+3, 0x1.02a725cde2cb9p+2},
    {kCircumradius, 12, 0x1.4c8dc2e423980p+4, 0x1.bb67ae8584cabp+2},
    {kCircumradius, 33.3, 0x1.cd6b1802f162dp+5, 0x1.339cbaaca0ec9p+4},
    {kCircumradius, 987.654, 0x1.abaaaea025038p+10, 0x1.1d1c746ac357bp+9},
    {kCircumradius, 123456.789, 0x1.a1a4b72dde762p+17, 0x1.166dcf73e9a42p+16},
    {kCircumradius, 1e-7, 0x1.73f480093e406p-23, 0x1.eff0aab6fdab3p-25},
    {kInradius, 0.1, 0x1.62b9586ad0a22p-2, 0x1.d8f7208e6b82ep-6},
    {kInradius, 1, 0x1.bb67ae8584caap+1, 0x1.279a74590331dp-2},
    {kInradius, 2.5, 0x1.1520cd1372feap+3, 0x1.7181116f43fe4p-1},
    {kInradius, 7, 0x1.83fab8b4d4315p+4, 0x1.02a725cde2cb9p+1},
    {kInradius, 12, 0x1.4c8dc2e423980p+5, 0x1.bb67ae8584cabp+1},
    {kInradius, 33.3, 0x1.cd6b1802f162dp+6, 0x1.339cbaaca0ec9p+3},
    {kInradius, 987.654, 0x1.abaaaea025038p+11, 0x1.1d1c746ac357bp+8},
    {kInradius, 123456.789, 0x1.a1a4b72dde762p+18, 0x1.166dcf73e9a42p+15},
    {kInradius, 1e-7, 0x1.73f480093e406p-22, 0x1.eff0aab6fdab3p-26},
};

TEST(QuantityRows, EveryFormulaIsBitExactInBothDirections) {
  for (const ExactRow& row : kExactRows) {
    SCOPED_TRACE(testing::Message() << "index " << row.index << ", value " << row.value);
    EXPECT_EQ(SideFromInput(row.index, row.value), row.side_from_value);
    EXPECT_EQ(QuantityOfSide(row.index, row.value), row.measure_of_side);
  }
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
