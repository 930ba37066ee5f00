#include "qt/colour_button.h"

#include <QPainter>

namespace qt_ui {

ColourButton::ColourButton(const QString& caption, const QColor& colour, QWidget* parent)
    : QPushButton(caption, parent), colour_(colour) {
  // QPushButton clicks itself on Return and Enter only as an auto-default button.
  setAutoDefault(true);
}

void ColourButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QColor ink = palette().color(QPalette::ButtonText);
  const QRect area = rect();
  painter.fillRect(area, isDown() ? colour_.darker(130) : colour_);
  painter.setPen(ink);
  painter.drawRect(area.adjusted(0, 0, -1, -1));
  if (isDown()) painter.drawRect(area.adjusted(1, 1, -2, -2));
  if (hasFocus()) {
    painter.setPen(QPen(ink, 2));
    painter.drawRect(area.adjusted(4, 4, -4, -4));
  }
  const int shift = isDown() ? 1 : 0;
  painter.setPen(ink);
  painter.drawText(area.translated(shift, shift), Qt::AlignCenter, text());
}

}  // namespace qt_ui
