#include "ui/calculator_window.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

#include "triangle/failures.h"
#include "ui/layout.h"
#include "ui/texts.h"

namespace ui {
namespace {

// Qt's own "no limit" for a line edit; its setMaxLength(0) would let nothing in.
constexpr int kQtUnlimitedLength = 32767;
constexpr int kInitialMaxLength = controller::MainWindow::kInitialMaxLength;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Fills the whole widget; buttons paint from QPalette::Button, labels and windows from Window.
void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(widget->backgroundRole(), colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QPlainTextEdit* CreateInfoField(int index, QWidget* parent) {
  auto* field =
      new QPlainTextEdit(FromUtf8(index == 0 ? texts::kStatement : texts::kSaying), parent);
  field->setReadOnly(true);
  // Read-only, yet reachable with Tab and selectable with the keyboard.
  field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  field->setFocusPolicy(Qt::StrongFocus);
  field->setTabChangesFocus(true);
  field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  if (index == 1) field->setFrameShape(QFrame::NoFrame);
  return field;
}

}  // namespace

CalculatorWindow::CalculatorWindow(triangle::NumberFormat format, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      controller_(*this, std::move(format)) {
  setWindowTitle(FromUtf8(texts::kWindowTitle));
  setFixedSize(ClientSize());
  SetBackground(this, kWindowBackground);
  QFont font(QStringLiteral("Times New Roman"), 12, QFont::Normal);
  setFont(font);
  BuildControls();
}

void CalculatorWindow::BuildControls() {
  option_group_ = new QButtonGroup(this);
  command_group_ = new QButtonGroup(this);
  command_group_->setExclusive(false);

  QWidget* previous = nullptr;
  for (const ControlLayout& layout : kControls) {
    QWidget* control = CreateControl(layout);
    control->setGeometry(ToPixels(layout.rect));
    if (control->focusPolicy() != Qt::NoFocus) {
      if (previous != nullptr) setTabOrder(previous, control);
      previous = control;
    }
  }
  info_fields_[0]->raise();  // of the two overlapping fields, the statement stays readable

  // Reported only when an option becomes the chosen one: clicking the chosen option again
  // does not throw away what was typed into its field.
  connect(option_group_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
    if (checked) OnOptionChosen(index);
  });
  connect(command_group_, &QButtonGroup::idClicked, this, &CalculatorWindow::OnCommandClicked);
}

QWidget* CalculatorWindow::CreateControl(const ControlLayout& layout) {
  switch (layout.kind) {
    case ControlKind::kInfoField:
      return info_fields_.at(layout.index) = CreateInfoField(layout.index, this);
    case ControlKind::kLabel: {
      label_ = new QLabel(FromUtf8(texts::kTitleLabel), this);
      label_->setAlignment(Qt::AlignCenter);
      SetBackground(label_, *layout.background);
      return label_;
    }
    case ControlKind::kOption: {
      auto* option = new QRadioButton(FromUtf8(texts::kOptionCaptions.at(layout.index)), this);
      SetBackground(option, *layout.background);
      option_group_->addButton(option, layout.index);
      return options_.at(layout.index) = option;
    }
    case ControlKind::kQuantityField: {
      auto* field = new QLineEdit(this);
      field->setMaxLength(kInitialMaxLength);
      return fields_.at(layout.index) = field;
    }
    case ControlKind::kCommandButton: {
      const bool calculate = layout.index == controller::MainWindow::kCalculateButton;
      auto* button = new QPushButton(
          FromUtf8(calculate ? texts::kCalculateCaption : texts::kClearCaption), this);
      button->setAutoDefault(false);
      QPalette palette = button->palette();  // Fusion shades the rounded button from this
      palette.setColor(QPalette::Button, *layout.background);
      button->setPalette(palette);
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
  fields_.at(field)->setText(FromUtf8(text));
}

void CalculatorWindow::SetFieldEnabled(triangle::QuantityIndex field, bool enabled) {
  fields_.at(field)->setEnabled(enabled);
}

void CalculatorWindow::SetFieldMaxLength(triangle::QuantityIndex field, int max_length) {
  fields_.at(field)->setMaxLength(max_length == kNoLengthLimit ? kQtUnlimitedLength : max_length);
}

void CalculatorWindow::OnOptionChosen(int index) {
  controller_.OnOptionClick(static_cast<std::int16_t>(index));
}

// The event boundary: a failed calculation is reported here and the window stays as the
// controller left it, so the user can correct the value and go on.
void CalculatorWindow::OnCommandClicked(int index) {
  try {
    controller_.OnCommandClick(static_cast<std::int16_t>(index));
  } catch (const triangle::OverflowError&) {
    ReportFailure(FromUtf8(texts::kOverflowMessage));
  } catch (const triangle::InvalidArgumentError&) {
    ReportFailure(FromUtf8(texts::kNegativeAreaMessage));
  } catch (const std::exception& failure) {
    ReportFailure(FromUtf8(texts::kUnexpectedFailureMessage) + '\n' +
                  QString::fromLocal8Bit(failure.what()));
  }
}

void CalculatorWindow::ReportFailure(const QString& message) {
  QMessageBox::critical(this, FromUtf8(texts::kFailureTitle), message);
}

}  // namespace ui
