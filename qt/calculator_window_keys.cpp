// The calculator window's keyboard: Qt's keys as the keyboard's table (controller/key_map.h)
// names them, and the commands the table gives carried out.
#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <utility>

#include "controller/option_order.h"
#include "qt/calculator_window.h"
#include "qt/key_events.h"
#include "qt/qt_text.h"

namespace qt_ui {

using controller::Key;
using controller::KeyCommand;

// Escape and F1 are shortcuts, so that they work from every control of the window. Return and
// Enter are none: a focused button answers them itself, and keyPressEvent takes them from
// every other control.
void CalculatorWindow::AddShortcuts() {
  for (const auto& shortcut :
       {std::pair{Qt::Key_Escape, Key::kEscape}, std::pair{Qt::Key_F1, Key::kF1}}) {
    connect(new QShortcut(QKeySequence(shortcut.first), this), &QShortcut::activated, this,
            [this, key = shortcut.second] { PressKey(key, focusWidget()); });
  }
}

bool CalculatorWindow::PressKey(Key key, QWidget* focused) {
  const std::optional<KeyCommand> command =
      controller::CommandForKey(key, FocusKindOf(focused), HasSelectedText(focused));
  if (!command) return false;
  switch (*command) {
    case KeyCommand::kCalculate:
      buttons_.at(controller::MainWindow::kCalculateButton)->click();
      break;
    case KeyCommand::kClear:
      buttons_.at(controller::MainWindow::kClearButton)->click();
      break;
    case KeyCommand::kCopyMeasures:
      CopyMeasures();
      break;
    case KeyCommand::kOpenSolution:
      OpenSolutionWindow();
      break;
    case KeyCommand::kPreviousOption:
    case KeyCommand::kNextOption:
      MoveAmongOptions(qobject_cast<QRadioButton*>(focused),
                       *command == KeyCommand::kPreviousOption ? -1 : 1);
      break;
  }
  return true;
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

void CalculatorWindow::CopyMeasures() const {
  QGuiApplication::clipboard()->setText(ToQString(presenter_.MeasuresAsText()));
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
  if (KeyOf(*event) == Key::kReturn && PressKey(Key::kReturn, focusWidget())) return;
  QWidget::keyPressEvent(event);
}

// Every control but the title passes its keys here first: Return is left to the control, which
// may answer it itself (a button presses).
bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const std::optional<Key> key = KeyOf(*static_cast<QKeyEvent*>(event));
  if (!key || *key == Key::kReturn) return false;
  return PressKey(*key, qobject_cast<QWidget*>(watched));
}

}  // namespace qt_ui
