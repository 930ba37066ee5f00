#pragma once

#include <windows.h>

#include <functional>

namespace win32_ui {

// Answers WM_PAINT for `window`: `draw` draws its whole client area off screen, which is then
// copied in one step, so that resizing does not flicker.
void PaintBuffered(HWND window, const std::function<void(HDC dc, const RECT& area)>& draw);

}  // namespace win32_ui
