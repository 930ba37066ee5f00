#pragma once

#include <windows.h>

namespace win32_ui {

// Paints an owner-drawn push button in its solid colour: a raised edge, or a sunken one with
// the caption shifted while pressed, and the focus rectangle while it has the keyboard focus.
// Themed push buttons ignore background colours, hence the owner drawing.
void DrawCommandButton(const DRAWITEMSTRUCT& item, COLORREF face, HFONT font);

}  // namespace win32_ui
