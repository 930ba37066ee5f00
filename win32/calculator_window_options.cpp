// The calculator window's option group: which option shows chosen, what counts as the user
// choosing one, and the names screen readers give them.
#include "win32/calculator_window.h"
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <utility>

#include "design/derived_texts.h"
#include "win32/wide_text.h"

namespace win32_ui {
namespace {

// What a user does to choose an option: a click (BM_CLICK is one too) or Space.
bool IsChoosingAction(UINT message, WPARAM wparam) {
  return message == WM_LBUTTONUP || message == WM_LBUTTONDBLCLK || message == BM_CLICK ||
         (message == WM_KEYUP && wparam == VK_SPACE);
}

}  // namespace

void CalculatorWindow::ClearOption(triangle::QuantityIndex option) {
  SendMessageW(options_.at(option), BM_SETCHECK, BST_UNCHECKED, 0);  // raises no click
  if (checked_option_ == option) checked_option_ = controller::MainWindow::kNoOption;
}

void CalculatorWindow::NameOptions() {
  options_named_ = true;
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    annotations_.SetName(options_.at(k), Widen(design::OptionAccessibleName(k)).c_str());
  }
}

// Real Windows checks an unchecked option that gets the focus other than by a click and reports
// it clicked; the window moves the focus onto options itself (Tab, a field emptied, activation).
// So a click counts only while the user acts on the option, and a check that came with the
// focus is undone.
LRESULT CALLBACK CalculatorWindow::OptionProcedure(HWND option, UINT message, WPARAM wparam,
                                                   LPARAM lparam, UINT_PTR /*id*/,
                                                   DWORD_PTR self_data) {
  auto& self = *reinterpret_cast<CalculatorWindow*>(self_data);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(option, &CalculatorWindow::OptionProcedure, kOptionSubclassId);
  } else if (message == WM_GETOBJECT && !self.options_named_) {
    // A screen reader asks for the first time: the names are in place before it reads one.
    self.NameOptions();
  } else if (IsChoosingAction(message, wparam)) {
    const HWND outer = std::exchange(self.option_acted_on_, option);
    const LRESULT result = DefSubclassProc(option, message, wparam, lparam);
    self.option_acted_on_ = outer;
    return result;
  } else if (message == WM_SETFOCUS) {
    const LRESULT result = DefSubclassProc(option, message, wparam, lparam);
    self.ShowChosenOption();
    return result;
  }
  return DefSubclassProc(option, message, wparam, lparam);
}

void CalculatorWindow::ShowChosenOption() {
  // Unchecked first: checking an automatic option may uncheck the others in turn.
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    const HWND option = options_.at(k);
    if (k != checked_option_ && SendMessageW(option, BM_GETCHECK, 0, 0) != BST_UNCHECKED) {
      SendMessageW(option, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  if (checked_option_ != controller::MainWindow::kNoOption) {
    const HWND chosen = options_.at(checked_option_);
    if (SendMessageW(chosen, BM_GETCHECK, 0, 0) != BST_CHECKED) {
      SendMessageW(chosen, BM_SETCHECK, BST_CHECKED, 0);
    }
  }
}

// Also when the option is the chosen one: the presenter decides what choosing it again does.
void CalculatorWindow::OnOptionChosen(triangle::QuantityIndex index) {
  checked_option_ = index;
  Draw(presenter_.OnOptionChosen(index));
}

}  // namespace win32_ui
