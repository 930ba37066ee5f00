#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

namespace ui {

enum class ControlKind { kInfoField, kLabel, kOption, kQuantityField, kCommandButton };

// A rectangle in twips (1/1440 inch) from the top left corner of the client area.
struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

// One control of the window: which one it is, where it sits and its background colour.
// Rows are in tab order.
struct ControlLayout {
  ControlKind kind;
  int index;  // within its kind: the measure for options and fields
  TwipRect rect;
  std::optional<QColor> background;
};

inline constexpr int kControlCount = 21;
extern const std::array<ControlLayout, kControlCount> kControls;

inline constexpr TwipRect kClientArea{0, 0, 7470, 5460};
inline const QColor kWindowBackground{192, 192, 255};

// Device-independent pixels are 1/96 inch: 15 twips each.
QRect ToPixels(const TwipRect& rect);
inline QSize ClientSize() { return ToPixels(kClientArea).size(); }

}  // namespace ui
