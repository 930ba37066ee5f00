#include "win32/hover_tips.h"
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "win32/gdi_helpers.h"

namespace win32_ui {
namespace {

// Texts wrap at this width (at 96 dots per inch); without one, a tooltip ignores line breaks.
constexpr int kMaxTipWidth = 400;

}  // namespace

HoverTips::~HoverTips() {
  if (tip_ != nullptr && IsWindow(tip_)) DestroyWindow(tip_);
}

bool HoverTips::Create(HWND window, UINT dpi, HFONT font) {
  if (tip_ != nullptr) return true;
  tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                         WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, nullptr, nullptr);
  if (tip_ == nullptr) return false;
  window_ = window;
  Fit(dpi, font);
  // Long enough to read a formula and its value.
  SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, 20000);
  return true;
}

// Wine sizes a tooltip by its font's measure of the text, but draws the characters its default
// font lacks (Cyrillic, √, ·) in another, wider font: the text's end was cut off. The window's
// font has them all, so measure and drawing agree.
void HoverTips::Fit(UINT dpi, HFONT font) {
  if (tip_ == nullptr) return;
  SendMessageW(tip_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, Scaled(kMaxTipWidth, dpi));
}

void HoverTips::SetText(HWND control, std::wstring_view text) {
  if (tip_ == nullptr) return;
  std::wstring copy(text);  // the tooltip control keeps its own copy
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = copy.data();
  if (std::find(controls_.begin(), controls_.end(), control) == controls_.end()) {
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    controls_.push_back(control);
  } else {
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace win32_ui
