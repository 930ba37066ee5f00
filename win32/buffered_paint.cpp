#include "win32/buffered_paint.h"

#include <algorithm>

namespace win32_ui {

void PaintBuffered(HWND window, const std::function<void(HDC dc, const RECT& area)>& draw) {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window, &paint);
  RECT area{};
  GetClientRect(window, &area);
  const HDC buffer = CreateCompatibleDC(dc);
  const HBITMAP bitmap =
      CreateCompatibleBitmap(dc, std::max(1L, area.right), std::max(1L, area.bottom));
  const HGDIOBJ previous = SelectObject(buffer, bitmap);
  draw(buffer, area);
  BitBlt(dc, 0, 0, area.right, area.bottom, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, previous);
  DeleteObject(bitmap);
  DeleteDC(buffer);
  EndPaint(window, &paint);
}

}  // namespace win32_ui
