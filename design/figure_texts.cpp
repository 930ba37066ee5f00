#include "design/figure_texts.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "design/figure_colours.h"
#include "design/figure_text_metrics.h"
#include "design/texts.h"
#include "triangle/format_result.h"

namespace design::figure_texts {
namespace {

using figure_colours::kBlack;
using figure_colours::kGivenRed;
using figure_text_metrics::EstimatedWidth;
using figure_text_metrics::kAscent;
using figure_text_metrics::kLineSpacing;
using figure_text_metrics::LinesHeight;
using figure_text_metrics::Wrapped;
using triangle::QuantityIndex;

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

// The letter a measure goes by: "P" of "P = 3·a", "a" for the side.
std::string_view Symbol(QuantityIndex measure) {
  const std::string_view formula = texts::kFormulaFromSide.at(static_cast<std::size_t>(measure));
  return formula.substr(0, formula.find(' '));
}

// A letter in the drawing: a measure's, in italics, or a point's, upright.
FigureText Label(FigurePart part, QuantityIndex measure, std::string text, FigurePoint origin) {
  return {.part = part,
          .measure = measure,
          .given = false,
          .text = text,
          .value_start = 0,
          .lines = {text},
          .origin = origin,
          .font_size = kTextSize,
          .line_height = kTextSize * kLineSpacing,
          .italic = part == FigurePart::kLetter,
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

FigureText Letter(QuantityIndex measure, FigurePoint origin) {
  return Label(FigurePart::kLetter, measure, std::string(Symbol(measure)), origin);
}

// Each letter by what it names, clear of every line and circle (a letter is 16 units high
// from 14.4 above its baseline, a capital about 13 wide): a under AB between the foot and
// B, h beside CD under the bisector's marks and above the inscribed circle, R under OB and
// r under OE, both within the inscribed circle.
void AddLetters(Figure& figure) {
  const Figure& f = figure;
  figure.texts.push_back(Letter(triangle::kSide, {f.d.x + 32, f.a.y + 20}));
  figure.texts.push_back(Letter(triangle::kHeight, {f.c.x + 6, f.c.y + 52}));
  figure.texts.push_back(Letter(triangle::kCircumradius, {f.o.x + 21, f.o.y + 40}));
  figure.texts.push_back(Letter(triangle::kInradius, {f.o.x + 29, f.o.y + 2}));
}

// The points' names where school figures put them: A and B below and outside their corners,
// C above its corner, D below the foot, O to the left of the centre.
void AddPointNames(Figure& figure) {
  const Figure& f = figure;
  const auto name = [&figure](std::string text, FigurePoint origin) {
    figure.texts.push_back(Label(FigurePart::kPoint, kNoMeasure, std::move(text), origin));
  };
  name("A", {f.a.x - 17, f.a.y + 16});
  name("B", {f.b.x + 4.2, f.b.y + 16});
  name("C", {f.c.x - 6.4, f.c.y - 8});
  name("D", {f.d.x - 6.4, f.d.y + 22});
  name("O", {f.o.x - 17, f.o.y + 5});
}

}  // namespace

void AddStartTexts(Figure& figure) {
  AddLetters(figure);
  for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    figure.texts.push_back(Reading(k, "", false));
  }
  AddPointNames(figure);
  figure.description = texts::kFigureDescription;
}

void AddCalculationTexts(Figure& figure, const std::array<double, triangle::kQuantityCount>& values,
                         const triangle::NumberFormat& format, LengthUnit unit, bool drawn) {
  const QuantityIndex given = *figure.given;
  if (drawn) AddLetters(figure);
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
  if (drawn) AddPointNames(figure);
  for (FigureText& text : figure.texts) {
    if (text.part == FigurePart::kLetter) text.given = text.measure == given;
  }
}

}  // namespace design::figure_texts
