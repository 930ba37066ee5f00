#include "web/figure_markup.h"

#include <cstdio>
#include <string>

#include "design/figure_drawing.h"
#include "web/html_text.h"
#include "web/page_markup.h"

namespace web {
namespace {

using design::FigurePart;
using design::FigureShape;
using design::FigureText;

std::string Coordinate(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

std::string At(design::FigurePoint p) { return Coordinate(p.x) + " " + Coordinate(p.y); }

// The class of each part, with its measures' and "given": the figure's inks are its own
// attributes, and the classes serve the forced colours and the tests that find a part.
std::string_view PartClass(FigurePart part) {
  switch (part) {
    case FigurePart::kArea:
      return "area";
    case FigurePart::kOutline:
      return "outline";
    case FigurePart::kEdge:
      return "edge";
    case FigurePart::kCircle:
      return "circle";
    case FigurePart::kSegment:
      return "segment";
    case FigurePart::kRadius:
      return "radius";
    case FigurePart::kFoot:
      return "foot";
    case FigurePart::kMark:
      return "mark";
    case FigurePart::kLetter:
      return "letter";
    case FigurePart::kReading:
      return "reading";
    case FigurePart::kPoint:
      return "point";
  }
  return {};
}

std::string Measure(int measure) { return "m" + std::to_string(measure); }

std::string Classes(FigurePart part, design::MeasureSet measures, bool given) {
  std::string classes(PartClass(part));
  for (int k = 0; k < triangle::kQuantityCount; ++k) {
    if ((measures >> k) & 1) classes += " " + Measure(k);
  }
  return given ? classes + " given" : classes;
}

std::string Colour(design::Rgb colour) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
  return text;
}

// The shape's ink as SVG presentation attributes, as the desktop editions' painters use it.
std::string InkAttributes(const design::FigureInk& ink) {
  std::string attributes = " fill=\"" + (ink.fill ? Colour(*ink.fill) : "none") + "\"";
  if (ink.stroke_width <= 0) return attributes + " stroke=\"none\"";
  attributes += " stroke=\"" + Colour(ink.stroke) + "\" stroke-width=\"" +
                Coordinate(ink.stroke_width) + "\"";
  if (!ink.dashed) return attributes;
  char dashes[32];
  std::snprintf(dashes, sizeof dashes, " stroke-dasharray=\"%g %g\"", design::kFigureDashLength,
                design::kFigureDashGap);
  return attributes + dashes;
}

std::string ShapeMarkup(const FigureShape& shape) {
  const std::string classes = "class=\"" + Classes(shape.part, shape.measures, shape.given) + "\"" +
                              InkAttributes(shape.ink);
  switch (shape.kind) {
    case FigureShape::Kind::kCircle:
      return "<circle " + classes + " cx=\"" + Coordinate(shape.centre.x) + "\" cy=\"" +
             Coordinate(shape.centre.y) + "\" r=\"" + Coordinate(shape.radius) + "\"/>\n";
    case FigureShape::Kind::kPolygon: {
      std::string points;
      for (const auto& point : shape.points) points += (points.empty() ? "" : " ") + At(point);
      return "<polygon " + classes + " points=\"" + points + "\"/>\n";
    }
    case FigureShape::Kind::kPolyline: {
      std::string path;
      for (const auto& point : shape.points) path += (path.empty() ? "M" : "L") + At(point);
      return "<path " + classes + " d=\"" + path + "\"/>\n";
    }
  }
  return {};
}

// A reading's value is a span of its own (value-K), which its further lines continue.
std::string TextMarkup(const FigureText& text) {
  const bool reading = text.part == FigurePart::kReading;
  std::string markup = "<text class=\"" + std::string(PartClass(text.part)) +
                       (reading ? " " + Measure(text.measure) : "") + (text.given ? " given" : "") +
                       "\" x=\"" + Coordinate(text.origin.x) + "\" y=\"" +
                       Coordinate(text.origin.y) + "\" font-size=\"" + Coordinate(text.font_size) +
                       "\" fill=\"" + Colour(text.colour) + "\"" +
                       (text.italic ? " font-style=\"italic\"" : "") +
                       (text.bold ? " font-weight=\"700\"" : "") + ">";
  std::size_t at = 0;  // where the current line starts in text.text
  bool in_value = false;
  for (std::size_t line = 0; line < text.lines.size(); ++line) {
    std::string_view rest = text.lines[line];
    if (line > 0) {
      markup += "<tspan x=\"" + Coordinate(text.origin.x) + "\" dy=\"" +
                Coordinate(text.line_height) + "\">";
    }
    if (reading && !in_value && at + rest.size() >= text.value_start) {
      const std::size_t before = text.value_start - at;
      markup += EscapeHtml(rest.substr(0, before)) + "<tspan id=\"value-" +
                std::to_string(text.measure) + "\">";
      rest.remove_prefix(before);
      in_value = true;
    }
    markup += EscapeHtml(rest);
    at += text.lines[line].size();
    if (line > 0) markup += "</tspan>";
  }
  if (in_value) markup += "</tspan>";  // the value's span holds its further lines
  return markup + "</text>\n";
}

}  // namespace

std::string FigureContent(const design::Figure& figure) {
  std::string markup;
  for (const FigureShape& shape : figure.shapes) markup += ShapeMarkup(shape);
  for (const FigureText& text : figure.texts) markup += TextMarkup(text);
  return markup;
}

std::string FigureClass(const design::Figure& figure) {
  return figure.given ? "figure given-" + std::to_string(*figure.given) : "figure";
}

std::string FigureMarkup() {
  const design::Figure figure = design::DescribeFigure();
  return "<svg id=\"figure\" class=\"" + FigureClass(figure) + "\" viewBox=\"0 0 " +
         Coordinate(design::kFigureWidth) + " " + Coordinate(design::kFigureHeight) +
         "\" width=\"300\" height=\"420\" role=\"img\"" + " aria-label=\"" +
         EscapeHtml(figure.description) + "\">\n" + FigureContent(figure) + "</svg>\n";
}

}  // namespace web
