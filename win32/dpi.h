#pragma once

#include <windows.h>

namespace win32_ui {

// The dots per inch of the monitor the window is on. The per-monitor functions exist from
// Windows 10 on and are looked up at run time, so the program still starts on Windows 7,
// where the system's resolution is used.
UINT WindowDpi(HWND window);

// The outer size of a window whose client area is `client` at `dpi`.
SIZE OuterSize(SIZE client, DWORD style, DWORD ex_style, UINT dpi);

// The message Windows sends when the window moves to a monitor of another resolution.
inline constexpr UINT kDpiChangedMessage = 0x02E0;  // WM_DPICHANGED

}  // namespace win32_ui
