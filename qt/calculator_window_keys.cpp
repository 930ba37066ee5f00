// The calculator window's keyboard.
#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QShortcut>

#include "controller/option_order.h"
#include "qt/calculator_window.h"
#include "qt/qt_text.h"

namespace qt_ui {

void CalculatorWindow::MoveAmongOptions(QRadioButton* from, int step) {
  const auto index = static_cast<triangle::QuantityIndex>(option_group_->id(from));
  OptionButton* next = options_.at(controller::NextOption(index, step));
  const QScopedValueRollback moving(moving_between_options_, true);
  if (from->isChecked()) next->click();
  next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

void CalculatorWindow::AddShortcuts() {
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated,
          buttons_.at(controller::MainWindow::kClearButton), &QPushButton::click);
  connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
          &CalculatorWindow::OpenSolutionWindow);
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    buttons_.at(controller::MainWindow::kCalculateButton)->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void CalculatorWindow::CopyMeasures() const {
  QGuiApplication::clipboard()->setText(ToQString(presenter_.MeasuresAsText()));
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
