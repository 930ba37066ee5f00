#pragma once

#include <QWidget>

#include "design/figure.h"

namespace qt_ui {

// The figure of the triangle as design/figure.h describes it, drawn with QPainter at the
// widget's size: scaled to fit, centred, sharp at any scale factor. Blank until shown one.
class FigureView final : public QWidget {
  Q_OBJECT

 public:
  explicit FigureView(QWidget* parent = nullptr);

  void Show(design::Figure figure);
  const design::Figure& Described() const { return figure_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  design::Figure figure_;
};

}  // namespace qt_ui
