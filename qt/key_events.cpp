#include "qt/key_events.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace qt_ui {

using controller::FocusKind;
using controller::Key;

std::optional<Key> KeyOf(const QKeyEvent& event) {
  if (event.matches(QKeySequence::Copy)) return Key::kCopy;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::kReturn;
    case Qt::Key_Up:
      return Key::kUp;
    case Qt::Key_Down:
      return Key::kDown;
    case Qt::Key_Left:
      return Key::kLeft;
    case Qt::Key_Right:
      return Key::kRight;
    default:
      return std::nullopt;
  }
}

FocusKind FocusKindOf(const QWidget* control) {
  if (qobject_cast<const QRadioButton*>(control) != nullptr) return FocusKind::kOption;
  if (qobject_cast<const QLineEdit*>(control) != nullptr) return FocusKind::kQuantityField;
  if (qobject_cast<const QPlainTextEdit*>(control) != nullptr) return FocusKind::kInfoField;
  if (qobject_cast<const QAbstractButton*>(control) != nullptr) return FocusKind::kButton;
  return FocusKind::kOther;
}

bool HasSelectedText(const QWidget* control) {
  if (const auto* line = qobject_cast<const QLineEdit*>(control)) return line->hasSelectedText();
  if (const auto* text = qobject_cast<const QPlainTextEdit*>(control)) {
    return text->textCursor().hasSelection();
  }
  return false;
}

}  // namespace qt_ui
