#include "win32/command_button.h"

#include <string>

namespace win32_ui {

void DrawCommandButton(const DRAWITEMSTRUCT& item, COLORREF face, HFONT font) {
  const HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;

  const HBRUSH brush = CreateSolidBrush(face);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
  DrawEdge(dc, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

  std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(item.hwndItem)) + 1, L'\0');
  caption.resize(static_cast<std::size_t>(
      GetWindowTextW(item.hwndItem, caption.data(), static_cast<int>(caption.size()))));
  RECT text_rect = rect;
  if (pressed) OffsetRect(&text_rect, 1, 1);
  const HGDIOBJ old_font = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, (item.itemState & ODS_DISABLED) != 0 ? GetSysColor(COLOR_GRAYTEXT)
                                                        : GetSysColor(COLOR_BTNTEXT));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text_rect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old_font);

  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
    const int inset = GetSystemMetrics(SM_CXEDGE) + 2;
    InflateRect(&rect, -inset, -inset);
    DrawFocusRect(dc, &rect);
  }
}

}  // namespace win32_ui
