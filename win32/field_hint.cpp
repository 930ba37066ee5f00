#include "win32/field_hint.h"
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <utility>

namespace win32_ui {
namespace {

TOOLINFOW ToolFor(HWND field, wchar_t* text) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = field;
  tool.lpszText = text;
  return tool;
}

}  // namespace

FieldHint::~FieldHint() {
  // Owned by the window, the tooltip is destroyed with it, maybe before this object.
  if (tip_ != nullptr && IsWindow(tip_)) DestroyWindow(tip_);
}

void FieldHint::Show(HWND field, std::wstring text) {
  if (field_ != nullptr) HideAt(field_);
  if (tip_ == nullptr) {
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP | TTS_BALLOON, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(field, GA_ROOT),
                           nullptr, nullptr, nullptr);
    if (tip_ == nullptr) return;  // the beep alone must do
  }
  // In the field's font, which has every character of the text (see HoverTips::Fit).
  SendMessageW(tip_, WM_SETFONT, SendMessageW(field, WM_GETFONT, 0, 0), FALSE);
  field_ = field;
  text_ = std::move(text);
  TOOLINFOW tool = ToolFor(field, text_.data());
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  RECT rect{};
  GetWindowRect(field, &rect);
  SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(rect.left + 8, rect.bottom - 2));
  SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void FieldHint::HideAt(HWND field) {
  if (tip_ == nullptr || field_ != field) return;
  TOOLINFOW tool = ToolFor(field, nullptr);
  SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  field_ = nullptr;
}

}  // namespace win32_ui
