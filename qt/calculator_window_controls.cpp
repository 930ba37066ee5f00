// The calculator window built from the window's design: its controls, their look, their tab
// order and their signals.
#include <QButtonGroup>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <utility>

#include "design/derived_texts.h"
#include "design/texts.h"
#include "design/window_design.h"
#include "qt/calculator_window.h"
#include "qt/design_to_qt.h"
#include "qt/qt_text.h"

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
      presenter_(*this, std::move(format), controller::Presenter::SolutionWindowKey::kMentioned) {
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

  // An option becomes the chosen one however it is checked; a click on the chosen one is told
  // apart in OnOptionClicked.
  connect(option_group_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
    if (checked) ChooseOption(index);
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
      connect(field, &QLineEdit::textEdited, this, &CalculatorWindow::HideNotices);
      connect(field, &QuantityField::LockedInput, this, [this, field] {
        if (presenter_.LockedFieldHintApplies()) {
          locked_hint_->Show(field, ToQString(design::LockedFieldHint()));
        }
      });
      field->setAccessibleName(ToQString(design::texts::kMeasureNames.at(layout.index)));
      return fields_.at(layout.index) = field;
    }
    case design::ControlKind::kCommandButton: {
      auto* button = new ColourButton(ToQString(layout.text), ToQColor(*layout.background), this);
      button->setAccessibleDescription(ToQString(design::texts::kCommandKeyNames.at(layout.index)));
      command_group_->addButton(button, layout.index);
      return buttons_.at(layout.index) = button;
    }
  }
  return nullptr;
}

}  // namespace qt_ui
