#pragma once

#include <QButtonGroup>
#include <QRadioButton>

namespace qt_ui {

// An option that stays a Tab stop whichever option is chosen. Qt makes an exclusive group a
// single Tab stop (only the focused option keeps Tab focus); here each option and its field
// form a row, and Tab walks the rows.
class OptionButton final : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QRadioButton::focusInEvent(event);  // takes Tab focus from the group's other options
    if (group() == nullptr) return;
    for (QAbstractButton* option : group()->buttons()) option->setFocusPolicy(Qt::StrongFocus);
  }
};

}  // namespace qt_ui
