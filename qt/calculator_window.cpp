// The calculator window at work: the fields' operations for the presenter, the user's events
// sent to it, and what it presents drawn.
#include "qt/calculator_window.h"

#include <QButtonGroup>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <string>

#include "design/texts.h"
#include "qt/qt_text.h"
#include "qt/solution_window.h"

namespace qt_ui {

void CalculatorWindow::Load() {
  Draw(presenter_.OnLoad());
  info_fields_[0]->setFocus(Qt::OtherFocusReason);
}

void CalculatorWindow::ClearOption(triangle::QuantityIndex option) {
  // An exclusive group refuses to uncheck its checked button.
  option_group_->setExclusive(false);
  options_.at(option)->setChecked(false);
  option_group_->setExclusive(true);
}

std::string CalculatorWindow::FieldText(triangle::QuantityIndex field) const {
  return fields_.at(field)->text().toStdString();
}

void CalculatorWindow::SetFieldText(triangle::QuantityIndex field, std::string_view text) {
  fields_.at(field)->SetText(ToQString(text));
}

// A disabled field would grey its text out and refuse selection: "disabled" is read-only.
void CalculatorWindow::SetFieldEnabled(triangle::QuantityIndex field, bool enabled) {
  fields_.at(field)->SetEditable(enabled);
}

void CalculatorWindow::SetFieldMaxLength(triangle::QuantityIndex field, int max_length) {
  fields_.at(field)->SetLengthLimit(max_length);
}

void CalculatorWindow::ChooseOption(int index) {
  HideNotices();
  Draw(presenter_.OnOptionChosen(index));
}

// Chosen by the mouse or Space: ready for typing, the field's text selected so that what is
// typed replaces it. The arrow keys keep the focus on the options so that they can go on
// moving through them.
void CalculatorWindow::OnOptionClicked(int index) {
  OptionButton* option = options_.at(index);
  const bool chosen_already = !option->TakeChosenByClick();
  if (moving_between_options_) return;
  if (chosen_already) ChooseOption(index);  // keeps what was typed, or unlocks it
  QuantityField* field = fields_.at(index);
  field->setFocus(Qt::OtherFocusReason);
  field->SelectWholeText();
}

void CalculatorWindow::OnCommandClicked(int index) {
  HideNotices();  // a calculation tells anew how it read the field
  const controller::Presentation& shown = presenter_.OnCommandClick(index);
  if (shown.failure.empty()) KeepFocusOnAControl();
  Draw(shown);
}

// A failure is reported last, over a window that already shows what the failed calculation
// left.
void CalculatorWindow::Draw(const controller::Presentation& shown) {
  if (shown.reading_notice) {
    locked_hint_->Hide();
    reading_notice_->Show(fields_.at(shown.reading_notice->field),
                          ToQString(shown.reading_notice->text));
  } else {
    HideNotices();
  }
  DrawTeaching(shown);
  if (!shown.failure.empty()) {
    QMessageBox::critical(this, ToQString(design::texts::kFailureTitle), ToQString(shown.failure));
  }
}

void CalculatorWindow::DrawTeaching(const controller::Presentation& shown) {
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    fields_[k]->setToolTip(ToQString(shown.explanations[k]));
  }
  if (solution_window_ != nullptr) solution_window_->Draw(shown);
}

// Made when first asked for: the calculator starts as it always has.
void CalculatorWindow::OpenSolutionWindow() {
  if (solution_window_ == nullptr) {
    solution_window_ = new SolutionWindow(this);
    // The unit changes the teaching only: what the presentation holds besides is the last
    // event's, already drawn (a failure would be reported twice).
    connect(solution_window_, &SolutionWindow::UnitChosen, this,
            [this](int index) { DrawTeaching(presenter_.OnUnitChoice(index)); });
    solution_window_->Draw(presenter_.Shown());
  }
  solution_window_->Open();
}

void CalculatorWindow::HideNotices() {
  locked_hint_->Hide();
  reading_notice_->Hide();
}

// Clearing empties the fields, which then take no focus: a focused one hands it to its option.
void CalculatorWindow::KeepFocusOnAControl() {
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    if (fields_[k]->hasFocus() && fields_[k]->focusPolicy() == Qt::NoFocus) {
      options_[k]->setFocus(Qt::OtherFocusReason);
    }
  }
}

}  // namespace qt_ui
