#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace win32_ui {

// The tooltips shown when the mouse rests on a control, one tooltip control for the window.
// It is made when first needed (the mouse first over the window, or a first text): starting
// the window costs nothing.
class HoverTips {
 public:
  HoverTips() = default;
  ~HoverTips();
  HoverTips(const HoverTips&) = delete;
  HoverTips& operator=(const HoverTips&) = delete;

  bool IsCreated() const { return tip_ != nullptr; }
  // Makes the tooltip control for the controls of `window`, fitted to `dpi` and `font`; false
  // if it could not be made.
  bool Create(HWND window, UINT dpi, HFONT font);
  // Wraps the texts at a width for `dpi` and writes them in `font` (the window's, which has
  // every character the texts use).
  void Fit(UINT dpi, HFONT font);
  // What resting on `control` shows; empty: nothing. Needs Create.
  void SetText(HWND control, std::wstring_view text);
  // The tooltip control, or null before it is made.
  HWND Handle() const { return tip_; }

 private:
  HWND tip_ = nullptr;
  HWND window_ = nullptr;
  std::vector<HWND> controls_;  // those with a tool
};

}  // namespace win32_ui
