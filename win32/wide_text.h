#pragma once

#include <string>
#include <string_view>

namespace win32_ui {

// The design and the core speak UTF-8; Windows' wide-character functions speak UTF-16.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// Windows' edit controls break lines only at "\r\n".
std::wstring WithWindowsLineBreaks(std::wstring_view text);

}  // namespace win32_ui
