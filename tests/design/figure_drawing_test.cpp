#include "design/figure_drawing.h"

#include <gtest/gtest.h>

namespace design {
namespace {

// The figure is 300 x 420 units: a box decides its scale by its tighter side.
TEST(FitFigure, AsLargeAsFitsWholeAndCentred) {
  EXPECT_EQ(FitFigure(0, 0, 600, 420), (FigureFit{.scale = 1, .left = 150, .top = 0}));
  EXPECT_EQ(FitFigure(10, 20, 150, 420), (FigureFit{.scale = 0.5, .left = 10, .top = 125}));
  EXPECT_EQ(FitFigure(0, 0, 600, 840), (FigureFit{.scale = 2, .left = 0, .top = 0}));
  // A box with no room draws nothing, at its centre, rather than a mirrored figure.
  EXPECT_EQ(FitFigure(0, 0, -30, 100), (FigureFit{.scale = 0, .left = -15, .top = 50}));
}

}  // namespace
}  // namespace design
