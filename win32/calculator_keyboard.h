#pragma once

#include <windows.h>

#include <optional>

#include "controller/key_map.h"
#include "design/window_design.h"

namespace win32_ui {

// The calculator's key a key-down message is: none with Alt held, and Ctrl+C only without
// Shift; F1, Return (Enter on the number pad too), Escape and the arrows whatever else is held.
std::optional<controller::Key> CalculatorKey(const MSG& message);

// The kind of the focused control, from its design row (kControlCount: not one of the window's).
controller::FocusKind FocusKindOf(std::size_t row);

}  // namespace win32_ui
