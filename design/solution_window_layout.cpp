#include "design/solution_window_layout.h"

#include <algorithm>
#include <cmath>

#include "design/figure.h"

namespace design {
namespace {

constexpr int kMargin = 8;
constexpr int kUnitRowHeight = 28;
constexpr int kUnitCaptionWidth = 116;
constexpr int kUnitCaptionGap = 4;
constexpr int kUnitChoiceWidth = 170;
// A line of the solution, baseline to baseline, in ems; and what the text's frame and a
// horizontal scroll bar take besides its lines.
constexpr double kLineSpacing = 1.2;
constexpr int kTextFrameAndScrollBar = 24;

int Scaled(int pixels_at_96, int dots_per_inch) {
  return static_cast<int>(std::lround(static_cast<double>(pixels_at_96) * dots_per_inch / 96));
}

constexpr int kSmallestTextWidth = kSolutionSmallestLineEms * kSolutionTextSmallestPixels;
constexpr int kSmallestTextHeight =
    static_cast<int>(kSolutionSmallestLines * kLineSpacing * kSolutionTextSmallestPixels) +
    kTextFrameAndScrollBar;
// The narrowest client area that holds the figure and the solution side by side.
int SideBySideWidth(int dots_per_inch) {
  return 3 * Scaled(kMargin, dots_per_inch) + Scaled(kSmallestFigureWidth, dots_per_inch) +
         Scaled(kSmallestTextWidth, dots_per_inch);
}

SolutionWindowLayout LayOut(PixelSize client, int dots_per_inch, double line_ems,
                            bool side_by_side);

}  // namespace

// Each part scaled as the layout scales it, so that the parts add up at every resolution.
PixelSize SolutionWindowSmallestSize(int dots_per_inch) {
  const int margin = Scaled(kMargin, dots_per_inch);
  return {2 * margin + Scaled(std::max(kSmallestTextWidth, kSmallestFigureWidth), dots_per_inch),
          4 * margin + Scaled(kSmallestFigureHeight, dots_per_inch) +
              Scaled(kUnitRowHeight, dots_per_inch) + Scaled(kSmallestTextHeight, dots_per_inch)};
}

PixelSize SolutionWindowStartSize(int dots_per_inch) {
  return {Scaled(kSolutionWindowStartSize.width, dots_per_inch),
          Scaled(kSolutionWindowStartSize.height, dots_per_inch)};
}

// Side by side where the window is wide enough for it, unless one above the other gives the
// solution a larger text, so that the text never shrinks as the window grows.
SolutionWindowLayout LayOutSolutionWindow(PixelSize client, int dots_per_inch, double line_ems) {
  const SolutionWindowLayout stacked = LayOut(client, dots_per_inch, line_ems, false);
  if (client.width < SideBySideWidth(dots_per_inch)) return stacked;
  const SolutionWindowLayout side_by_side = LayOut(client, dots_per_inch, line_ems, true);
  return side_by_side.text_pixels >= stacked.text_pixels ? side_by_side : stacked;
}

namespace {

SolutionWindowLayout LayOut(PixelSize client, int dots_per_inch, double line_ems,
                            bool side_by_side) {
  const int margin = Scaled(kMargin, dots_per_inch);
  const int row = Scaled(kUnitRowHeight, dots_per_inch);
  const int smallest_figure_width = Scaled(kSmallestFigureWidth, dots_per_inch);
  const int smallest_figure_height = Scaled(kSmallestFigureHeight, dots_per_inch);
  SolutionWindowLayout layout{};
  layout.side_by_side = side_by_side;

  PixelRect column{};  // the choice of unit above the solution
  if (layout.side_by_side) {
    // The figure as tall as the window, at most two fifths of its width; never below its
    // smallest, nor so wide that the solution loses its smallest width.
    const int inner_width = client.width - 3 * margin;
    const int inner_height = std::max(0, client.height - 2 * margin);
    const int by_height = static_cast<int>(inner_height * kFigureWidth / kFigureHeight);
    int figure_width = std::max(std::min(by_height, inner_width * 2 / 5), smallest_figure_width);
    figure_width = std::min(figure_width, inner_width - Scaled(kSmallestTextWidth, dots_per_inch));
    layout.figure = {margin, margin, figure_width, inner_height};
    column = {2 * margin + figure_width, margin, client.width - 3 * margin - figure_width,
              inner_height};
  } else {
    // The figure across the window, at most three fifths of its height, above the rest; never
    // below its smallest, nor so tall that the solution loses its smallest height.
    const int inner_width = std::max(0, client.width - 2 * margin);
    const int inner_height = std::max(0, client.height - 3 * margin);
    const int by_width = static_cast<int>(inner_width * kFigureHeight / kFigureWidth);
    int figure_height = std::max(std::min(by_width, inner_height * 3 / 5), smallest_figure_height);
    figure_height =
        std::max(0, std::min(figure_height, inner_height - row - margin -
                                                Scaled(kSmallestTextHeight, dots_per_inch)));
    layout.figure = {margin, margin, inner_width, figure_height};
    column = {margin, 2 * margin + figure_height, inner_width,
              std::max(0, inner_height - figure_height)};
  }
  layout.unit_caption = {column.left, column.top, Scaled(kUnitCaptionWidth, dots_per_inch), row};
  layout.unit_choice = {
      column.left + layout.unit_caption.width + Scaled(kUnitCaptionGap, dots_per_inch), column.top,
      Scaled(kUnitChoiceWidth, dots_per_inch), row};
  layout.text = {column.left, column.top + row + margin, column.width,
                 std::max(0, column.height - row - margin)};

  // The text grows as the figure does (at the figure's own size it has its start size), as
  // long as the longest line and an em fit across it.
  const double figure_scale =
      std::min(layout.figure.width / kFigureWidth, layout.figure.height / kFigureHeight) * 96 /
      dots_per_inch;
  const int grown = static_cast<int>(std::lround(kSolutionTextStartPixels * figure_scale));
  const int fitting = static_cast<int>(layout.text.width * 96.0 / dots_per_inch /
                                       (std::max(line_ems, 1.0) + 1));
  layout.text_pixels =
      Scaled(std::max(kSolutionTextSmallestPixels, std::min(grown, fitting)), dots_per_inch);
  return layout;
}

}  // namespace

std::string BrokenAtSpaces(std::string_view text, std::string_view line_break) {
  // Characters, not bytes: a UTF-8 sequence's continuation bytes count for nothing.
  const auto characters = [](std::string_view part) {
    int count = 0;
    for (const char c : part) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
  };
  std::string broken;
  int line = 0;  // characters on the line so far
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view word = text.substr(start, end - start);
    const int length = characters(word);
    if (line > 0 && line + 1 + length > kNoticeLineCharacters) {
      broken += line_break;
      line = 0;
    } else if (line > 0) {
      broken += ' ';
      ++line;
    }
    broken += word;
    line += length;
    start = end + 1;
  }
  return broken;
}

}  // namespace design
