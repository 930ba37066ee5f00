#pragma once

#include <string>
#include <string_view>

#include "design/pixels.h"
#include "design/solution_window_placement.h"

// The desktop solution window's inside, at any size: the figure, the choice of unit and the
// solution, side by side where the window is wide enough for both at their smallest, else one
// above the other; and the size of the solution's text. Toolkit-free: every size is in pixels
// at 96 dots per inch and scales with the resolution it is laid out for.
namespace design {

// Its client area when it first opens, where the screen has room: the figure and the longest
// line of a solution (the side from the area, with a unit) side by side.
inline constexpr PixelSize kSolutionWindowStartSize{1060, 560};
// Between it and the calculator when placed beside them.
inline constexpr int kSolutionWindowGap = 8;

// The solution's text: 14 points when the window opens, growing with the figure as the window
// grows, never below 12 points (the calculator's own) and never so large that a line of
// kSolutionLineEms ems (the longest a solution has) no longer fits across the solution.
inline constexpr int kSolutionTextStartPixels = 19;     // 14 points
inline constexpr int kSolutionTextSmallestPixels = 16;  // 12 points
inline constexpr int kSolutionLineEms = 34;             // about 80 characters of a formula
// At its smallest the solution holds lines of kSolutionSmallestLineEms ems (every line but the
// side from the area, which then scrolls sideways).
inline constexpr int kSolutionSmallestLineEms = 26;
// The solution shows at least this many lines (a solution has at most seven) at the smallest
// text without scrolling.
inline constexpr int kSolutionSmallestLines = 7;
// The figure never drawn smaller than three quarters of its own size: its readings (the list
// of values under the drawing, 16 units high) stay at 12 pixels.
inline constexpr int kSmallestFigureWidth = 225;
inline constexpr int kSmallestFigureHeight = 315;

struct SolutionWindowLayout {
  PixelRect figure;
  PixelRect unit_caption;  // texts::kUnitChoiceCaption
  PixelRect unit_choice;   // the drop-down list of texts::kUnitNames
  PixelRect text;          // the solution
  int text_pixels;         // the solution's font size, its em in pixels
  bool side_by_side;       // the figure left of the solution, not above it
};

// The smallest client area at which everything stays readable: the figure at its smallest
// above the choice of unit and a solution of kSolutionSmallestLines lines, each of
// kSolutionSmallestLineEms ems, at the smallest text.
PixelSize SolutionWindowSmallestSize(int dots_per_inch = 96);
// The client area when it first opens, at `dots_per_inch`.
PixelSize SolutionWindowStartSize(int dots_per_inch = 96);

// Where everything goes in a client area of `client` pixels at `dots_per_inch`, for a solution
// whose longest line is `line_ems` ems of its font wide (kSolutionLineEms, the longest any
// solution has, where the edition does not measure its own): the text grows no larger than
// lets that line fit across the solution with an em to spare.
SolutionWindowLayout LayOutSolutionWindow(PixelSize client, int dots_per_inch = 96,
                                          double line_ems = kSolutionLineEms - 1);

// Prose shown where the solution goes (texts::kNoSolutionYet), for a solution text that never
// wraps: broken at spaces into lines of at most kNoticeLineCharacters characters (a word
// longer than that stands alone), each line ended by `line_break` but the last. At the
// smallest text these lines fit the smallest window.
inline constexpr int kNoticeLineCharacters = 40;
std::string BrokenAtSpaces(std::string_view text, std::string_view line_break);

}  // namespace design
