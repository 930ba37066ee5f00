#pragma once

#include <QColor>
#include <QPushButton>

namespace qt_ui {

// A command button painted solid in its designed colour, which a style's shading would
// change: a dark border, a dark frame inside it while it has the focus, and a darker ground
// with the caption shifted while it is pressed. Return and Enter press it when focused.
class ColourButton final : public QPushButton {
 public:
  ColourButton(const QString& caption, const QColor& colour, QWidget* parent = nullptr);

  const QColor& Colour() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
};

}  // namespace qt_ui
