#include <cmath>
#include <cstdio>
#include <string>

#include "design/texts.h"
#include "web/page_markup.h"

namespace web {
namespace {

// A point of the drawing, in the SVG's user units.
struct Point {
  double x;
  double y;
};

std::string Coordinate(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

std::string At(Point p) { return Coordinate(p.x) + " " + Coordinate(p.y); }

std::string Line(Point from, Point to, std::string_view classes) {
  return "<path class=\"" + std::string(classes) + "\" d=\"M" + At(from) + "L" + At(to) + "\"/>\n";
}

std::string Circle(Point centre, double radius, std::string_view classes) {
  return "<circle class=\"" + std::string(classes) + "\" cx=\"" + Coordinate(centre.x) +
         "\" cy=\"" + Coordinate(centre.y) + "\" r=\"" + Coordinate(radius) + "\"/>\n";
}

std::string Text(Point at, std::string_view classes, std::string_view content) {
  return "<text class=\"" + std::string(classes) + "\" x=\"" + Coordinate(at.x) + "\" y=\"" +
         Coordinate(at.y) + "\">" + std::string(content) + "</text>\n";
}

// The letter each measure goes by in the formulas: "P" of "P = 3·a".
std::string_view Symbol(std::size_t measure) {
  const std::string_view formula = design::texts::kFormulaFromSide.at(measure);
  return formula.substr(0, formula.find(' '));
}

std::string Measure(std::size_t measure) { return "m" + std::to_string(measure); }

}  // namespace

// The triangle ABC with its base AB at the bottom; D is the foot of the height from C, E the
// point where the inscribed circle touches BC, O the centre of both circles. Median, height and
// bisector from C are the one segment CD, told apart by their marks.
std::string FigureMarkup() {
  constexpr double kSide = 220;
  const double height = kSide * std::sqrt(3.0) / 2;
  const Point a{40, 250};
  const Point b{a.x + kSide, a.y};
  const Point c{a.x + kSide / 2, a.y - height};
  const Point d{c.x, a.y};
  const Point o{c.x, a.y - height / 3};
  const Point e{(b.x + c.x) / 2, (b.y + c.y) / 2};
  const std::string corners = At(a) + " " + At(b) + " " + At(c);
  const double arc = 30;  // radius of the angle marks at C
  const Point arc_left{c.x - arc / 2, c.y + arc * std::sqrt(3.0) / 2};
  const Point arc_middle{c.x, c.y + arc};
  const Point arc_right{c.x + arc / 2, arc_left.y};

  std::string svg =
      "<svg id=\"figure\" class=\"figure\" viewBox=\"0 0 300 420\" width=\"300\" "
      "height=\"420\" aria-hidden=\"true\" focusable=\"false\">\n";
  svg += "<polygon class=\"area " + Measure(2) + "\" points=\"" + corners + "\"/>\n";
  svg += Circle(o, height * 2 / 3, "circle " + Measure(6));
  svg += Line(o, b, "radius " + Measure(6));
  svg += Circle(o, height / 3, "circle " + Measure(7));
  svg += Line(o, e, "radius " + Measure(7));
  svg += Line(c, d, "segment " + Measure(3) + " " + Measure(4) + " " + Measure(5));
  // The median halves the base; the height stands at a right angle on its foot; the
  // bisector halves the angle at C.
  svg += "<path class=\"mark " + Measure(3) + "\" d=\"M" + At({(a.x + d.x) / 2, a.y - 6}) + "V" +
         Coordinate(a.y + 6) + "M" + At({(d.x + b.x) / 2, a.y - 6}) + "V" + Coordinate(a.y + 6) +
         "\"/>\n";
  svg += "<path class=\"mark " + Measure(4) + "\" d=\"M" + At({d.x - 12, d.y}) + "V" +
         Coordinate(d.y - 12) + "H" + Coordinate(d.x) + "\"/>\n";
  svg += Circle(d, 3.5, "foot " + Measure(4));
  svg += "<path class=\"mark " + Measure(5) + "\" d=\"M" + At(arc_left) + "A" + At({arc, arc}) +
         " 0 0 0 " + At(arc_middle) + "A" + At({arc, arc}) + " 0 0 0 " + At(arc_right) + "\"/>\n";
  svg += "<polygon class=\"outline " + Measure(1) + "\" points=\"" + corners + "\"/>\n";
  svg += Line(a, b, "edge " + Measure(0));

  svg += Text({c.x, a.y + 20}, "letter", Symbol(0));
  svg += Text({c.x + 6, (c.y + o.y) / 2}, "letter", Symbol(4));
  svg += Text({(o.x + b.x) / 2 - 4, (o.y + b.y) / 2 + 18}, "letter", Symbol(6));
  svg += Text({(o.x + e.x) / 2 + 2, (o.y + e.y) / 2 + 16}, "letter", Symbol(7));

  // Every measure with its value as its field shows it, in two columns under the drawing.
  for (std::size_t k = 0; k < design::texts::kFormulaFromSide.size(); ++k) {
    const Point at{k < 4 ? 4.0 : 154.0, 340 + 22 * static_cast<double>(k % 4)};
    svg +=
        Text(at, "reading " + Measure(k),
             std::string(Symbol(k)) + " = <tspan id=\"value-" + std::to_string(k) + "\"></tspan>");
  }
  return svg + "</svg>\n";
}

}  // namespace web
