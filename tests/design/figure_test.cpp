#include "design/figure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "calculation_values.h"
#include "triangle/quantities.h"

namespace design {
namespace {

using triangle::QuantityIndex;

using test_support::Calculation;

double Distance(FigurePoint p, FigurePoint q) { return std::hypot(p.x - q.x, p.y - q.y); }

std::vector<const FigureShape*> Marks(const Figure& figure) {
  std::vector<const FigureShape*> marks;
  for (const FigureShape& shape : figure.shapes) {
    if (shape.part == FigurePart::kMark) marks.push_back(&shape);
  }
  return marks;
}

TEST(Figure, AnEquilateralTriangleWithItsCirclesInsideTheSpace) {
  const Figure f = DescribeFigure();
  EXPECT_NEAR(Distance(f.a, f.b), Distance(f.b, f.c), 1e-9);
  EXPECT_NEAR(Distance(f.a, f.b), Distance(f.c, f.a), 1e-9);
  EXPECT_EQ(f.a.y, f.b.y) << "the base is level";
  EXPECT_LT(f.c.y, f.a.y) << "C is the top corner";
  EXPECT_NEAR(f.d.x, (f.a.x + f.b.x) / 2, 1e-9);
  EXPECT_EQ(f.d.y, f.a.y);
  for (FigurePoint corner : {f.a, f.b, f.c})
    EXPECT_NEAR(Distance(f.o, corner), f.circumradius, 1e-9);
  EXPECT_NEAR(Distance(f.o, f.d), f.inradius, 1e-9);
  EXPECT_NEAR(Distance(f.o, f.e), f.inradius, 1e-9);
  EXPECT_NEAR(Distance(f.b, f.e) + Distance(f.e, f.c), Distance(f.b, f.c), 1e-9) << "E is on BC";
  EXPECT_GE(f.o.y - f.circumradius, 0);
  EXPECT_GE(f.o.x - f.circumradius, 0);
  EXPECT_LE(f.o.x + f.circumradius, kFigureWidth);
  EXPECT_FALSE(f.given);
  EXPECT_TRUE(Marks(f).empty());
  for (const FigureShape& shape : f.shapes) EXPECT_FALSE(shape.given);
}

// Each given measure stands out: every shape that shows it and its reading, nothing else; the
// median, the height and the bisector, one segment, are told apart by their marks.
TEST(Figure, TheGivenMeasureStandsOutWithItsMarks) {
  for (QuantityIndex given = 0; given < triangle::kQuantityCount; ++given) {
    SCOPED_TRACE(given);
    const Figure f = DescribeFigure(given, Calculation(given, 2), triangle::DecimalPointFormat());
    ASSERT_EQ(f.given, given);
    int standing_out = 0;
    for (const FigureShape& shape : f.shapes) {
      EXPECT_EQ(shape.given, (shape.measures & MeasureBit(given)) != 0);
      if (shape.given) {
        ++standing_out;
        EXPECT_EQ(shape.ink.stroke, (Rgb{176, 0, 0}));
        EXPECT_FALSE(shape.ink.dashed);
      }
    }
    EXPECT_GT(standing_out, 0);
    for (const FigureText& text : f.texts) {
      if (text.part == FigurePart::kReading) {
        EXPECT_EQ(text.bold, text.measure == given);
      }
    }
    const auto marks = Marks(f);
    switch (given) {
      case triangle::kMedian:  // a stroke across each half of AB, at the half's middle
        ASSERT_EQ(marks.size(), 2u);
        EXPECT_NEAR(marks[0]->points.front().x, (f.a.x + f.d.x) / 2, 1e-9);
        EXPECT_NEAR(marks[1]->points.front().x, (f.d.x + f.b.x) / 2, 1e-9);
        for (const FigureShape* mark : marks) {
          EXPECT_EQ(mark->points.front().x, mark->points.back().x);
          EXPECT_LT(mark->points.front().y, f.a.y);
          EXPECT_GT(mark->points.back().y, f.a.y);
        }
        break;
      case triangle::kHeight: {  // a right angle between AB and CD, at the foot D
        ASSERT_EQ(marks.size(), 1u);
        const auto& p = marks[0]->points;
        ASSERT_EQ(p.size(), 3u);
        EXPECT_EQ(p[0].y, f.d.y);
        EXPECT_LT(p[0].x, f.d.x);
        EXPECT_EQ(p[2].x, f.d.x);
        EXPECT_LT(p[2].y, f.d.y);
        EXPECT_NEAR((p[0].x - p[1].x) * (p[2].x - p[1].x) + (p[0].y - p[1].y) * (p[2].y - p[1].y),
                    0, 1e-9);
        break;
      }
      case triangle::kBisector:  // two equal arcs about C, one each side of CD
        ASSERT_EQ(marks.size(), 2u);
        for (const FigureShape* mark : marks) {
          for (FigurePoint p : mark->points) EXPECT_NEAR(Distance(p, f.c), 30, 1e-9);
        }
        EXPECT_NEAR(marks[0]->points.front().x - f.c.x, f.c.x - marks[1]->points.back().x, 1e-9);
        EXPECT_NEAR(marks[0]->points.back().x, f.c.x, 1e-9);
        EXPECT_NEAR(marks[1]->points.front().x, f.c.x, 1e-9);
        break;
      default:
        EXPECT_TRUE(marks.empty());
    }
  }
}

TEST(Figure, ReadingsShowTheValuesAsTheFieldsDo) {
  const Figure before = DescribeFigure();
  const Figure after = DescribeFigure(triangle::kArea, Calculation(triangle::kArea, 12),
                                      triangle::BulgarianFormat());
  std::vector<std::string> readings_before;
  std::vector<std::string> readings_after;
  for (const FigureText& text : before.texts) {
    if (text.part == FigurePart::kReading) readings_before.push_back(text.text);
  }
  for (const FigureText& text : after.texts) {
    if (text.part == FigurePart::kReading) {
      readings_after.push_back(text.text);
      EXPECT_EQ(text.text.substr(0, text.value_start).back(), ' ');
    }
  }
  EXPECT_EQ(readings_before, (std::vector<std::string>{
                                 "a = ", "P = ", "S = ", "m = ", "h = ", "l = ", "R = ", "r = "}));
  EXPECT_EQ(readings_after,
            (std::vector<std::string>{"a = 5,2643", "P = 15,7929", "S = 12", "m = 4,5590",
                                      "h = 4,5590", "l = 4,5590", "R = 3,0393", "r = 1,5197"}));
  EXPECT_NE(after.description.find("лице S = 12."), std::string::npos) << after.description;
  EXPECT_NE(after.description.find("r = 1,5197"), std::string::npos) << after.description;
  EXPECT_EQ(before.description.find("Дадено"), std::string::npos) << before.description;
}

bool Overlap(const FigureText::Box& p, const FigureText::Box& q) {
  return p.left < q.left + q.width && q.left < p.left + p.width && p.top < q.top + q.height &&
         q.top < p.top + p.height;
}

// Whatever the fields can show, from everyday values to the largest a calculation can give,
// every text stays inside the figure, clear of every other, and shows all it has to say.
TEST(Figure, TextsNeverOverlapNorLeaveTheFigure) {
  const struct {
    QuantityIndex given;
    double value;
  } calculations[] = {{triangle::kArea, 12},         {triangle::kSide, 1e5},
                      {triangle::kSide, -1e5},       {triangle::kSide, 1e99},
                      {triangle::kArea, 4e307},      {triangle::kInradius, 1e-300},
                      {triangle::kPerimeter, 3e154}, {triangle::kCircumradius, 1e150}};
  triangle::NumberFormat hindi = triangle::DecimalPointFormat();
  hindi.group_sizes = {3, 2};
  for (const auto& [given, value] : calculations) {
    for (const triangle::NumberFormat& format :
         {triangle::DecimalPointFormat(), triangle::BulgarianFormat(), hindi}) {
      SCOPED_TRACE(testing::Message()
                   << given << " = " << value << " with '" << format.decimal_separator << "'");
      const Figure f = DescribeFigure(given, Calculation(given, value), format);
      for (std::size_t i = 0; i < f.texts.size(); ++i) {
        const FigureText& text = f.texts[i];
        EXPECT_EQ(std::accumulate(text.lines.begin(), text.lines.end(), std::string()), text.text);
        EXPECT_GE(text.box.left, 0);
        EXPECT_GE(text.box.top, 0);
        EXPECT_LE(text.box.left + text.box.width, kFigureWidth) << text.text;
        EXPECT_LE(text.box.top + text.box.height, kFigureHeight) << text.text;
        EXPECT_GE(text.box.height, static_cast<double>(text.lines.size()) * text.font_size);
        for (std::size_t j = i + 1; j < f.texts.size(); ++j) {
          EXPECT_FALSE(Overlap(text.box, f.texts[j].box)) << text.text << " / " << f.texts[j].text;
        }
      }
    }
  }
}

// A long everyday value shrinks but stays on one line, legible.
TEST(Figure, ALongReadingShrinksOnOneLine) {
  const Figure f = DescribeFigure(triangle::kSide, Calculation(triangle::kSide, 1e5),
                                  triangle::BulgarianFormat());
  const FigureText& area = f.texts.at(4 + triangle::kArea);
  ASSERT_EQ(area.text, "S = 4\u00A0330\u00A0127\u00A0018,9222");
  EXPECT_EQ(area.lines.size(), 1u);
  EXPECT_LT(area.font_size, 16);
  EXPECT_GE(area.font_size, 10);
  EXPECT_EQ(f.texts.at(4 + triangle::kSide).font_size, 16) << "a short one keeps its size";
}

}  // namespace
}  // namespace design

namespace design {
namespace {

// With a unit, every length's reading carries it and the area's its square: a label only.
TEST(Figure, ReadingsCarryTheUnit) {
  const Figure f = DescribeFigure(triangle::kArea, test_support::Calculation(triangle::kArea, 12),
                                  triangle::BulgarianFormat(), LengthUnit::kCentimetre);
  EXPECT_EQ(f.texts.at(4 + triangle::kArea).text, "S = 12 см²");
  EXPECT_EQ(f.texts.at(4 + triangle::kSide).text, "a = 5,2643 см");
  EXPECT_EQ(f.texts.at(4 + triangle::kInradius).text, "r = 1,5197 см");
  EXPECT_NE(f.description.find("S = 12 см²"), std::string::npos) << f.description;
}

// Zero or below is no triangle's measure: nothing is drawn, and the text alternative says so.
TEST(Figure, NoTriangleForAValueOfZeroOrBelow) {
  for (const double value : {0.0, -3.0}) {
    const Figure f =
        DescribeFigure(triangle::kHeight, test_support::Calculation(triangle::kHeight, value),
                       triangle::DecimalPointFormat());
    EXPECT_TRUE(f.shapes.empty());
    ASSERT_EQ(f.texts.size(), static_cast<std::size_t>(triangle::kQuantityCount));
    for (const FigureText& text : f.texts) EXPECT_EQ(text.part, FigurePart::kReading);
    EXPECT_TRUE(f.description.starts_with(
        "Чертеж: няма триъгълник с такава величина, затова не е начертан триъгълник."))
        << f.description;
  }
  EXPECT_FALSE(DescribeFigure(triangle::kHeight, test_support::Calculation(triangle::kHeight, 3),
                              triangle::DecimalPointFormat())
                   .shapes.empty());
}

}  // namespace
}  // namespace design
