#include "design/figure.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#include "design/solution.h"
#include "design/texts.h"
#include "triangle/format_result.h"

namespace design {
namespace {

using triangle::QuantityIndex;

// The drawing: the side is 220 units, the circumscribed circle's top 8 units from the top.
constexpr double kSide = 220;
constexpr double kDrawingTop = 8;

// The readings: two columns of four slots under the drawing.
constexpr double kReadingsTop = 272;
constexpr double kReadingsBottom = kFigureHeight - 4;
constexpr double kMargin = 4;
constexpr double kColumnGap = 8;
constexpr double kColumnWidth = (kFigureWidth - 2 * kMargin - kColumnGap) / 2;
constexpr double kSlotHeight = (kReadingsBottom - kReadingsTop) / 4;
constexpr double kSlotGap = 2;  // kept clear under a reading's lines: a font's descent may reach it

// Text sizes: the window's 12 points are 16 pixels; a long reading first shrinks to one line
// down to kSmallestOneLineSize, and below that wraps at the largest size that holds it.
constexpr double kTextSize = 16;
constexpr double kSmallestOneLineSize = 10;
constexpr double kSizeStep = 0.5;
constexpr double kLineSpacing = 1.2;  // baseline to baseline, in font sizes
constexpr double kAscent = 0.9;       // top of the line to its baseline, in font sizes

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kGrey{68, 68, 68};
constexpr Rgb kSideRed{150, 30, 30};
constexpr Rgb kCircleBlue{30, 50, 190};
constexpr Rgb kCircleGreen{20, 130, 50};
constexpr Rgb kGivenRed{176, 0, 0};
constexpr Rgb kAreaFill{255, 230, 204};
constexpr Rgb kGivenAreaFill{255, 159, 96};
constexpr double kGivenStroke = 3.5;

// The letter a measure goes by: "P" of "P = 3·a", "a" for the side.
std::string_view Symbol(QuantityIndex measure) {
  const std::string_view formula = texts::kFormulaFromSide.at(static_cast<std::size_t>(measure));
  return formula.substr(0, formula.find(' '));
}

// How wide a character may be, in font sizes, in any font a toolkit might draw the figure
// with (Times New Roman, Liberation Serif, or a phone's serif): never narrower than its glyph,
// so that a text's estimate holds it whole.
double Advance(char32_t c) {
  if (c >= '0' && c <= '9') return 0.6;
  if (c == ' ' || c == '.' || c == ',' || c == '\'' || c == 0xA0 || c == 0x2009 || c == 0x202F) {
    return 0.35;
  }
  if (c >= 'A' && c <= 'Z') return 0.8;
  if (c >= 'a' && c <= 'z') return 0.6;
  if (c < 0x80) return 0.65;
  return 1.0;
}

// The code points of UTF-8 text, each with the byte it starts at.
struct CodePoint {
  char32_t value;
  std::size_t at;
  std::size_t size;
};

std::vector<CodePoint> CodePoints(std::string_view text) {
  std::vector<CodePoint> points;
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t size = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t value = size == 1 ? lead : lead & (0x3Fu >> (size - 1));
    for (std::size_t k = 1; k < size && at + k < text.size(); ++k) {
      value = (value << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3Fu);
    }
    points.push_back({value, at, std::min(size, text.size() - at)});
    at += size;
  }
  return points;
}

double EstimatedWidth(std::string_view text, double font_size) {
  double width = 0;
  for (const CodePoint& point : CodePoints(text)) width += Advance(point.value);
  return width * font_size;
}

// `text` in lines no wider than `width` at `font_size`, broken after a blank or a separator
// where there is one, else between any two characters. The lines, joined, are the text.
std::vector<std::string> Wrapped(std::string_view text, double width, double font_size) {
  std::vector<std::string> lines;
  const std::vector<CodePoint> points = CodePoints(text);
  std::size_t line_start = 0;  // index into points
  while (line_start < points.size()) {
    double used = 0;
    std::size_t end = line_start;
    std::size_t last_break = line_start;  // after the last blank or separator that fits
    while (end < points.size() && used + Advance(points[end].value) * font_size <= width) {
      used += Advance(points[end].value) * font_size;
      if (Advance(points[end].value) == Advance(' ')) last_break = end + 1;
      ++end;
    }
    if (end == line_start) ++end;  // not even one character fits: it goes alone
    if (end < points.size() && last_break > line_start) end = last_break;
    const std::size_t from = points[line_start].at;
    const std::size_t to = end < points.size() ? points[end].at : text.size();
    lines.emplace_back(text.substr(from, to - from));
    line_start = end;
  }
  if (lines.empty()) lines.emplace_back();
  return lines;
}

double LinesHeight(const std::vector<std::string>& lines, double font_size) {
  return static_cast<double>(lines.size()) * font_size * kLineSpacing;
}

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

FigureText Letter(QuantityIndex measure, FigurePoint origin) {
  const std::string text(Symbol(measure));
  return {.part = FigurePart::kLetter,
          .measure = measure,
          .given = false,
          .text = text,
          .value_start = 0,
          .lines = {text},
          .origin = origin,
          .font_size = kTextSize,
          .line_height = kTextSize * kLineSpacing,
          .italic = true,
          .bold = false,
          .colour = kBlack,
          .box = {origin.x, origin.y - kAscent * kTextSize, EstimatedWidth(text, kTextSize),
                  kTextSize * kLineSpacing}};
}

// A reading in its slot: one line at the largest size down to kSmallestOneLineSize, else
// wrapped at the largest size whose lines fit the slot's height.
FigureText Reading(QuantityIndex measure, const std::string& value, bool given) {
  const std::string text = std::string(Symbol(measure)) + " = " + value;
  const double left = kMargin + (measure < 4 ? 0 : kColumnWidth + kColumnGap);
  const double top = kReadingsTop + kSlotHeight * (measure % 4);
  double size = kTextSize;
  std::vector<std::string> lines{text};
  const double one_line = kColumnWidth / std::max(EstimatedWidth(text, 1), 1e-9);
  if (one_line >= kSmallestOneLineSize) {
    size = std::min(kTextSize, std::floor(one_line / kSizeStep) * kSizeStep);
  } else {
    for (size = kTextSize;; size -= kSizeStep) {
      lines = Wrapped(text, kColumnWidth, size);
      if (size <= kSizeStep || LinesHeight(lines, size) <= kSlotHeight - kSlotGap) break;
    }
    // Below the smallest step, the size that holds the text whatever it is.
    while (LinesHeight(lines, size) > kSlotHeight - kSlotGap) {
      size /= 2;
      lines = Wrapped(text, kColumnWidth, size);
    }
  }
  double width = 0;
  for (const std::string& line : lines) width = std::max(width, EstimatedWidth(line, size));
  return {.part = FigurePart::kReading,
          .measure = measure,
          .given = given,
          .text = text,
          .value_start = text.size() - value.size(),
          .lines = lines,
          .origin = {left, top + kAscent * size},
          .font_size = size,
          .line_height = size * kLineSpacing,
          .italic = false,
          .bold = given,
          .colour = given ? kGivenRed : kBlack,
          .box = {left, top, width, LinesHeight(lines, size)}};
}

void AddLetters(Figure& figure) {
  const Figure& f = figure;
  figure.texts.push_back(Letter(triangle::kSide, {f.c.x + 4, f.a.y + 20}));
  figure.texts.push_back(Letter(triangle::kHeight, {f.c.x + 6, (f.c.y + f.o.y) / 2}));
  figure.texts.push_back(
      Letter(triangle::kCircumradius, {(f.o.x + f.b.x) / 2 - 4, (f.o.y + f.b.y) / 2 + 18}));
  figure.texts.push_back(
      Letter(triangle::kInradius, {(f.o.x + f.e.x) / 2 + 2, (f.o.y + f.e.y) / 2 + 16}));
}

}  // namespace

Figure DescribeFigure() {
  Figure figure = Drawing();
  AddShapes(figure);
  AddLetters(figure);
  for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    figure.texts.push_back(Reading(k, "", false));
  }
  figure.description = texts::kFigureDescription;
  return figure;
}

Figure DescribeFigure(QuantityIndex given,
                      const std::array<double, triangle::kQuantityCount>& values,
                      const triangle::NumberFormat& format, LengthUnit unit) {
  Figure figure = Drawing();
  figure.given = given;
  // Zero or below (or not a number) is no triangle's measure: nothing to draw.
  const bool drawn = values.at(static_cast<std::size_t>(given)) > 0;
  if (drawn) {
    AddShapes(figure);
    AddLetters(figure);
  }
  figure.description =
      std::string(drawn ? texts::kFigureDescription : texts::kNoTriangleFigureDescription) +
      std::string(texts::kFigureGivenPrefix);
  std::string readings;
  for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    const double value = values.at(static_cast<std::size_t>(k));
    const std::string text =
        (k == given ? GivenValueText(value, format) : triangle::FormatResult(value, format)) +
        UnitText(unit, k == triangle::kArea);
    figure.texts.push_back(Reading(k, text, k == given));
    readings += (k == 0 ? "" : "; ") + figure.texts.back().text;
  }
  const std::size_t given_reading = figure.texts.size() - triangle::kQuantityCount + given;
  figure.description +=
      std::string(texts::kMeasureNames.at(static_cast<std::size_t>(given))) + " " +
      figure.texts[given_reading].text + "." +
      (drawn ? std::string(texts::kFigureGivenMarks.at(static_cast<std::size_t>(given)))
             : std::string()) +
      std::string(texts::kFigureValuesPrefix) + readings + ".";
  for (FigureText& text : figure.texts) {
    if (text.part == FigurePart::kLetter) text.given = text.measure == given;
  }
  return figure;
}

}  // namespace design
