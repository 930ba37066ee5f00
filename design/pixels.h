#pragma once

#include "design/window_design.h"

namespace design {

// A rectangle in device pixels.
struct PixelRect {
  int left;
  int top;
  int width;
  int height;

  constexpr bool operator==(const PixelRect&) const = default;
};

// At 96 dots per inch a pixel is 15 twips. Edges are rounded, not sizes, so that controls that
// touch in twips still touch in pixels at every resolution.
constexpr int TwipsToPixels(int twips, int dots_per_inch) {
  const long long scaled = static_cast<long long>(twips) * dots_per_inch;
  return static_cast<int>((scaled + (scaled >= 0 ? 720 : -720)) / 1440);
}

constexpr PixelRect ToPixels(const TwipRect& rect, int dots_per_inch = 96) {
  const int left = TwipsToPixels(rect.left, dots_per_inch);
  const int top = TwipsToPixels(rect.top, dots_per_inch);
  return {left, top, TwipsToPixels(rect.left + rect.width, dots_per_inch) - left,
          TwipsToPixels(rect.top + rect.height, dots_per_inch) - top};
}

}  // namespace design
