#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win32_ui {

// The solution's font in `family`, `pixels` to the em.
HFONT CreateSolutionFont(const std::wstring& family, int pixels);

// The window's own family if it draws every character of `text`, else the first fallback
// that does (the window's own if none does): a plain edit control would show a missing
// character as a blank.
std::wstring FamilyFor(std::wstring_view text);

}  // namespace win32_ui
