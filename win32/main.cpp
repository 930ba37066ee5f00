// The Windows edition: one window, numbers in the user's regional format.
#include <windows.h>

#include <exception>

#include "design/texts.h"
#include "win32/calculator_window.h"
#include "win32/number_settings.h"
#include "win32/user_locale.h"
#include "win32/wide_text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  try {
    win32_ui::CalculatorWindow window(
        instance, win32_ui::NumberFormatFromLocale(win32_ui::UserNumberSettings()));
    window.QuitWhenClosed();
    window.Load();
    window.ShowCentred(show_command);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      if (window.HandleKeyboardMessage(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
  } catch (const std::exception& failure) {
    // Only a window that cannot be created gets here.
    MessageBoxW(nullptr, win32_ui::Widen(failure.what()).c_str(),
                win32_ui::Widen(design::texts::kFailureTitle).c_str(), MB_OK | MB_ICONERROR);
    return 1;
  }
}
