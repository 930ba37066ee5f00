#pragma once

#include <windows.h>

#include <string_view>

#include "design/window_design.h"

// What every window of the edition draws and reads with: the design's colours and font as GDI
// takes them, lengths at the monitor's resolution, the keys held down.
namespace win32_ui {

inline COLORREF ToColorRef(const design::Rgb& colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

// Whether `key` is held down as the message being handled was sent: the high bit of its state.
inline bool IsKeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// `pixels_at_96`, a length in pixels at 96 dots per inch, at `dpi`.
inline int Scaled(int pixels_at_96, UINT dpi) {
  return MulDiv(pixels_at_96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

// The design's typeface in `family` (its own, or one that stands in for a character it lacks),
// `pixels` to the em, with the design's character set and rendering.
HFONT CreateTypeface(std::wstring_view family, int pixels, int weight, bool italic = false);

// The design's font, at its size in points for `dpi`: the window's controls are written in it.
HFONT CreateDesignFont(UINT dpi);

}  // namespace win32_ui
