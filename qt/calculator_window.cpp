#include "qt/calculator_window.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <array>
#include <string>
#include <utility>

#include "controller/option_order.h"
#include "design/derived_texts.h"
#include "design/texts.h"
#include "design/window_design.h"
#include "qt/design_to_qt.h"
#include "qt/qt_text.h"
#include "qt/solution_window.h"

namespace qt_ui {
namespace {

// Fills the whole widget; buttons paint from QPalette::Button, labels and windows from Window.
void SetBackground(QWidget* widget, const design::Rgb& colour) {
  QPalette palette = widget->palette();
  palette.setColor(widget->backgroundRole(), ToQColor(colour));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QPlainTextEdit* CreateInfoField(const design::Control& control, QWidget* parent) {
  auto* field = new QPlainTextEdit(parent);
  field->setReadOnly(true);
  // Read-only, yet reachable with Tab and selectable with the keyboard.
  field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  field->setFocusPolicy(Qt::StrongFocus);
  field->setTabChangesFocus(true);
  field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  field->setWordWrapMode(QTextOption::WordWrap);  // never inside a word
  field->setVerticalScrollBarPolicy(control.vertical_scroll_bar ? Qt::ScrollBarAlwaysOn
                                                                : Qt::ScrollBarAsNeeded);
  if (!control.border) field->setFrameShape(QFrame::NoFrame);
  field->setGeometry(ToQRect(control.rect));  // before the text: laid out once, at its width
  field->setPlainText(ToQString(control.text));
  return field;
}

}  // namespace

CalculatorWindow::CalculatorWindow(triangle::NumberFormat format, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      controller_(*this, std::move(format)) {
  setWindowTitle(ToQString(design::texts::kWindowTitle));
  setFixedSize(ClientSize());
  SetBackground(this, design::kWindowBackground);
  // Qt 6 weighs fonts on the same 1 to 1000 scale as the design (400 is normal).
  QFont font(ToQString(design::kFont.family), design::kFont.points, design::kFont.weight);
  setFont(font);
  BuildControls();
}

void CalculatorWindow::BuildControls() {
  option_group_ = new QButtonGroup(this);
  command_group_ = new QButtonGroup(this);
  command_group_->setExclusive(false);

  QWidget* previous = nullptr;
  for (const design::Control& layout : design::kControls) {
    QWidget* control = CreateControl(layout);
    control->setGeometry(ToQRect(layout.rect));
    if (layout.kind != design::ControlKind::kLabel) {  // every other control can take focus
      if (previous != nullptr) setTabOrder(previous, control);
      previous = control;
      control->installEventFilter(this);  // Ctrl+C from any control copies the measures
    }
  }
  info_fields_[0]->raise();  // of the two overlapping fields, the statement stays readable
  // Above both when they show, the hint above the notice.
  reading_notice_ = new FieldNotice(this, ToQString(design::texts::kReadingNoticeName),
                                    ToQRect(design::ReadingNoticeArea()));
  locked_hint_ = new FieldNotice(this, ToQString(design::texts::kLockedFieldHintName),
                                 ToQRect(design::LockedFieldHintArea()));
  AddShortcuts();

  // Reported only when an option becomes the chosen one: clicking the chosen option again
  // does not throw away what was typed into its field.
  connect(option_group_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
    if (checked) OnOptionChosen(index);
  });
  connect(option_group_, &QButtonGroup::idClicked, this, &CalculatorWindow::OnOptionClicked);
  connect(command_group_, &QButtonGroup::idClicked, this, &CalculatorWindow::OnCommandClicked);
}

QWidget* CalculatorWindow::CreateControl(const design::Control& layout) {
  switch (layout.kind) {
    case design::ControlKind::kInfoField: {
      auto* field = CreateInfoField(layout, this);
      field->setAccessibleName(ToQString(design::texts::kInfoFieldNames.at(layout.index)));
      return info_fields_.at(layout.index) = field;
    }
    case design::ControlKind::kLabel: {
      label_ = new QLabel(ToQString(layout.text), this);
      label_->setAlignment(layout.alignment == design::Alignment::kCentre ? Qt::AlignCenter
                                                                          : Qt::AlignLeft);
      SetBackground(label_, *layout.background);
      return label_;
    }
    case design::ControlKind::kOption: {
      auto* option = new OptionButton(ToQString(layout.text), this);
      SetBackground(option, *layout.background);
      const auto measure = static_cast<triangle::QuantityIndex>(layout.index);
      option->setAccessibleName(ToQString(design::OptionAccessibleName(measure)));
      option->setToolTip(ToQString(design::WithSolutionWindowLine(design::OptionTooltip(measure))));
      option_group_->addButton(option, layout.index);
      return options_.at(layout.index) = option;
    }
    case design::ControlKind::kQuantityField: {
      auto* field = new QuantityField(this);
      field->SetLengthLimit(controller::MainWindow::kInitialMaxLength);
      connect(field, &QLineEdit::textEdited, this, &CalculatorWindow::HideNotices);
      connect(field, &QuantityField::LockedInput, this,
              [this, field] { locked_hint_->Show(field, ToQString(design::LockedFieldHint())); });
      field->setAccessibleName(ToQString(design::texts::kMeasureNames.at(layout.index)));
      return fields_.at(layout.index) = field;
    }
    case design::ControlKind::kCommandButton: {
      const bool calculate = layout.index == controller::MainWindow::kCalculateButton;
      auto* button = new ColourButton(ToQString(layout.text), ToQColor(*layout.background), this);
      button->setAccessibleDescription(calculate ? QStringLiteral("Enter")
                                                 : QStringLiteral("Escape"));
      command_group_->addButton(button, layout.index);
      return buttons_.at(layout.index) = button;
    }
  }
  return nullptr;
}

void CalculatorWindow::Load() {
  controller_.OnFormLoad();
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

void CalculatorWindow::ShowReadingNotice(triangle::QuantityIndex field,
                                         const ReadingNotice& notice) {
  reading_notice_->Show(fields_.at(field),
                        ToQString(design::ReadingNoticeText(field, notice, controller_.Format())));
}

void CalculatorWindow::OnOptionChosen(int index) {
  ClearResultTooltips();  // the fields are about to change
  HideNotices();
  controller_.OnOptionClick(static_cast<std::int16_t>(index));
  UpdateSolutionWindow();
}

// Chosen by the mouse or Space: ready for typing, the field's text selected so that what is
// typed replaces it. The arrow keys keep the focus on the options so that they can go on
// moving through them.
void CalculatorWindow::OnOptionClicked(int index) {
  if (moving_between_options_) return;
  if (index == controller_.SelectedOption() && fields_.at(index)->isReadOnly()) {
    // The chosen option once more, after a calculation: its value may be typed anew.
    ClearResultTooltips();
    HideNotices();
    controller_.OnChosenOptionChosenAgain();
    UpdateSolutionWindow();
  }
  QuantityField* field = fields_.at(index);
  field->setFocus(Qt::OtherFocusReason);
  field->SelectWholeText();
}

// To the option before or after in the measures' order, round at the ends, as Qt's options
// move: the focus goes, and the choice with it when it was on the chosen option.
void CalculatorWindow::MoveAmongOptions(QRadioButton* from, int step) {
  const auto index = static_cast<triangle::QuantityIndex>(option_group_->id(from));
  OptionButton* next = options_.at(controller::NextOption(index, step));
  const QScopedValueRollback moving(moving_between_options_, true);
  if (from->isChecked()) next->click();
  next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

// The event boundary: a failed calculation is reported here and the window stays as the
// controller left it, so the user can correct the value and go on.
void CalculatorWindow::OnCommandClicked(int index) {
  ClearResultTooltips();
  HideNotices();  // a calculation tells anew how it read the field
  try {
    controller_.OnCommandClick(static_cast<std::int16_t>(index));
    KeepFocusOnAControl();
    ShowResultTooltips();
  } catch (const std::exception& failure) {
    UpdateSolutionWindow();  // a failed calculation has no solution
    ReportFailure(ToQString(design::FailureMessage(failure)));
    return;
  }
  UpdateSolutionWindow();
}

void CalculatorWindow::ReportFailure(const QString& message) {
  QMessageBox::critical(this, ToQString(design::texts::kFailureTitle), message);
}

// Escape clears from every control. Return and Enter are no shortcut: a focused button
// answers them itself, and keyPressEvent takes them from every other control.
void CalculatorWindow::AddShortcuts() {
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated,
          buttons_.at(controller::MainWindow::kClearButton), &QPushButton::click);
  connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
          &CalculatorWindow::OpenSolutionWindow);
}

// Made when first asked for: the calculator starts as it always has.
void CalculatorWindow::OpenSolutionWindow() {
  if (solution_window_ == nullptr) {
    solution_window_ = new SolutionWindow(this);
    UpdateSolutionWindow();
  }
  solution_window_->Open();
}

void CalculatorWindow::UpdateSolutionWindow() {
  if (solution_window_ != nullptr) {
    solution_window_->Follow(controller_.LastCalculation(), controller_.Format());
  }
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    buttons_.at(controller::MainWindow::kCalculateButton)->click();
    return;
  }
  QWidget::keyPressEvent(event);
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

// The calculation's own values at full precision, so the tooltip shows what the four decimals
// round.
void CalculatorWindow::ShowResultTooltips() {
  const auto& calculation = controller_.LastCalculation();
  if (!calculation) return;
  const auto explanations =
      design::ResultExplanations(calculation->given, calculation->values, controller_.Format());
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    fields_[k]->setToolTip(ToQString(design::WithSolutionWindowLine(explanations[k])));
  }
}

void CalculatorWindow::ClearResultTooltips() {
  for (QuantityField* field : fields_) field->setToolTip(QString());
}

void CalculatorWindow::CopyMeasures() const {
  QGuiApplication::clipboard()->setText(ToQString(design::MeasuresAsText(*this)));
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool arrow = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
                     key->key() == Qt::Key_Left || key->key() == Qt::Key_Right;
  if (auto* option = qobject_cast<QRadioButton*>(watched); arrow && option != nullptr) {
    MoveAmongOptions(option, key->key() == Qt::Key_Up || key->key() == Qt::Key_Left ? -1 : 1);
    return true;
  }
  if (!key->matches(QKeySequence::Copy)) return false;
  const auto* line = qobject_cast<const QLineEdit*>(watched);
  const auto* text = qobject_cast<const QPlainTextEdit*>(watched);
  const bool has_selection = (line != nullptr && line->hasSelectedText()) ||
                             (text != nullptr && text->textCursor().hasSelection());
  if (has_selection) return false;  // an ordinary copy of what is selected
  CopyMeasures();
  return true;
}

}  // namespace qt_ui
