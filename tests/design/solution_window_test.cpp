// Where the desktop solution window opens and how its inside is laid out at any size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>

#include "design/figure.h"
#include "design/solution_window_layout.h"
#include "design/solution_window_placement.h"

namespace design {

void PrintTo(const PixelRect& rect, std::ostream* out) {
  *out << "{" << rect.left << ", " << rect.top << ", " << rect.width << ", " << rect.height << "}";
}

namespace {

// The outer size of a window whose client area is 860 x 540, and of one of 432 x 533, with a
// frame of 8 pixels each side and a title bar of 31.
constexpr PixelSize kPreferred{876, 579};
constexpr PixelSize kMinimum{448, 572};
constexpr int kGap = 8;

struct Placement {
  const char* name;
  PixelRect calculator;
  PixelRect work_area;
  PixelRect expected;
};

// Worked out by hand from the rule: right, left, below, above, else the side lacking least.
const Placement kPlacements[] = {
    // The calculator centred on 1600 x 1000: 543 pixels on its right, taken whole.
    {"centred", {551, 318, 498, 364}, {0, 0, 1600, 1000}, {1057, 318, 543, 579}},
    {"at the left edge", {0, 0, 498, 364}, {0, 0, 1600, 1000}, {506, 0, 876, 579}},
    {"at the right edge", {1102, 100, 498, 364}, {0, 0, 1600, 1000}, {218, 100, 876, 579}},
    // Low on a second monitor: beside it, raised so that its bottom stays on the monitor.
    {"second monitor", {1650, 600, 498, 364}, {1600, 0, 1280, 1024}, {2156, 445, 724, 579}},
    {"exactly the minimum on the right",
     {0, 0, 1144, 364},
     {0, 0, 1600, 1000},
     {1152, 0, 448, 579}},
    {"a pixel less: below", {0, 0, 1145, 364}, {0, 0, 1600, 1000}, {0, 372, 876, 579}},
    // A portrait screen: no room beside, below it then above it, moved in from the right.
    {"below", {201, 100, 498, 364}, {0, 0, 900, 1600}, {24, 472, 876, 579}},
    {"above", {201, 1200, 498, 364}, {0, 0, 900, 1600}, {24, 613, 876, 579}},
    // 1024 x 768 with a task bar, the calculator in the middle: no side has room; the right
    // lacks least (193 pixels), and the window keeps to the work area.
    {"no room", {263, 182, 498, 364}, {0, 0, 1024, 728}, {576, 149, 448, 579}},
    // At a scale factor of 2 on 1600 x 1000: 800 x 500 device-independent pixels, smaller than
    // the window's minimum: the whole height, the minimum width, at the right.
    {"no room at twice the scale", {151, 68, 498, 364}, {0, 0, 800, 500}, {352, 0, 448, 500}},
};

class PlacementTest : public testing::TestWithParam<Placement> {};

TEST_P(PlacementTest, BesideTheCalculatorWhereThereIsRoom) {
  const Placement& row = GetParam();
  const PixelRect placed =
      PlaceSolutionWindow(row.calculator, row.work_area, kPreferred, kMinimum, kGap);
  EXPECT_EQ(placed, row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, PlacementTest, testing::ValuesIn(kPlacements),
                         [](const testing::TestParamInfo<Placement>& row) {
                           std::string name = row.param.name;
                           std::replace_if(
                               name.begin(), name.end(), [](char c) { return !std::isalnum(c); },
                               '_');
                           return name;
                         });

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

bool Inside(const PixelRect& inner, const PixelRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

// Every position of the calculator on a 1920 x 1080 screen: inside the work area always; over
// the calculator never where some side had room for the minimum.
TEST(Placement, NeverOverTheCalculatorWhereAnySideHasRoom) {
  const PixelRect work{0, 40, 1920, 1040};
  for (int left = -200; left <= 1900; left += 37) {
    for (int top = -100; top <= 1100; top += 41) {
      const PixelRect calculator{left, top, 498, 364};
      const PixelRect placed = PlaceSolutionWindow(calculator, work, kPreferred, kMinimum, kGap);
      SCOPED_TRACE(testing::Message() << left << "," << top);
      ASSERT_TRUE(Inside(placed, work));
      ASSERT_GE(placed.width, kMinimum.width);
      ASSERT_GE(placed.height, kMinimum.height);
      const int right = work.left + work.width - (left + 498) - kGap;
      const int below = work.top + work.height - (top + 364) - kGap;
      const bool room = right >= kMinimum.width || left - kGap - work.left >= kMinimum.width ||
                        below >= kMinimum.height || top - kGap - work.top >= kMinimum.height;
      if (room) {
        ASSERT_FALSE(Overlap(placed, calculator));
      }
    }
  }
}

TEST(SolutionWindowSize, SmallestAndStartAtEachResolution) {
  EXPECT_EQ(SolutionWindowStartSize(), kSolutionWindowStartSize);
  EXPECT_EQ(SolutionWindowSmallestSize(), (PixelSize{432, 533}));
  EXPECT_EQ(SolutionWindowStartSize(144), (PixelSize{1590, 840}));
  EXPECT_EQ(SolutionWindowSmallestSize(144), (PixelSize{648, 800}));
  EXPECT_EQ(SolutionWindowSmallestSize(192), (PixelSize{864, 1066}));
}

struct LayoutRow {
  PixelSize client;
  int dots_per_inch;
  SolutionWindowLayout expected;
};

// Worked out by hand: margins of 8, the unit's row 28 high, the figure 300 x 420 units.
const LayoutRow kLayouts[] = {
    // On opening: the figure as tall as the window allows, less than two fifths of its width;
    // the text 19 pixels (14 points), the 648 pixels of the solution holding 34 ems of it.
    {{1060, 560},
     96,
     {{8, 8, 388, 544}, {404, 8, 116, 28}, {524, 8, 170, 28}, {404, 44, 648, 508}, 19, true}},
    // At its smallest: one above the other, the figure at three quarters, the text 12 points.
    {{432, 533},
     96,
     {{8, 8, 416, 315}, {8, 331, 116, 28}, {128, 331, 170, 28}, {8, 367, 416, 158}, 16, false}},
    // Maximised on a projector's 1920 x 1080: the text grows with the figure (48 pixels) as far
    // as 34 ems fit across 1138 pixels.
    {{1920, 1080},
     96,
     {{8, 8, 758, 1064}, {774, 8, 116, 28}, {894, 8, 170, 28}, {774, 44, 1138, 1028}, 33, true}},
    // Opening at 144 dots per inch: everything half as large again.
    {{1590, 840},
     144,
     {{12, 12, 582, 816}, {606, 12, 174, 42}, {786, 12, 255, 42}, {606, 66, 972, 762}, 29, true}},
};

void ExpectSameLayout(const SolutionWindowLayout& actual, const SolutionWindowLayout& expected) {
  EXPECT_EQ(actual.figure, expected.figure);
  EXPECT_EQ(actual.unit_caption, expected.unit_caption);
  EXPECT_EQ(actual.unit_choice, expected.unit_choice);
  EXPECT_EQ(actual.text, expected.text);
  EXPECT_EQ(actual.text_pixels, expected.text_pixels);
  EXPECT_EQ(actual.side_by_side, expected.side_by_side);
}

TEST(SolutionWindowLayout, RowsWorkedOutByHand) {
  for (const LayoutRow& row : kLayouts) {
    SCOPED_TRACE(testing::Message()
                 << row.client.width << "x" << row.client.height << " at " << row.dots_per_inch);
    ExpectSameLayout(LayOutSolutionWindow(row.client, row.dots_per_inch), row.expected);
  }
}

// A solution whose longest line is measured shorter than the longest any solution has: its text
// grows further, until the figure's growth stops it.
TEST(SolutionWindowLayout, ShorterLinesLetTheTextGrowAsTheFigure) {
  EXPECT_EQ(LayOutSolutionWindow({1060, 560}).text_pixels, 19);
  EXPECT_EQ(LayOutSolutionWindow({1060, 560}, 96, 25).text_pixels, 24);  // 648 / 26 ems
  EXPECT_EQ(LayOutSolutionWindow({1060, 560}, 96, 5).text_pixels, 25);   // 19 x 1.29
  EXPECT_EQ(LayOutSolutionWindow({1590, 840}, 144, 25).text_pixels, 36);
  EXPECT_EQ(LayOutSolutionWindow({1060, 560}, 96, 0).text_pixels, 25);  // nothing measured
  EXPECT_EQ(LayOutSolutionWindow({432, 533}, 96, 60).text_pixels, 16);  // never below 12 points
}

// At every size from the smallest up, at each resolution: nothing overlaps or leaves the
// window, the figure's readings stay at least 12 pixels high (three quarters of the figure's
// 16 units), the text at least 12 points and 26 of its ems fit across the solution, and the
// text never shrinks as the window grows.
TEST(SolutionWindowLayout, ReadableAtEverySizeAndResolution) {
  for (const int dpi : {96, 120, 144, 192}) {
    const PixelSize smallest = SolutionWindowSmallestSize(dpi);
    int previous_pixels = 0;
    for (int step = 0; step <= 40; ++step) {
      const PixelSize client{smallest.width + step * 40 * dpi / 96,
                             smallest.height + step * 20 * dpi / 96};
      SCOPED_TRACE(testing::Message() << client.width << "x" << client.height << " at " << dpi);
      const SolutionWindowLayout layout = LayOutSolutionWindow(client, dpi);
      const PixelRect window{0, 0, client.width, client.height};
      const PixelRect parts[] = {layout.figure, layout.unit_caption, layout.unit_choice,
                                 layout.text};
      for (const PixelRect& part : parts) EXPECT_TRUE(Inside(part, window));
      for (std::size_t a = 0; a < std::size(parts); ++a) {
        for (std::size_t b = a + 1; b < std::size(parts); ++b) {
          EXPECT_FALSE(Overlap(parts[a], parts[b])) << a << " and " << b;
        }
      }
      const double figure_scale =
          std::min(layout.figure.width / kFigureWidth, layout.figure.height / kFigureHeight);
      EXPECT_GE(16 * figure_scale, 12.0 * dpi / 96 - 0.01);
      EXPECT_GE(layout.text_pixels, 16 * dpi / 96);
      EXPECT_GE(layout.text.width, kSolutionSmallestLineEms * 16 * dpi / 96);
      EXPECT_GE(layout.text.height, 7 * 16 * dpi / 96 * 6 / 5);
      EXPECT_GE(layout.text_pixels, previous_pixels);
      previous_pixels = layout.text_pixels;
    }
  }
}

// The notice before a solution, broken for a text that never wraps: at spaces only, every line
// at most 40 characters (counted as characters, not UTF-8 bytes), nothing lost or added.
TEST(NoticeLines, BrokenAtSpacesIntoShortLines) {
  EXPECT_EQ(BrokenAtSpaces("Изберете величина, въведете стойността ѝ и натиснете „Изчисли“: тук ще "
                           "се появи решението стъпка по стъпка.",
                           "|"),
            "Изберете величина, въведете стойността ѝ|и натиснете „Изчисли“: тук ще се появи|"
            "решението стъпка по стъпка.");
  EXPECT_EQ(BrokenAtSpaces("", "|"), "");
  EXPECT_EQ(BrokenAtSpaces("кратко", "|"), "кратко");
  const std::string long_word(50, 'x');
  EXPECT_EQ(BrokenAtSpaces("a " + long_word + " b", "|"), "a|" + long_word + "|b");
}

}  // namespace
}  // namespace design
