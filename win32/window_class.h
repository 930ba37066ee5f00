#pragma once

#include <windows.h>

namespace win32_ui {

// The object a window belongs to: the last argument of its CreateWindowExW, kept with the
// window from WM_NCCREATE, its first message, on; null before that and once cleared.
template <typename Owner>
Owner* OwnerOf(HWND window, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(
        window, GWLP_USERDATA,
        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
  }
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// A window procedure's work: hands `message` to the owner's `handle`, having stored the
// window in its `window_member` on WM_NCCREATE; a message before that or after the owner let
// go of the window (cleared its GWLP_USERDATA) gets the default handling.
template <typename Owner>
LRESULT ForwardToOwner(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                       HWND Owner::*window_member,
                       LRESULT (Owner::*handle)(HWND, UINT, WPARAM, LPARAM)) {
  Owner* const owner = OwnerOf<Owner>(window, message, lparam);
  if (owner == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCCREATE) owner->*window_member = window;
  return (owner->*handle)(window, message, wparam, lparam);
}

struct WindowClass {
  const wchar_t* name;
  WNDPROC procedure;
  HBRUSH background = nullptr;  // none: the window paints its background itself
  bool program_icon = true;     // the calculator's icon at both sizes the window shows
};

// Registers `window_class` with the arrow cursor; false if Windows refuses it.
bool RegisterWindowClass(HINSTANCE instance, const WindowClass& window_class);

}  // namespace win32_ui
