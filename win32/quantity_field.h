#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "win32/field_hint.h"

namespace win32_ui {

// A measure's edit control, subclassed. It shows every text it is given from its first
// character. Its length limit refuses an edit whole: a paste that does not fit is not cut to
// fit (the edit control's own limit would cut it, turning it into another number), and a
// refused keystroke or paste beeps and says so at the field. Read-only, it keeps its text at
// full contrast, selectable and copyable, and is a Tab stop only while it holds a text. A text
// wider than the field ends in "…" while the field does not have the caret. Read-only, it
// shows no caret, and tells its owner when it is clicked or typed into.
class QuantityField {
 public:
  static constexpr int kNoLimit = 0;

  QuantityField() = default;
  ~QuantityField();
  QuantityField(const QuantityField&) = delete;
  QuantityField& operator=(const QuantityField&) = delete;

  // Takes over `edit`; refusals are shown through `hint`, which must outlive the field.
  void Attach(HWND edit, FieldHint& hint);
  // Called when the field, read-only, is clicked or typed into (a character, Backspace,
  // Delete, a paste or cut).
  void OnLockedInput(std::function<void()> handler) { on_locked_input_ = std::move(handler); }
  HWND Handle() const { return edit_; }

  std::wstring Text() const;
  // Replaces the text, raising no handler, and shows it from its first character.
  void SetText(std::wstring_view text);
  void SetEditable(bool editable);
  // Selects the whole text with the caret at its start, so that typing replaces it and a long
  // number still shows from its first digit.
  void SelectWholeText();
  bool IsEditable() const;
  // How many characters an edit may leave in the field; kNoLimit: any number.
  void SetLengthLimit(int limit);
  // Whether Tab and clicks may bring the focus here: editable, or holding a text to select.
  bool TakesFocus() const;
  // Whether the text is wider than the field shows, so that part of it is out of sight.
  bool IsTextWiderThanField() const;

 private:
  static LRESULT CALLBACK Procedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR id, DWORD_PTR self);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  // Lets the edit control carry out a message that may change the text, then undoes it whole
  // if it left more characters than the limit.
  LRESULT Guarded(UINT message, WPARAM wparam, LPARAM lparam);
  void ShowFromStart();
  void UpdateTabStop();
  void ShowRefusal();
  void DrawContinuationMark() const;

  HWND edit_ = nullptr;
  FieldHint* hint_ = nullptr;
  int limit_ = kNoLimit;
  std::function<void()> on_locked_input_;
};

}  // namespace win32_ui
