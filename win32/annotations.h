#pragma once

#include <windows.h>

struct IAccPropServices;

namespace win32_ui {

// What screen readers are told of a control beyond what Windows derives from it, through
// dynamic annotation (oleacc, reached through COM). oleacc and COM are loaded with the first
// annotation, when a screen reader first asks or a notice first shows: a start without one
// costs nothing. Where they cannot be had, nothing is annotated and nothing fails.
class Annotations {
 public:
  Annotations() = default;
  ~Annotations();
  Annotations(const Annotations&) = delete;
  Annotations& operator=(const Annotations&) = delete;

  // The control's accessible name or description; null takes it back.
  void SetName(HWND control, const wchar_t* text);
  void SetDescription(HWND control, const wchar_t* text);

 private:
  IAccPropServices* Services();

  IAccPropServices* services_ = nullptr;
  HMODULE ole_ = nullptr;
  bool loaded_ = false;
  bool com_started_ = false;
};

}  // namespace win32_ui
