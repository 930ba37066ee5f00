#pragma once

#include <windows.h>

#include <string_view>

namespace win32_ui {

// Puts `text` on the clipboard as Unicode text, in place of what was there; false if the
// clipboard could not be opened or the text not handed over.
bool CopyToClipboard(HWND owner, std::wstring_view text);

}  // namespace win32_ui
