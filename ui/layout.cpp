#include "ui/layout.h"

namespace ui {
namespace {

const QColor kApricot{255, 192, 128};
const QColor kLightGreen{128, 255, 128};
const QColor kRed{255, 0, 0};

using enum ControlKind;

}  // namespace

// Measures 0 to 5 in the left column, 6 and 7 in the right one, a row every 480 twips.
const std::array<ControlLayout, kControlCount> kControls = {{
    {kInfoField, 0, {360, 3480, 6735, 1815}, std::nullopt},
    {kInfoField, 1, {720, 4080, 6735, 1815}, std::nullopt},
    {kLabel, 0, {1440, 0, 4575, 375}, kApricot},
    {kOption, 0, {240, 600, 1815, 375}, kApricot},
    {kQuantityField, 0, {2160, 600, 1455, 405}, std::nullopt},
    {kOption, 1, {240, 1080, 1815, 375}, kApricot},
    {kQuantityField, 1, {2160, 1080, 1455, 405}, std::nullopt},
    {kOption, 2, {240, 1560, 1815, 375}, kApricot},
    {kQuantityField, 2, {2160, 1560, 1455, 405}, std::nullopt},
    {kOption, 3, {240, 2040, 1815, 375}, kApricot},
    {kQuantityField, 3, {2160, 2040, 1455, 405}, std::nullopt},
    {kOption, 4, {240, 2520, 1815, 375}, kApricot},
    {kQuantityField, 4, {2160, 2520, 1455, 405}, std::nullopt},
    {kOption, 5, {240, 3000, 1815, 375}, kApricot},
    {kQuantityField, 5, {2160, 3000, 1455, 405}, std::nullopt},
    {kOption, 6, {3720, 600, 1815, 375}, kApricot},
    {kQuantityField, 6, {5640, 600, 1455, 405}, std::nullopt},
    {kOption, 7, {3720, 1080, 1815, 375}, kApricot},
    {kQuantityField, 7, {5640, 1080, 1455, 405}, std::nullopt},
    {kCommandButton, 0, {3960, 2040, 1815, 495}, kLightGreen},
    {kCommandButton, 1, {5280, 2760, 1815, 495}, kRed},
}};

QRect ToPixels(const TwipRect& rect) {
  constexpr int kTwipsPerPixel = 15;
  return {rect.left / kTwipsPerPixel, rect.top / kTwipsPerPixel, rect.width / kTwipsPerPixel,
          rect.height / kTwipsPerPixel};
}

}  // namespace ui
