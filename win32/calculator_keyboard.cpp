// The calculator window's keyboard: the keys of controller/key_map.h as its table gives them,
// Tab in the design's order, and the rest to the dialog keyboard interface.
#include "win32/calculator_keyboard.h"

#include "controller/option_order.h"
#include "win32/calculator_window.h"
#include "win32/clipboard.h"
#include "win32/gdi_helpers.h"
#include "win32/wide_text.h"

namespace win32_ui {
std::optional<controller::Key> CalculatorKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || IsKeyDown(VK_MENU)) return std::nullopt;
  switch (message.wParam) {
    case VK_F1:
      return controller::Key::kF1;
    case VK_RETURN:  // Enter on the number pad is VK_RETURN too
      return controller::Key::kReturn;
    case VK_ESCAPE:
      return controller::Key::kEscape;
    case VK_UP:
      return controller::Key::kUp;
    case VK_DOWN:
      return controller::Key::kDown;
    case VK_LEFT:
      return controller::Key::kLeft;
    case VK_RIGHT:
      return controller::Key::kRight;
    case 'C':
      if (IsKeyDown(VK_CONTROL) && !IsKeyDown(VK_SHIFT)) return controller::Key::kCopy;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

controller::FocusKind FocusKindOf(std::size_t row) {
  if (row >= design::kControls.size()) return controller::FocusKind::kOther;
  switch (design::kControls[row].kind) {
    case design::ControlKind::kOption:
      return controller::FocusKind::kOption;
    case design::ControlKind::kQuantityField:
      return controller::FocusKind::kQuantityField;
    case design::ControlKind::kInfoField:
      return controller::FocusKind::kInfoField;
    case design::ControlKind::kCommandButton:
      return controller::FocusKind::kButton;
    case design::ControlKind::kLabel:
      return controller::FocusKind::kOther;
  }
  return controller::FocusKind::kOther;
}

bool CalculatorWindow::HandleKeyboardMessage(MSG& message) {
  if (solution_window_.HandleKeyboardMessage(message)) return true;
  if (window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
    return false;
  }
  const HWND focus = GetFocus();
  if (const auto key = CalculatorKey(message)) {
    const std::size_t row = RowOf(focus);
    const controller::FocusKind kind = FocusKindOf(row);
    DWORD start = 0;
    DWORD end = 0;
    if (kind == controller::FocusKind::kQuantityField ||
        kind == controller::FocusKind::kInfoField) {
      SendMessageW(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    }
    if (const auto command = controller::CommandForKey(*key, kind, start != end)) {
      RunKeyCommand(*command, focus);
      return true;
    }
    // A focused button answers Return itself: it presses.
    if (*key == controller::Key::kReturn && kind == controller::FocusKind::kButton) {
      OnCommandClicked(design::kControls[row].index);
      return true;
    }
  } else if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && !IsKeyDown(VK_MENU) &&
             !IsKeyDown(VK_CONTROL)) {
    // Multi-line fields would keep Tab for themselves.
    SetFocus(NextInTabOrder(focus, IsKeyDown(VK_SHIFT)));
    return true;
  }
  return IsDialogMessageW(window_, &message) != FALSE;
}

void CalculatorWindow::RunKeyCommand(controller::KeyCommand command, HWND focus) {
  switch (command) {
    case controller::KeyCommand::kCalculate:
      OnCommandClicked(controller::MainWindow::kCalculateButton);
      break;
    case controller::KeyCommand::kClear:
      OnCommandClicked(controller::MainWindow::kClearButton);
      break;
    case controller::KeyCommand::kCopyMeasures:
      CopyMeasures();
      break;
    case controller::KeyCommand::kOpenSolution:
      OpenSolutionWindow();
      break;
    case controller::KeyCommand::kPreviousOption:
      MoveAmongOptions(focus, -1);
      break;
    case controller::KeyCommand::kNextOption:
      MoveAmongOptions(focus, 1);
      break;
  }
}

HWND CalculatorWindow::NextInTabOrder(HWND from, bool backwards) const {
  const std::size_t count = controls_.size();
  std::size_t row = RowOf(from);
  if (row >= count) row = backwards ? 0 : count - 1;
  for (std::size_t step = 1; step <= count; ++step) {
    const std::size_t next = backwards ? (row + count - step) % count : (row + step) % count;
    if (IsTabStop(next)) return controls_[next];
  }
  return from;
}

bool CalculatorWindow::IsTabStop(std::size_t row) const {
  const design::Control& control = design::kControls[row];
  switch (control.kind) {
    case design::ControlKind::kLabel:
      return false;
    case design::ControlKind::kQuantityField:
      return fields_.at(static_cast<std::size_t>(control.index)).TakesFocus();
    default:
      return IsWindowEnabled(controls_[row]) != FALSE;
  }
}

// The arrow keys move to the previous or next option in the measures' order, round at the
// ends, and choose it.
void CalculatorWindow::MoveAmongOptions(HWND focus, int step) {
  const auto current = static_cast<triangle::QuantityIndex>(design::kControls[RowOf(focus)].index);
  const HWND option = options_.at(controller::NextOption(current, step));
  SetFocus(option);
  moving_between_options_ = true;
  SendMessageW(option, BM_CLICK, 0, 0);
  moving_between_options_ = false;
}

void CalculatorWindow::CopyMeasures() const {
  CopyToClipboard(window_, Widen(presenter_.MeasuresAsText("\r\n")));
}

}  // namespace win32_ui
