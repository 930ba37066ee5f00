#pragma once

#include <optional>

#include "controller/key_map.h"

class QKeyEvent;
class QWidget;

// Qt's key events and focused controls in the terms of the calculator's keyboard table.
namespace qt_ui {

// Return and Enter, the copy shortcut and the arrows, whatever other modifiers are held (as
// Qt's options move with them); none for every other key. Escape and F1 come as shortcuts.
std::optional<controller::Key> KeyOf(const QKeyEvent& event);

// What kind of control `control` is; kOther for none.
controller::FocusKind FocusKindOf(const QWidget* control);

// Whether `control` is a text with part of it selected.
bool HasSelectedText(const QWidget* control);

}  // namespace qt_ui
