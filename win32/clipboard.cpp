#include "win32/clipboard.h"

#include <string>

namespace win32_ui {

bool CopyToClipboard(HWND owner, std::wstring_view text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  const std::wstring terminated(text);
  const std::size_t bytes = (terminated.size() + 1) * sizeof(wchar_t);
  bool copied = false;
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes); memory != nullptr) {
    if (void* target = GlobalLock(memory); target != nullptr) {
      CopyMemory(target, terminated.c_str(), bytes);
      GlobalUnlock(memory);
      // The clipboard owns the memory once it took it.
      copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
      if (!copied) GlobalFree(memory);
    } else {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
  return copied;
}

}  // namespace win32_ui
