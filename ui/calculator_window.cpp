#include "ui/calculator_window.h"

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
#include <QShortcut>
#include <utility>

#include "triangle/failures.h"
#include "triangle/parse_number.h"
#include "triangle/quantities.h"
#include "ui/layout.h"
#include "ui/qt_text.h"
#include "ui/result_texts.h"
#include "ui/texts.h"

namespace ui {
namespace {

// Qt's own "no limit" for a line edit; its setMaxLength(0) would let nothing in.
constexpr int kQtUnlimitedLength = 32767;
constexpr int kInitialMaxLength = controller::MainWindow::kInitialMaxLength;

// Fills the whole widget; buttons paint from QPalette::Button, labels and windows from Window.
void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(widget->backgroundRole(), colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QPlainTextEdit* CreateInfoField(int index, const QRect& geometry, QWidget* parent) {
  auto* field = new QPlainTextEdit(parent);
  field->setReadOnly(true);
  // Read-only, yet reachable with Tab and selectable with the keyboard.
  field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  field->setFocusPolicy(Qt::StrongFocus);
  field->setTabChangesFocus(true);
  field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  if (index == 1) field->setFrameShape(QFrame::NoFrame);
  field->setGeometry(geometry);  // before the text, so that it is laid out once, at its width
  field->setPlainText(ToQString(index == 0 ? texts::kStatement : texts::kSaying));
  return field;
}

}  // namespace

CalculatorWindow::CalculatorWindow(triangle::NumberFormat format, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      format_(std::move(format)),
      controller_(*this, format_) {
  setWindowTitle(ToQString(texts::kWindowTitle));
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
      control->installEventFilter(this);  // Ctrl+C from any control copies the measures
    }
  }
  info_fields_[0]->raise();  // of the two overlapping fields, the statement stays readable
  AddShortcuts();

  // Reported only when an option becomes the chosen one: clicking the chosen option again
  // does not throw away what was typed into its field.
  connect(option_group_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
    if (checked) OnOptionChosen(index);
  });
  connect(command_group_, &QButtonGroup::idClicked, this, &CalculatorWindow::OnCommandClicked);
}

QWidget* CalculatorWindow::CreateControl(const ControlLayout& layout) {
  switch (layout.kind) {
    case ControlKind::kInfoField: {
      auto* field = CreateInfoField(layout.index, ToPixels(layout.rect), this);
      field->setAccessibleName(ToQString(texts::kInfoFieldNames.at(layout.index)));
      return info_fields_.at(layout.index) = field;
    }
    case ControlKind::kLabel: {
      label_ = new QLabel(ToQString(texts::kTitleLabel), this);
      label_->setAlignment(Qt::AlignCenter);
      SetBackground(label_, *layout.background);
      return label_;
    }
    case ControlKind::kOption: {
      auto* option = new QRadioButton(ToQString(texts::kOptionCaptions.at(layout.index)), this);
      SetBackground(option, *layout.background);
      option->setAccessibleName(ToQString(texts::kOptionNamePrefix) +
                                ToQString(texts::kMeasureNames.at(layout.index)));
      option->setToolTip(ToQString(texts::kOptionTooltipPrefix) +
                         ToQString(texts::kSideFromMeasure.at(layout.index)));
      option_group_->addButton(option, layout.index);
      return options_.at(layout.index) = option;
    }
    case ControlKind::kQuantityField: {
      auto* field = new QLineEdit(this);
      field->setMaxLength(kInitialMaxLength);
      field->setAccessibleName(ToQString(texts::kMeasureNames.at(layout.index)));
      return fields_.at(layout.index) = field;
    }
    case ControlKind::kCommandButton: {
      const bool calculate = layout.index == controller::MainWindow::kCalculateButton;
      auto* button = new QPushButton(
          ToQString(calculate ? texts::kCalculateCaption : texts::kClearCaption), this);
      button->setAutoDefault(false);
      button->setAccessibleDescription(calculate ? QStringLiteral("Enter")
                                                 : QStringLiteral("Escape"));
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
  fields_.at(field)->setText(ToQString(text));
}

void CalculatorWindow::SetFieldEnabled(triangle::QuantityIndex field, bool enabled) {
  fields_.at(field)->setEnabled(enabled);
}

void CalculatorWindow::SetFieldMaxLength(triangle::QuantityIndex field, int max_length) {
  fields_.at(field)->setMaxLength(max_length == kNoLengthLimit ? kQtUnlimitedLength : max_length);
}

void CalculatorWindow::OnOptionChosen(int index) {
  ClearResultTooltips();  // the fields are about to change
  controller_.OnOptionClick(static_cast<std::int16_t>(index));
}

// The event boundary: a failed calculation is reported here and the window stays as the
// controller left it, so the user can correct the value and go on.
void CalculatorWindow::OnCommandClicked(int index) {
  ClearResultTooltips();
  try {
    controller_.OnCommandClick(static_cast<std::int16_t>(index));
    const bool calculated = index == controller::MainWindow::kCalculateButton &&
                            SelectedOption() != controller::MainWindow::kNoOption;
    if (calculated) ShowResultTooltips();
  } catch (const triangle::OverflowError&) {
    ReportFailure(ToQString(texts::kOverflowMessage));
  } catch (const triangle::InvalidArgumentError&) {
    ReportFailure(ToQString(texts::kNegativeAreaMessage));
  } catch (const std::exception& failure) {
    ReportFailure(ToQString(texts::kUnexpectedFailureMessage) + '\n' +
                  QString::fromLocal8Bit(failure.what()));
  }
}

void CalculatorWindow::ReportFailure(const QString& message) {
  QMessageBox::critical(this, ToQString(texts::kFailureTitle), message);
}

// Window shortcuts, so they work from every control: Return and Enter calculate, Escape clears.
void CalculatorWindow::AddShortcuts() {
  const auto press = [this](int button, QKeySequence key) {
    connect(new QShortcut(key, this), &QShortcut::activated, buttons_.at(button),
            &QPushButton::click);
  };
  press(controller::MainWindow::kCalculateButton, QKeySequence(Qt::Key_Return));
  press(controller::MainWindow::kCalculateButton, QKeySequence(Qt::Key_Enter));
  press(controller::MainWindow::kClearButton, QKeySequence(Qt::Key_Escape));
}

// The values come from the same functions the calculation used, at full precision, so the
// tooltip shows what the four decimals round.
void CalculatorWindow::ShowResultTooltips() {
  const triangle::QuantityIndex chosen = SelectedOption();
  const double side =
      triangle::SideFromInput(chosen, triangle::ParseNumber(FieldText(chosen), format_));
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    if (k == chosen) continue;
    fields_[k]->setToolTip(ResultTooltip(k, chosen, triangle::QuantityOfSide(k, side), format_));
  }
}

void CalculatorWindow::ClearResultTooltips() {
  for (QLineEdit* field : fields_) field->setToolTip(QString());
}

void CalculatorWindow::CopyMeasures() const {
  QStringList texts;
  for (const QLineEdit* field : fields_) texts << field->text();
  QGuiApplication::clipboard()->setText(MeasuresAsText(texts));
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) return false;
  const auto* line = qobject_cast<const QLineEdit*>(watched);
  const auto* text = qobject_cast<const QPlainTextEdit*>(watched);
  const bool has_selection = (line != nullptr && line->hasSelectedText()) ||
                             (text != nullptr && text->textCursor().hasSelection());
  if (has_selection) return false;  // an ordinary copy of what is selected
  CopyMeasures();
  return true;
}

}  // namespace ui
