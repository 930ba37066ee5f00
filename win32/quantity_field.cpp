#include "win32/quantity_field.h"
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "design/derived_texts.h"
#include "win32/gdi_helpers.h"
#include "win32/wide_text.h"

namespace win32_ui {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr UINT_PTR kHideHintTimer = 1;
// As many characters as an edit control can hold.
constexpr WPARAM kEditControlMaximum = 0x7FFFFFFE;

// How many characters a paste of the clipboard brings into a one-line field, which takes the
// text up to its first line break; counted no further than `enough`.
std::size_t ClipboardTextLength(std::size_t enough) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(nullptr)) return 0;
  std::size_t length = 0;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
    if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data)); text != nullptr) {
      const std::size_t most = std::min<std::size_t>(GlobalSize(data) / sizeof(wchar_t), enough);
      while (length < most && text[length] != L'\0' && text[length] != L'\r' &&
             text[length] != L'\n') {
        ++length;
      }
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return length;
}

// Ctrl+V arrives as a character, Shift+Insert as a key; WM_PASTE is the message itself.
bool IsPaste(UINT message, WPARAM wparam) {
  return message == WM_PASTE || (message == WM_CHAR && wparam == 0x16) ||
         (message == WM_KEYDOWN && wparam == VK_INSERT && IsKeyDown(VK_SHIFT) &&
          !IsKeyDown(VK_CONTROL));
}

// A click, or what would change the text of an editable field: a character (Backspace,
// Ctrl+V and Ctrl+X among them), Delete, Shift+Insert, a paste.
bool IsAttemptToEdit(UINT message, WPARAM wparam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
      return true;
    case WM_CHAR:
      return wparam >= 0x20 || wparam == 0x08 || wparam == 0x16 || wparam == 0x18;
    case WM_KEYDOWN:
      return wparam == VK_DELETE || IsPaste(message, wparam);
    default:
      return false;
  }
}

}  // namespace

QuantityField::~QuantityField() {
  if (edit_ != nullptr && IsWindow(edit_)) {
    RemoveWindowSubclass(edit_, &QuantityField::Procedure, kSubclassId);
  }
}

void QuantityField::Attach(HWND edit, FieldHint& hint) {
  edit_ = edit;
  hint_ = &hint;
  SetWindowSubclass(edit, &QuantityField::Procedure, kSubclassId,
                    reinterpret_cast<DWORD_PTR>(this));
}

std::wstring QuantityField::Text() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit_)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(edit_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void QuantityField::SetText(std::wstring_view text) {
  hint_->HideAt(edit_);
  if (text.empty() && GetWindowTextLengthW(edit_) == 0) return;  // as at start: nothing to do
  // The window has no handler for the change notification: setting a text raises nothing.
  SetWindowTextW(edit_, std::wstring(text).c_str());
  ShowFromStart();  // a long number must not pass for its last digits
  UpdateTabStop();
}

// Read-only rather than disabled: a disabled edit control greys its text out and refuses
// selection.
void QuantityField::SetEditable(bool editable) {
  if (editable == IsEditable()) return;
  SendMessageW(edit_, EM_SETREADONLY, editable ? FALSE : TRUE, 0);
  if (!editable) ShowFromStart();
  // The caret shows only where typing goes (the edit control makes it on getting the focus).
  if (GetFocus() == edit_) editable ? ShowCaret(edit_) : HideCaret(edit_);
  // Painted anew, frame and all, on the ground its parent gives a read-only field, not the
  // white it had.
  RedrawWindow(edit_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  UpdateTabStop();
}

// The caret goes where the selection's second end is.
void QuantityField::SelectWholeText() {
  SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(GetWindowTextLengthW(edit_)), 0);
  SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
}

bool QuantityField::IsEditable() const {
  return (GetWindowLongW(edit_, GWL_STYLE) & ES_READONLY) == 0;
}

void QuantityField::SetLengthLimit(int limit) {
  limit_ = limit;
  SendMessageW(edit_, EM_SETLIMITTEXT,
               limit == kNoLimit ? kEditControlMaximum : static_cast<WPARAM>(limit), 0);
}

bool QuantityField::TakesFocus() const { return IsEditable() || GetWindowTextLengthW(edit_) > 0; }

bool QuantityField::IsTextWiderThanField() const {
  const std::wstring text = Text();
  if (text.empty()) return false;
  RECT shown{};
  SendMessageW(edit_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown));
  const HDC dc = GetDC(edit_);
  if (dc == nullptr) return false;
  const HGDIOBJ old_font =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(edit_, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old_font);
  ReleaseDC(edit_, dc);
  return size.cx > shown.right - shown.left;
}

void QuantityField::ShowFromStart() {
  SendMessageW(edit_, EM_SETSEL, 0, 0);
  SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
}

void QuantityField::UpdateTabStop() {
  const LONG style = GetWindowLongW(edit_, GWL_STYLE);
  const LONG wanted = TakesFocus() ? style | WS_TABSTOP : style & ~WS_TABSTOP;
  if (wanted != style) SetWindowLongW(edit_, GWL_STYLE, wanted);
}

LRESULT CALLBACK QuantityField::Procedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam,
                                          UINT_PTR /*id*/, DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(edit, &QuantityField::Procedure, kSubclassId);
    reinterpret_cast<QuantityField*>(self)->edit_ = nullptr;
    return DefSubclassProc(edit, message, wparam, lparam);
  }
  return reinterpret_cast<QuantityField*>(self)->Handle(message, wparam, lparam);
}

LRESULT QuantityField::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  if (on_locked_input_ && !IsEditable() && IsAttemptToEdit(message, wparam)) on_locked_input_();
  switch (message) {
    // Every way text comes in: typing, Ctrl+V (a WM_CHAR), Shift+Insert (a WM_KEYDOWN), the
    // context menu's Paste, the input method, undo.
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_PASTE:
    case WM_CONTEXTMENU:
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
      return Guarded(message, wparam, lparam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!TakesFocus()) return 0;  // an empty read-only field has nothing to select
      break;
    case WM_TIMER:
      if (wparam != kHideHintTimer) break;
      KillTimer(edit_, kHideHintTimer);
      hint_->HideAt(edit_);
      return 0;
    case WM_KILLFOCUS:
      hint_->HideAt(edit_);
      [[fallthrough]];
    case WM_SETFOCUS: {
      // The mark shows only while the caret is elsewhere.
      const LRESULT result = DefSubclassProc(edit_, message, wparam, lparam);
      if (message == WM_SETFOCUS && !IsEditable()) HideCaret(edit_);
      InvalidateRect(edit_, nullptr, TRUE);
      return result;
    }
    case WM_PAINT: {
      const LRESULT result = DefSubclassProc(edit_, message, wparam, lparam);
      DrawContinuationMark();
      return result;
    }
    default:
      break;
  }
  return DefSubclassProc(edit_, message, wparam, lparam);
}

// A text wider than the field ends in "…" at the field's right edge, over the characters cut
// there, as the other editions show it; the text itself, which copying takes, stays whole. The
// field with the caret shows its text plainly: the caret scrolls it.
void QuantityField::DrawContinuationMark() const {
  if (GetFocus() == edit_ || !IsTextWiderThanField()) return;
  RECT shown{};
  SendMessageW(edit_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown));
  const HDC dc = GetDC(edit_);
  if (dc == nullptr) return;
  const HGDIOBJ old_font =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(edit_, WM_GETFONT, 0, 0)));
  // The field's own colours, as its parent gives them.
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(GetParent(edit_), IsEditable() ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC,
                   reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit_)));
  constexpr wchar_t kMark[] = L"\u2026";
  SIZE mark{};
  GetTextExtentPoint32W(dc, kMark, 1, &mark);
  // After the last character that fits whole before the mark.
  int start = shown.left;
  const int length = GetWindowTextLengthW(edit_);
  for (int next = 1; next < length; ++next) {
    const LRESULT position = SendMessageW(edit_, EM_POSFROMCHAR, static_cast<WPARAM>(next), 0);
    const int x = static_cast<short>(LOWORD(position));
    if (x > shown.right - mark.cx) break;
    start = x;
  }
  RECT area{start, shown.top, shown.right, shown.bottom};
  FillRect(dc, &area, brush != nullptr ? brush : GetSysColorBrush(COLOR_WINDOW));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, kMark, 1, &area, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old_font);
  ReleaseDC(edit_, dc);
}

LRESULT QuantityField::Guarded(UINT message, WPARAM wparam, LPARAM lparam) {
  if (limit_ == kNoLimit || !IsEditable()) return DefSubclassProc(edit_, message, wparam, lparam);
  const std::wstring before = Text();
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const auto limit = static_cast<std::size_t>(limit_);
  const std::size_t kept = before.size() - (end - start);
  // A paste is judged before it happens: taken first, however long, it could keep the window
  // busy for minutes before being refused.
  if (IsPaste(message, wparam)) {
    if (kept + ClipboardTextLength(limit + 1) <= limit) {
      return DefSubclassProc(edit_, message, wparam, lparam);
    }
    ShowRefusal();
    return 0;
  }
  // The context menu's Paste reaches the edit control without a message of its own: the
  // control keeps the limit meanwhile, so a long paste is cut rather than taken whole, and a
  // cut paste is undone.
  if (message == WM_CONTEXTMENU) {
    const std::size_t pasted = ClipboardTextLength(limit + 1);
    const LRESULT result = DefSubclassProc(edit_, message, wparam, lparam);
    if (Text() != before && kept + pasted > limit &&
        static_cast<std::size_t>(GetWindowTextLengthW(edit_)) > kept) {
      SetWindowTextW(edit_, before.c_str());
      SendMessageW(edit_, EM_SETSEL, start, static_cast<LPARAM>(end));
      ShowRefusal();
    }
    return result;
  }
  // The edit control would cut what does not fit: it takes the edit whole, then it is judged.
  DefSubclassProc(edit_, EM_SETLIMITTEXT, kEditControlMaximum, 0);
  const LRESULT result = DefSubclassProc(edit_, message, wparam, lparam);
  DefSubclassProc(edit_, EM_SETLIMITTEXT, static_cast<WPARAM>(limit_), 0);
  const int length = GetWindowTextLengthW(edit_);
  // A text already longer than the limit may still be shortened.
  if (length > limit_ && length > static_cast<int>(before.size())) {
    SetWindowTextW(edit_, before.c_str());
    SendMessageW(edit_, EM_SETSEL, start, static_cast<LPARAM>(end));
    SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
    ShowRefusal();
  }
  return result;
}

void QuantityField::ShowRefusal() {
  MessageBeep(MB_OK);
  hint_->Show(edit_, Widen(design::LengthLimitHint(limit_)));
  SetTimer(edit_, kHideHintTimer, design::kLengthLimitHintMilliseconds, nullptr);
}

}  // namespace win32_ui
