#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

#include "design/pixels.h"
#include "design/window_design.h"

// The window description in Qt's types. Qt lays out in device-independent pixels of 1/96 inch
// and scales them to the screen itself.
namespace qt_ui {

inline QRect ToQRect(const design::TwipRect& rect) {
  const design::PixelRect pixels = design::ToPixels(rect);
  return {pixels.left, pixels.top, pixels.width, pixels.height};
}

inline QColor ToQColor(const design::Rgb& colour) {
  return {colour.red, colour.green, colour.blue};
}

inline QSize ClientSize() { return ToQRect(design::kClientArea).size(); }

}  // namespace qt_ui
