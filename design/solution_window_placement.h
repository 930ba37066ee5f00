#pragma once

#include "design/pixels.h"

// Where the desktop editions put the solution window when it first opens: beside the
// calculator, never over it. Toolkit-free: each edition passes its own rectangles (outer
// frames, in whatever pixels its toolkit positions windows in) and moves its window there.
namespace design {

struct PixelSize {
  int width;
  int height;

  constexpr bool operator==(const PixelSize&) const = default;
};

// The solution window's outer rectangle for a calculator whose outer rectangle is
// `calculator`, on a screen whose work area (the screen without its panels and task bar) is
// `work_area`. It goes `gap` beside the calculator on the right if the work area has room there
// for its `minimum` width, else on the left, else `gap` below it if there is room for its
// minimum height, else above it; there it takes its `preferred` size, or less where the room
// is smaller, never less than `minimum`, and it is moved along the calculator's side as far
// as the work area needs. Where no side has room for the minimum, it takes the side that
// lacks least, at its minimum size there, covering as little of the calculator as the work
// area allows. The result always lies inside the work area (at most as large as it).
PixelRect PlaceSolutionWindow(const PixelRect& calculator, const PixelRect& work_area,
                              PixelSize preferred, PixelSize minimum, int gap);

}  // namespace design
