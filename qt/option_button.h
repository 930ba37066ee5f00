#pragma once

#include <QButtonGroup>
#include <QRadioButton>
#include <utility>

namespace qt_ui {

// An option that stays a Tab stop whichever option is chosen. Qt makes an exclusive group a
// single Tab stop (only the focused option keeps Tab focus); here each option and its field
// form a row, and Tab walks the rows.
class OptionButton final : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

  // Whether the last click made this option the chosen one, rather than finding it chosen
  // already; the answer is given once a click.
  bool TakeChosenByClick() { return std::exchange(chosen_by_click_, false); }

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QRadioButton::focusInEvent(event);  // takes Tab focus from the group's other options
    if (group() == nullptr) return;
    for (QAbstractButton* option : group()->buttons()) option->setFocusPolicy(Qt::StrongFocus);
  }
  // Qt's click goes through here only when it changes the option's state: an exclusive group
  // keeps its chosen option chosen.
  void nextCheckState() override {
    QRadioButton::nextCheckState();
    chosen_by_click_ = true;
  }

 private:
  bool chosen_by_click_ = false;
};

}  // namespace qt_ui
