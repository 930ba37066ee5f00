#include "qt/figure_view.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <utility>

#include "design/figure_drawing.h"
#include "design/texts.h"
#include "qt/design_to_qt.h"
#include "qt/qt_text.h"

namespace qt_ui {
namespace {

QPointF ToQPointF(const design::FigurePoint& point) { return {point.x, point.y}; }

QPen PenFor(const design::FigureInk& ink) {
  if (ink.stroke_width <= 0) return Qt::NoPen;
  QPen pen(ToQColor(ink.stroke), ink.stroke_width);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  // Qt measures dashes in pen widths; the figure in its own units.
  if (ink.dashed) {
    pen.setDashPattern(
        {design::kFigureDashLength / ink.stroke_width, design::kFigureDashGap / ink.stroke_width});
  }
  return pen;
}

void DrawShape(QPainter& painter, const design::FigureShape& shape) {
  painter.setPen(PenFor(shape.ink));
  painter.setBrush(shape.ink.fill ? QBrush(ToQColor(*shape.ink.fill)) : QBrush(Qt::NoBrush));
  QPolygonF points;
  for (const design::FigurePoint& point : shape.points) points << ToQPointF(point);
  switch (shape.kind) {
    case design::FigureShape::Kind::kPolyline:
      painter.drawPolyline(points);
      break;
    case design::FigureShape::Kind::kPolygon:
      painter.drawPolygon(points);
      break;
    case design::FigureShape::Kind::kCircle:
      painter.drawEllipse(ToQPointF(shape.centre), shape.radius, shape.radius);
      break;
  }
}

// Letters at a size of their own, given in figure units: drawn at a round pixel size and
// scaled to it, as font sizes are whole pixels.
void DrawText(QPainter& painter, const design::FigureText& text, const QFont& base) {
  constexpr int kDrawnSize = 100;
  QFont font = base;
  font.setPixelSize(kDrawnSize);
  font.setItalic(text.italic);
  font.setBold(text.bold);
  const double shrink = text.font_size / kDrawnSize;
  painter.save();
  painter.setFont(font);
  painter.setPen(ToQColor(text.colour));
  painter.translate(ToQPointF(text.origin));
  painter.scale(shrink, shrink);
  double baseline = 0;
  for (const std::string& line : text.lines) {
    painter.drawText(QPointF(0, baseline), ToQString(line));
    baseline += text.line_height / shrink;
  }
  painter.restore();
}

}  // namespace

FigureView::FigureView(QWidget* parent) : QWidget(parent) {
  setAccessibleName(ToQString(design::texts::kFigureName));
  // A Tab stop, so that screen readers read its text alternative as they come to it.
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(120, 160);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void FigureView::Show(design::Figure figure) {
  figure_ = std::move(figure);
  setAccessibleDescription(ToQString(figure_.description));
  update();
}

QSize FigureView::sizeHint() const {
  return {static_cast<int>(design::kFigureWidth), static_cast<int>(design::kFigureHeight)};
}

// Drawn in the figure's own units, scaled to the widget: Qt rasterises at the screen's
// resolution, so lines and letters stay sharp at any size and scale factor.
void FigureView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const design::FigureFit fit = design::FitFigure(0, 0, width(), height());
  painter.translate(fit.left, fit.top);
  painter.scale(fit.scale, fit.scale);
  for (const design::FigureShape& shape : figure_.shapes) DrawShape(painter, shape);
  for (const design::FigureText& text : figure_.texts) DrawText(painter, text, font());
  if (hasFocus()) {
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

}  // namespace qt_ui
