#pragma once

#include <windows.h>

#include <string>

namespace win32_ui {

// A short message shown in a balloon just below a field, such as why an edit was refused.
// Its tooltip control is made the first time a hint is shown: starting the window costs
// nothing.
class FieldHint {
 public:
  FieldHint() = default;
  ~FieldHint();
  FieldHint(const FieldHint&) = delete;
  FieldHint& operator=(const FieldHint&) = delete;

  void Show(HWND field, std::wstring text);
  // Hides the hint if it is showing at `field`.
  void HideAt(HWND field);
  // The tooltip control, or null before the first hint.
  HWND Tip() const { return tip_; }

 private:
  HWND tip_ = nullptr;
  HWND field_ = nullptr;  // where the hint shows, if it does
  std::wstring text_;
};

}  // namespace win32_ui
