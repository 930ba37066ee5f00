// The floor for the Windows start-up benchmark: a bare Win32 window with the calculator's
// manifest, icon (both sizes loaded as the calculator loads them), controls and font and
// nothing else (no colours, no owner drawing, no behaviour, no cursor, short texts), to show
// what Windows (here Wine) alone costs.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

namespace {

HWND Child(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style, int x, int y,
           int width, int height, HFONT font) {
  const HWND child = CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                     height, parent, nullptr, nullptr, nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  INITCOMMONCONTROLSEX common_controls{sizeof common_controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common_controls);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                     GetSystemMetrics(SM_CXICON),
                                                     GetSystemMetrics(SM_CYICON), LR_SHARED));
  window_class.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                       GetSystemMetrics(SM_CXSMICON),
                                                       GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  window_class.lpszClassName = L"StartupFloor";
  RegisterClassExW(&window_class);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT outer{0, 0, 498, 364};
  AdjustWindowRectEx(&outer, style, FALSE, 0);
  const HWND window = CreateWindowExW(
      0, L"StartupFloor", L"floor", style, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
      outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
  const HFONT font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                 DEFAULT_PITCH | FF_ROMAN, L"Times New Roman");
  for (int i = 0; i < 8; ++i) {
    Child(window, L"BUTTON", L"option", WS_TABSTOP | BS_AUTORADIOBUTTON, 16, 40 + 32 * i, 121, 25,
          font);
    Child(window, L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 144, 40 + 32 * i, 97, 27,
          font);
  }
  Child(window, L"BUTTON", L"calculate", WS_TABSTOP, 264, 136, 121, 33, font);
  Child(window, L"BUTTON", L"clear", WS_TABSTOP, 352, 184, 121, 33, font);
  Child(window, L"STATIC", L"title", SS_CENTER, 96, 0, 305, 25, font);
  for (int i = 0; i < 2; ++i) {
    Child(window, L"EDIT", L"text",
          WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 24 + 24 * i,
          232 + 40 * i, 449, 121, font);
  }
  ShowWindow(window, show_command);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DeleteObject(font);
  return 0;
}
