#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "design/solution.h"
#include "design/window_design.h"
#include "triangle/number_format.h"
#include "triangle/quantity_index.h"

// The figure of the triangle, for every edition: what to draw, where and how, toolkit-free,
// in a fixed space of kFigureWidth x kFigureHeight units (a toolkit scales it to its size).
// The y axis points down, as on the screen.
namespace design {

inline constexpr double kFigureWidth = 300;
inline constexpr double kFigureHeight = 420;

struct FigurePoint {
  double x;
  double y;

  constexpr bool operator==(const FigurePoint&) const = default;
};

// What a part of the figure is. The page names its CSS classes after these ("area",
// "outline", ...).
enum class FigurePart {
  kArea,     // the triangle's inside, filled
  kOutline,  // the three sides
  kEdge,     // the side AB, which stands for the side a
  kCircle,   // the circumscribed or the inscribed circle
  kSegment,  // CD: the median, the height and the bisector from C, one segment
  kRadius,   // OB, the circumradius R, or OE, the inradius r
  kFoot,     // the height's foot D, a dot
  kMark,     // the median's equal halves, the height's right angle, the bisector's equal angles
  kLetter,   // a measure's letter in the drawing: a, h, R, r
  kReading,  // a measure's label with its value, under the drawing
};

// One measure or several: bit k stands for measure k.
using MeasureSet = std::uint8_t;
constexpr MeasureSet MeasureBit(triangle::QuantityIndex measure) {
  return static_cast<MeasureSet>(1u << static_cast<unsigned>(measure));
}

// How a shape is drawn.
struct FigureInk {
  Rgb stroke;
  double stroke_width;  // 0: no stroke
  bool dashed;          // dashes of 5 units with gaps of 3
  std::optional<Rgb> fill;

  bool operator==(const FigureInk&) const = default;
};

// A line through points (closed: a polygon), or a circle.
struct FigureShape {
  enum class Kind { kPolyline, kPolygon, kCircle };

  FigurePart part;
  MeasureSet measures;  // what it shows
  bool given;           // it shows the given measure, and stands out
  Kind kind;
  std::vector<FigurePoint> points;  // polyline and polygon
  FigurePoint centre{};             // circle
  double radius = 0;                // circle
  FigureInk ink;
};

// A text, in lines that start at the same x. The lines, joined, are `text`. Its font is the
// window's family (Times New Roman) at `font_size` units; `box` holds every line whatever the
// font's widths are, within the figure and overlapping no other text.
struct FigureText {
  FigurePart part;  // kLetter or kReading
  triangle::QuantityIndex measure;
  bool given;
  std::string text;
  std::size_t value_start;  // where the value begins in `text`: after "S = " in a reading
  std::vector<std::string> lines;
  FigurePoint origin;  // the left end of the first line's baseline
  double font_size;
  double line_height;  // from one baseline to the next
  bool italic;
  bool bold;
  Rgb colour;
  struct Box {
    double left;
    double top;
    double width;
    double height;
  } box;
};

// The figure for one state of the window.
struct Figure {
  // The corners A, B (the base, at the bottom) and C; D the foot of the height from C; O the
  // centre of both circles; E where the inscribed circle touches BC.
  FigurePoint a, b, c, d, o, e;
  double circumradius;
  double inradius;

  std::vector<FigureShape> shapes;  // in drawing order, the later over the earlier
  std::vector<FigureText> texts;    // the letters, then the readings in the measures' order
  std::optional<triangle::QuantityIndex> given;
  // What the figure shows, for screen readers: a text alternative, in Bulgarian.
  std::string description;
};

// The figure before any calculation: the drawing, the readings without values.
Figure DescribeFigure();

// The figure of a calculation from measure `given` with the eight `values` at full precision:
// the given measure stands out, and each reading shows its value as the fields write it under
// `format` (the given one as the solution writes it, design::GivenValueText), each length
// labelled with `unit` and the area with its square. A given value of zero or below is no
// triangle's: the figure then draws nothing, and its readings and text alternative say why.
Figure DescribeFigure(triangle::QuantityIndex given,
                      const std::array<double, triangle::kQuantityCount>& values,
                      const triangle::NumberFormat& format, LengthUnit unit = LengthUnit::kNone);

}  // namespace design
