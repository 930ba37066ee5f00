#include "win32/window_class.h"

#include "win32/program_icon.h"

namespace win32_ui {

bool RegisterWindowClass(HINSTANCE instance, const WindowClass& window_class) {
  WNDCLASSEXW registered{};
  registered.cbSize = sizeof registered;
  registered.lpfnWndProc = window_class.procedure;
  registered.hInstance = instance;
  registered.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  registered.hbrBackground = window_class.background;
  registered.lpszClassName = window_class.name;
  if (window_class.program_icon) {
    // Each size read from the icon's image of that size: given no small icon, Windows would
    // look the icon up again to make one.
    registered.hIcon = LoadIconOfSize(instance, SM_CXICON, SM_CYICON);
    registered.hIconSm = LoadIconOfSize(instance, SM_CXSMICON, SM_CYSMICON);
  }
  return RegisterClassExW(&registered) != 0;
}

}  // namespace win32_ui
