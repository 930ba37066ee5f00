#pragma once

#include <algorithm>

#include "design/figure.h"

// What every edition's drawing of a figure shares beyond the figure itself.
namespace design {

// A dashed line's dashes and the gaps between them, in the figure's units.
inline constexpr double kFigureDashLength = 5;
inline constexpr double kFigureDashGap = 3;

// Where a figure stands in a box: as large as it fits whole, centred. A point (x, y) of the
// figure is drawn at (left + x * scale, top + y * scale).
struct FigureFit {
  double scale;
  double left;
  double top;

  bool operator==(const FigureFit&) const = default;
};

constexpr FigureFit FitFigure(double left, double top, double width, double height) {
  const double scale = std::max(0.0, std::min(width / kFigureWidth, height / kFigureHeight));
  return {.scale = scale,
          .left = left + (width - kFigureWidth * scale) / 2,
          .top = top + (height - kFigureHeight * scale) / 2};
}

}  // namespace design
