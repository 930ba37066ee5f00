#pragma once

#include <windows.h>

#include "design/figure.h"

namespace win32_ui {

// Draws `figure` with GDI into `area` of `dc`, on white: scaled to fit and centred, every line
// and letter drawn at the device's own pixels.
void DrawFigure(HDC dc, const RECT& area, const design::Figure& figure);

}  // namespace win32_ui
