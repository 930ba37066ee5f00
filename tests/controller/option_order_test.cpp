#include "controller/option_order.h"

#include <gtest/gtest.h>

namespace controller {
namespace {

// Down and Right go to the next option, Up and Left to the previous one, round at both ends:
// the measures' order, not the window's two columns ("r вписана" is followed by "страна").
TEST(OptionOrder, ArrowsGoRoundTheMeasuresInTheirOrder) {
  const struct {
    triangle::QuantityIndex from;
    triangle::QuantityIndex next;
    triangle::QuantityIndex previous;
  } rows[] = {{0, 1, 7}, {1, 2, 0}, {2, 3, 1}, {3, 4, 2},
              {4, 5, 3}, {5, 6, 4}, {6, 7, 5}, {7, 0, 6}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.from);
    EXPECT_EQ(NextOption(row.from, 1), row.next);
    EXPECT_EQ(NextOption(row.from, -1), row.previous);
  }
}

TEST(OptionOrder, LongerStepsGoRoundAsOften) {
  EXPECT_EQ(NextOption(6, 3), 1);
  EXPECT_EQ(NextOption(1, -3), 6);
  EXPECT_EQ(NextOption(5, 8), 5);
  EXPECT_EQ(NextOption(5, -17), 4);
  EXPECT_EQ(NextOption(2, 0), 2);
}

TEST(OptionOrder, AnIndexThatNamesNoOptionStartsFromTheFirst) {
  EXPECT_EQ(NextOption(-1, 1), 1);
  EXPECT_EQ(NextOption(8, -1), 7);
}

}  // namespace
}  // namespace controller
