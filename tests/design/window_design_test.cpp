#include "design/window_design.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "design/pixels.h"

namespace design {
namespace {

using enum ControlKind;

// The designed window, written out here rather than read from the code's table: one row a
// control in tab order, rectangles in twips.
struct ExpectedControl {
  ControlKind kind;
  int index;
  TwipRect rect;
  std::optional<Rgb> background;
  std::string_view text;  // empty for the info fields, whose long texts are checked below
};

constexpr Rgb kOrange{255, 192, 128};
constexpr ExpectedControl kDesign[] = {
    {kInfoField, 0, {360, 3480, 6735, 1815}, {}, ""},
    {kInfoField, 1, {720, 4080, 6735, 1815}, {}, ""},
    {kLabel, 0, {1440, 0, 4575, 375}, kOrange, "Равностранен триъгълнк - лице, периметър"},
    {kOption, 0, {240, 600, 1815, 375}, kOrange, "страна"},
    {kQuantityField, 0, {2160, 600, 1455, 405}, {}, ""},
    {kOption, 1, {240, 1080, 1815, 375}, kOrange, "периметър"},
    {kQuantityField, 1, {2160, 1080, 1455, 405}, {}, ""},
    {kOption, 2, {240, 1560, 1815, 375}, kOrange, " лице"},
    {kQuantityField, 2, {2160, 1560, 1455, 405}, {}, ""},
    {kOption, 3, {240, 2040, 1815, 375}, kOrange, "медиана"},
    {kQuantityField, 3, {2160, 2040, 1455, 405}, {}, ""},
    {kOption, 4, {240, 2520, 1815, 375}, kOrange, "височина"},
    {kQuantityField, 4, {2160, 2520, 1455, 405}, {}, ""},
    {kOption, 5, {240, 3000, 1815, 375}, kOrange, "ъглополовяща"},
    {kQuantityField, 5, {2160, 3000, 1455, 405}, {}, ""},
    {kOption, 6, {3720, 600, 1815, 375}, kOrange, "R описана"},
    {kQuantityField, 6, {5640, 600, 1455, 405}, {}, ""},
    {kOption, 7, {3720, 1080, 1815, 375}, kOrange, "r вписана"},
    {kQuantityField, 7, {5640, 1080, 1455, 405}, {}, ""},
    {kCommandButton, 0, {3960, 2040, 1815, 495}, Rgb{128, 255, 128}, "Изчисли"},
    {kCommandButton, 1, {5280, 2760, 1815, 495}, Rgb{255, 0, 0}, "Изтрий"},
};

TEST(WindowDesign, EveryControlInTabOrderWithItsPlaceColourAndText) {
  ASSERT_EQ(std::size(kDesign), kControls.size());
  for (std::size_t row = 0; row < kControls.size(); ++row) {
    SCOPED_TRACE(row);
    const Control& control = kControls[row];
    const ExpectedControl& expected = kDesign[row];
    EXPECT_EQ(control.kind, expected.kind);
    EXPECT_EQ(control.index, expected.index);
    EXPECT_EQ(control.rect, expected.rect);
    EXPECT_EQ(control.background, expected.background);
    if (expected.kind != kInfoField) {
      EXPECT_EQ(control.text, expected.text);
    }
    EXPECT_EQ(control.alignment, expected.kind == kLabel ? Alignment::kCentre : Alignment::kLeft);
  }
}

TEST(WindowDesign, InfoFieldsScrollAndTheSayingAndLabelHaveNoBorder) {
  EXPECT_TRUE(kControls[0].border);
  EXPECT_FALSE(kControls[1].border);
  EXPECT_FALSE(kControls[2].border);
  EXPECT_TRUE(kControls[0].vertical_scroll_bar);
  EXPECT_TRUE(kControls[1].vertical_scroll_bar);
}

// Code points, not bytes: the statement has 18 lines and the saying 3, each ending in "\n".
std::size_t CodePoints(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char c : utf8) count += (c & 0xC0) != 0x80;
  return count;
}

TEST(WindowDesign, StatementAndSayingHaveTheirLengthAndEnds) {
  const std::string_view statement = kControls[0].text;
  const std::string_view saying = kControls[1].text;
  EXPECT_EQ(CodePoints(statement), 1046u - 18u);
  EXPECT_EQ(CodePoints(saying), 118u - 3u);
  EXPECT_TRUE(statement.starts_with("За равностранен триъгълник, по подразбиране,"));
  EXPECT_TRUE(statement.ends_with("за изтриване на входнните данни и изведените резултати.\n"));
  EXPECT_NE(statement.find("\nд)  дължина на височина;\n"), std::string_view::npos);
  EXPECT_EQ(saying,
            "Неприятното в това да си първият, направил нещо по \n"
            "правилния начин, е, че никой не оценява колко трудно е \n"
            "било. \n");
}

TEST(WindowDesign, WindowSizeColourAndFont) {
  EXPECT_EQ(ToPixels(kClientArea), (PixelRect{0, 0, 498, 364}));
  EXPECT_EQ(kWindowBackground, (Rgb{192, 192, 255}));
  EXPECT_EQ(kFont.family, "Times New Roman");
  EXPECT_EQ(kFont.points, 12);
  EXPECT_EQ(kFont.weight, 400);
  EXPECT_EQ(kFont.charset, 204);
}

TEST(TwipsToPixels, ScalesEdgesWithTheResolution) {
  struct Row {
    int dots_per_inch;
    TwipRect twips;
    PixelRect pixels;
  };
  // 1440 twips an inch: at 96 dpi 15 twips a pixel, at 120 dpi 12, at 144 dpi 10, at 192 dpi 7.5.
  const Row rows[] = {
      {96, {360, 3480, 6735, 1815}, {24, 232, 449, 121}},
      {120, {360, 3480, 6735, 1815}, {30, 290, 561, 151}},
      {144, {360, 3480, 6735, 1815}, {36, 348, 674, 182}},
      {192, {360, 3480, 6735, 1815}, {48, 464, 898, 242}},
      {96, {0, 0, 7470, 5460}, {0, 0, 498, 364}},
      {120, {0, 0, 7470, 5460}, {0, 0, 623, 455}},
      {144, {0, 0, 7470, 5460}, {0, 0, 747, 546}},
      {192, {0, 0, 7470, 5460}, {0, 0, 996, 728}},
      {120, {240, 600, 1815, 375}, {20, 50, 151, 31}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.dots_per_inch);
    EXPECT_EQ(ToPixels(row.twips, row.dots_per_inch), row.pixels);
  }
}

}  // namespace
}  // namespace design
