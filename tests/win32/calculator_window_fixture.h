#pragma once

// What the tests of the real window share: the window opened under US settings, and the
// reading, typing and clicking they do to it. Expected values are written from the design, in
// pixels at 96 dots per inch (15 twips a pixel), not read from the code's tables.
#include "win32/calculator_window.h"
// commctrl.h needs the types of windows.h.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace win32_ui {

inline const triangle::NumberFormat kUsSettings{
    .decimal_separator = ".", .group_separator = ",", .group_sizes = {3}};
inline const triangle::NumberFormat kBulgarianSettings{
    .decimal_separator = ",", .group_separator = "\u00A0", .group_sizes = {3}};

inline std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

inline bool IsChecked(HWND option) {
  return SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

inline bool IsReadOnly(HWND field) { return (GetWindowLongW(field, GWL_STYLE) & ES_READONLY) != 0; }
inline bool IsTabStop(HWND field) { return (GetWindowLongW(field, GWL_STYLE) & WS_TABSTOP) != 0; }

// Typing, as the edit control receives it: its length limit applies.
inline void Type(HWND field, std::wstring_view text) {
  for (const wchar_t c : text) SendMessageW(field, WM_CHAR, c, 0);
}

inline void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

class CalculatorWindowTest : public testing::Test {
 protected:
  void Open(const triangle::NumberFormat& format) {
    window_ = std::make_unique<CalculatorWindow>(GetModuleHandleW(nullptr), format);
    window_->Load();
    window_->ShowCentred(SW_SHOWNORMAL);
  }
  void SetUp() override { Open(kUsSettings); }

  // Chooses a measure and types its value into the field, as a user does.
  void Enter(triangle::QuantityIndex measure, std::wstring_view value) {
    Click(window_->Option(measure));
    Type(window_->Field(measure), value);
  }
  std::wstring Field(triangle::QuantityIndex index) const { return TextOf(window_->Field(index)); }

  std::unique_ptr<CalculatorWindow> window_;
};

inline MSG KeyDown(HWND target, WPARAM key) { return MSG{target, WM_KEYDOWN, key, 1, 0, {0, 0}}; }

inline std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

inline void SetKeyDown(int key, bool down) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[key] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

}  // namespace win32_ui
