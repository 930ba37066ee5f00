#include "design/figure.h"

// The figure's shapes: the triangle, its circles and segments, and the given measure's marks.
// Its texts are in figure_texts.cpp, their extents in figure_text_metrics.cpp.

#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>

#include "design/figure_colours.h"
#include "design/figure_texts.h"

namespace design {
namespace {

using figure_colours::kAreaFill;
using figure_colours::kBlack;
using figure_colours::kCircleBlue;
using figure_colours::kCircleGreen;
using figure_colours::kGivenAreaFill;
using figure_colours::kGivenRed;
using figure_colours::kGrey;
using figure_colours::kSideRed;
using triangle::QuantityIndex;

// The drawing: the side is 208 units, the circumscribed circle's top 26 units from the top,
// which leaves room for the name of the corner C above it.
constexpr double kSide = 208;
constexpr double kDrawingTop = 26;
constexpr double kGivenStroke = 3.5;  // the given measure's lines, drawn full and red

FigureShape Line(FigurePart part, MeasureSet measures, std::vector<FigurePoint> points,
                 FigureInk ink) {
  return {.part = part,
          .measures = measures,
          .given = false,
          .kind = FigureShape::Kind::kPolyline,
          .points = std::move(points),
          .ink = ink};
}

FigureShape Circle(FigurePart part, MeasureSet measures, FigurePoint centre, double radius,
                   FigureInk ink) {
  return {.part = part,
          .measures = measures,
          .given = false,
          .kind = FigureShape::Kind::kCircle,
          .points = {},
          .centre = centre,
          .radius = radius,
          .ink = ink};
}

// The arc of `radius` around `centre` from angle `from` to `to` (radians, y down), as a line
// through enough points to look round.
std::vector<FigurePoint> Arc(FigurePoint centre, double radius, double from, double to) {
  constexpr int kPieces = 12;
  std::vector<FigurePoint> points;
  for (int k = 0; k <= kPieces; ++k) {
    const double angle = from + (to - from) * k / kPieces;
    points.push_back({centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
  }
  return points;
}

Figure Drawing() {
  Figure figure{};
  const double height = kSide * std::numbers::sqrt3 / 2;
  figure.circumradius = height * 2 / 3;
  figure.inradius = height / 3;
  figure.o = {kFigureWidth / 2, kDrawingTop + figure.circumradius};
  figure.c = {figure.o.x, kDrawingTop};
  figure.a = {figure.o.x - kSide / 2, figure.o.y + figure.inradius};
  figure.b = {figure.o.x + kSide / 2, figure.a.y};
  figure.d = {figure.o.x, figure.a.y};
  figure.e = {(figure.b.x + figure.c.x) / 2, (figure.b.y + figure.c.y) / 2};
  return figure;
}

void AddShapes(Figure& figure) {
  const Figure& f = figure;
  const FigureInk dashed{kGrey, 1.5, true, std::nullopt};
  std::vector<FigureShape>& shapes = figure.shapes;
  using triangle::kArea, triangle::kBisector, triangle::kCircumradius, triangle::kHeight,
      triangle::kInradius, triangle::kMedian, triangle::kPerimeter;
  FigureShape area =
      Line(FigurePart::kArea, MeasureBit(kArea), {f.a, f.b, f.c}, {kBlack, 0, false, kAreaFill});
  area.kind = FigureShape::Kind::kPolygon;
  shapes.push_back(area);
  shapes.push_back(Circle(FigurePart::kCircle, MeasureBit(kCircumradius), f.o, f.circumradius,
                          {kCircleBlue, 1.5, false, std::nullopt}));
  shapes.push_back(Line(FigurePart::kRadius, MeasureBit(kCircumradius), {f.o, f.b}, dashed));
  shapes.push_back(Circle(FigurePart::kCircle, MeasureBit(kInradius), f.o, f.inradius,
                          {kCircleGreen, 1.5, false, std::nullopt}));
  shapes.push_back(Line(FigurePart::kRadius, MeasureBit(kInradius), {f.o, f.e}, dashed));
  shapes.push_back(Line(FigurePart::kSegment,
                        MeasureBit(kMedian) | MeasureBit(kHeight) | MeasureBit(kBisector),
                        {f.c, f.d}, dashed));
  // The marks: only the given measure's are drawn.
  const FigureInk mark{kGivenRed, 2, false, std::nullopt};
  if (f.given == kMedian) {
    for (double x : {(f.a.x + f.d.x) / 2, (f.d.x + f.b.x) / 2}) {
      shapes.push_back(
          Line(FigurePart::kMark, MeasureBit(kMedian), {{x, f.a.y - 6}, {x, f.a.y + 6}}, mark));
    }
  }
  if (f.given == kHeight) {
    shapes.push_back(Line(FigurePart::kMark, MeasureBit(kHeight),
                          {{f.d.x - 12, f.d.y}, {f.d.x - 12, f.d.y - 12}, {f.d.x, f.d.y - 12}},
                          mark));
  }
  if (f.given == kBisector) {
    // Two arcs of 30 units at C, one each side of CD: the angle's equal halves.
    constexpr double kQuarter = std::numbers::pi / 2;
    constexpr double kSixth = std::numbers::pi / 6;
    shapes.push_back(Line(FigurePart::kMark, MeasureBit(kBisector),
                          Arc(f.c, 30, kQuarter + kSixth, kQuarter), mark));
    shapes.push_back(Line(FigurePart::kMark, MeasureBit(kBisector),
                          Arc(f.c, 30, kQuarter, kQuarter - kSixth), mark));
  }
  shapes.push_back(
      Circle(FigurePart::kFoot, MeasureBit(kHeight), f.d, 3.5, {kGrey, 0, false, kGrey}));
  FigureShape outline = Line(FigurePart::kOutline, MeasureBit(kPerimeter), {f.a, f.b, f.c},
                             {kSideRed, 2, false, std::nullopt});
  outline.kind = FigureShape::Kind::kPolygon;
  shapes.push_back(outline);
  shapes.push_back(Line(FigurePart::kEdge, MeasureBit(triangle::kSide), {f.a, f.b},
                        {kSideRed, 2, false, std::nullopt}));

  // The given measure stands out: its strokes full and red, the area darker.
  for (FigureShape& shape : shapes) {
    shape.given = f.given && (shape.measures & MeasureBit(*f.given)) != 0;
    if (!shape.given) continue;
    shape.ink.stroke = kGivenRed;
    shape.ink.stroke_width = kGivenStroke;
    shape.ink.dashed = false;
    if (shape.part == FigurePart::kArea) shape.ink.fill = kGivenAreaFill;
    if (shape.part == FigurePart::kFoot) shape.ink.fill = kGivenRed;
  }
}

}  // namespace

Figure DescribeFigure() {
  Figure figure = Drawing();
  AddShapes(figure);
  figure_texts::AddStartTexts(figure);
  return figure;
}

Figure DescribeFigure(QuantityIndex given,
                      const std::array<double, triangle::kQuantityCount>& values,
                      const triangle::NumberFormat& format, LengthUnit unit) {
  Figure figure = Drawing();
  figure.given = given;
  // Zero or below (or not a number) is no triangle's measure: nothing to draw.
  const bool drawn = values.at(static_cast<std::size_t>(given)) > 0;
  if (drawn) AddShapes(figure);
  figure_texts::AddCalculationTexts(figure, values, format, unit, drawn);
  return figure;
}

}  // namespace design
