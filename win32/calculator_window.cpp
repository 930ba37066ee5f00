#include "win32/calculator_window.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "design/derived_texts.h"
#include "design/pixels.h"
#include "design/texts.h"
#include "win32/command_button.h"
#include "win32/dpi.h"
#include "win32/gdi_helpers.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace win32_ui {
namespace {

constexpr wchar_t kWindowClass[] = L"EquilateralTriangleCalculator";
// The system menu's entry that opens the solution window (below 0xF000, a multiple of 16).
constexpr UINT kSolutionMenuCommand = 0x0010;

}  // namespace

CalculatorWindow::CalculatorWindow(HINSTANCE instance, triangle::NumberFormat format)
    : presenter_(*this, std::move(format), controller::Presenter::SolutionWindowKey::kMentioned) {
  INITCOMMONCONTROLSEX common_controls{sizeof common_controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common_controls);
  // Once for the process; the window paints its own background.
  static const bool registered = RegisterWindowClass(
      instance, {.name = kWindowClass, .procedure = &CalculatorWindow::Procedure});
  if (!registered) {
    throw std::runtime_error("the window class could not be registered");
  }
  window_brush_ = CreateSolidBrush(ToColorRef(design::kWindowBackground));
  for (std::size_t row = 0; row < design::kControls.size(); ++row) {
    const auto& background = design::kControls[row].background;
    if (background) brushes_[row] = CreateSolidBrush(ToColorRef(*background));
  }
  // Created at its size for the system's resolution, the controls in place with their font:
  // laid out once. Windows may then put it on a monitor of another resolution.
  dpi_ = WindowDpi(nullptr);
  font_ = CreateDesignFont(dpi_);
  const SIZE outer = OuterSize(ClientSize(), kWindowStyle, 0, dpi_);
  window_ = CreateWindowExW(0, kWindowClass, Widen(design::texts::kWindowTitle).c_str(),
                            kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy, nullptr,
                            nullptr, instance, this);
  if (window_ == nullptr) {
    Release();
    throw std::runtime_error("the window could not be created");
  }
  try {
    CreateControls(instance);
  } catch (...) {
    // No destructor runs for a constructor that throws: the window and the controls made so
    // far, which point at this object, go now, before the caller's message box runs a loop.
    Release();
    throw;
  }
  if (const HMENU system_menu = GetSystemMenu(window_, FALSE); system_menu != nullptr) {
    AppendMenuW(system_menu, MF_SEPARATOR, 0, nullptr);
    // A menu item's tab puts the key on the right.
    AppendMenuW(system_menu, MF_STRING, kSolutionMenuCommand,
                (Widen(design::texts::kSolutionWindowTitle) + L'\t' +
                 Widen(design::texts::kSolutionWindowKeyName))
                    .c_str());
  }
  if (const UINT dpi = WindowDpi(window_); dpi != dpi_) LayOut(dpi);
}

CalculatorWindow::~CalculatorWindow() { Release(); }

void CalculatorWindow::Release() {
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);  // no more messages reach this object
    DestroyWindow(window_);
    window_ = nullptr;
  }
  if (font_ != nullptr) DeleteObject(font_);
  font_ = nullptr;
  for (HBRUSH& brush : brushes_) {
    if (brush != nullptr) DeleteObject(brush);
    brush = nullptr;
  }
  if (window_brush_ != nullptr) DeleteObject(window_brush_);
  window_brush_ = nullptr;
}

void CalculatorWindow::Load() {
  Draw(presenter_.OnLoad());
  // Given the focus when the window is activated. Focusing it now would activate the hidden
  // window once before it is shown.
  focus_when_deactivated_ = info_fields_[0];
  if (IsWindowVisible(window_)) SetFocus(info_fields_[0]);
}

void CalculatorWindow::ShowCentred(int show_command) {
  RECT window_rect{};
  GetWindowRect(window_, &window_rect);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& area = monitor.rcWork;
  const int width = window_rect.right - window_rect.left;
  const int height = window_rect.bottom - window_rect.top;
  SetWindowPos(window_, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Painted from the message loop, as every window is: painting here first would keep the
  // window from being mapped until it is done.
  ShowWindow(window_, show_command);
}

std::string CalculatorWindow::FieldText(triangle::QuantityIndex field) const {
  return Narrow(fields_.at(field).Text());
}

void CalculatorWindow::SetFieldText(triangle::QuantityIndex field, std::string_view text) {
  setting_field_text_ = true;
  fields_.at(field).SetText(Widen(text));
  setting_field_text_ = false;
  UpdateFieldTip(field);
  KeepFocusOnAControl(field);
}

// A disabled edit control would grey its text out and refuse selection: "disabled" is
// read-only.
void CalculatorWindow::SetFieldEnabled(triangle::QuantityIndex field, bool enabled) {
  fields_.at(field).SetEditable(enabled);
  KeepFocusOnAControl(field);
}

void CalculatorWindow::SetFieldMaxLength(triangle::QuantityIndex field, int max_length) {
  // The limit applies to typing and pasting only; set texts may be longer.
  fields_.at(field).SetLengthLimit(max_length);
}

void CalculatorWindow::ShowLockedFieldHint(triangle::QuantityIndex field) {
  if (!presenter_.LockedFieldHintApplies()) return;
  locked_hint_.Show(window_, fields_.at(field).Handle(), Widen(design::LockedFieldHint()), font_,
                    dpi_, annotations_);
}

void CalculatorWindow::HideNotices() {
  locked_hint_.Hide();
  reading_notice_.Hide();
}

void CalculatorWindow::KeepFocusOnAControl(triangle::QuantityIndex field) {
  const QuantityField& control = fields_.at(field);
  if (GetFocus() == control.Handle() && !control.TakesFocus()) SetFocus(options_.at(field));
}

void CalculatorWindow::Draw(const controller::Presentation& shown) {
  DrawTeaching(shown);
  HideNotices();
  if (shown.reading_notice) {
    reading_notice_.Show(window_, fields_.at(shown.reading_notice->field).Handle(),
                         Widen(shown.reading_notice->text), font_, dpi_, annotations_);
  }
  // The window stays as the behaviour left it, so the user can correct the value and go on.
  if (!shown.failure.empty()) ReportFailure(shown.failure);
}

void CalculatorWindow::DrawTeaching(const controller::Presentation& shown) {
  if (shown.teaching_revision == drawn_teaching_) return;
  drawn_teaching_ = shown.teaching_revision;
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    explanations_.at(k) = shown.explanations.at(k);
    UpdateFieldTip(k);
  }
  // The solution window, once open, follows the fields.
  solution_window_.Follow(shown);
}

// The unit is the presenter's: the solution window shows what it makes of the choice.
void CalculatorWindow::OnUnitChosen(int index) { DrawTeaching(presenter_.OnUnitChoice(index)); }

void CalculatorWindow::OpenSolutionWindow() {
  if (!solution_window_.IsCreated()) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    if (!solution_window_.Create(instance, window_, dpi_)) return;
    solution_window_.OnUnitChosen([this](int index) { OnUnitChosen(index); });
    solution_window_.Follow(presenter_.Shown());
  }
  solution_window_.Open();
}

LRESULT CALLBACK CalculatorWindow::Procedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  return ForwardToOwner(window, message, wparam, lparam, &CalculatorWindow::window_,
                        &CalculatorWindow::Handle);
}

// `window` is window_ until WM_NCDESTROY, the last message, clears it.
LRESULT CalculatorWindow::Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(window_, &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client, window_brush_);
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return ControlColour(message, wparam, lparam);
    case WM_CTLCOLOREDIT: {
      // Wine's edit control may ask so for a field that was editable and is read-only now.
      const auto control = reinterpret_cast<HWND>(lparam);
      const std::size_t row = RowOf(control);
      if (row < design::kControls.size() &&
          design::kControls[row].kind == design::ControlKind::kQuantityField &&
          (GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0) {
        return ControlColour(WM_CTLCOLORSTATIC, wparam, lparam);
      }
      break;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (reading_notice_.Draw(item) || locked_hint_.Draw(item)) return TRUE;
      const std::size_t row = RowOf(item.hwndItem);
      if (item.CtlType != ODT_BUTTON || row >= design::kControls.size()) break;
      const auto& background = design::kControls[row].background;
      DrawCommandButton(item, background ? ToColorRef(*background) : GetSysColor(COLOR_BTNFACE),
                        font_);
      return TRUE;
    }
    case WM_SETCURSOR:
      // The mouse is over the window: its tooltips must be ready.
      EnsureHoverTips();
      break;
    case WM_COMMAND:
      if (lparam != 0) OnCommand(reinterpret_cast<HWND>(lparam), HIWORD(wparam));
      return 0;
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == kSolutionMenuCommand) {
        OpenSolutionWindow();
        return 0;
      }
      break;
    case WM_ACTIVATE:
      // Windows does not keep a plain window's focused control: the dialog keyboard needs it.
      if (LOWORD(wparam) == WA_INACTIVE) {
        focus_when_deactivated_ = GetFocus();
      } else if (focus_when_deactivated_ != nullptr && IsWindowEnabled(focus_when_deactivated_)) {
        SetFocus(focus_when_deactivated_);
        return 0;
      }
      break;
    case kDpiChangedMessage: {
      LayOut(HIWORD(wparam));
      const auto& suggested = *reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      if (quit_when_closed_) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      // The controls are gone and no more messages come: the object no longer has a window.
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

std::size_t CalculatorWindow::RowOf(HWND control) const {
  for (std::size_t row = 0; row < controls_.size(); ++row) {
    if (controls_[row] == control) return row;
  }
  return controls_.size();
}

void CalculatorWindow::OnCommand(HWND control, WORD notification) {
  const std::size_t row = RowOf(control);
  if (row >= design::kControls.size()) return;
  const design::Control& layout = design::kControls[row];
  if (notification == EN_CHANGE && layout.kind == design::ControlKind::kQuantityField) {
    UpdateFieldTip(static_cast<triangle::QuantityIndex>(layout.index));  // typed or pasted
    if (!setting_field_text_) HideNotices();
    return;
  }
  if (notification != BN_CLICKED && notification != BN_DOUBLECLICKED) return;
  if (layout.kind == design::ControlKind::kOption) {
    if (control != option_acted_on_) {  // checked by the focus arriving, not by the user
      ShowChosenOption();
      return;
    }
    const auto index = static_cast<triangle::QuantityIndex>(layout.index);
    OnOptionChosen(index);
    // Chosen by the mouse or Space: ready for typing, the field's text selected so that what
    // is typed replaces it. The arrow keys keep the focus on the options so that they can go
    // on moving through them.
    if (!moving_between_options_) {
      QuantityField& field = fields_[static_cast<std::size_t>(index)];
      SetFocus(field.Handle());
      field.SelectWholeText();
    }
  } else if (layout.kind == design::ControlKind::kCommandButton) {
    OnCommandClicked(layout.index);
  }
}

void CalculatorWindow::OnCommandClicked(int index) { Draw(presenter_.OnCommandClick(index)); }

void CalculatorWindow::ReportFailure(std::string_view message) const {
  MessageBoxW(window_, WithWindowsLineBreaks(Widen(message)).c_str(),
              Widen(design::texts::kFailureTitle).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace win32_ui
