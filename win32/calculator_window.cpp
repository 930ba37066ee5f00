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
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace win32_ui {
namespace {

constexpr wchar_t kWindowClass[] = L"EquilateralTriangleCalculator";
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// The system menu's entry that opens the solution window (below 0xF000, a multiple of 16).
constexpr UINT kSolutionMenuCommand = 0x0010;
// Each control's identifier is this plus its row in the design.
constexpr int kFirstControlId = 100;
constexpr UINT_PTR kOptionSubclassId = 1;

COLORREF ToColorRef(const design::Rgb& colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD ex_style;
};

// Every control clips its siblings: the statement overlaps the saying and stays on top of it.
ControlClass ClassFor(const design::Control& control) {
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  switch (control.kind) {
    case design::ControlKind::kInfoField: {
      DWORD style = kChild | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
      if (control.vertical_scroll_bar) style |= WS_VSCROLL;
      return {L"EDIT", style, control.border ? DWORD{WS_EX_CLIENTEDGE} : DWORD{0}};
    }
    case design::ControlKind::kLabel:
      return {L"STATIC",
              kChild | SS_NOPREFIX | SS_CENTERIMAGE |
                  (control.alignment == design::Alignment::kCentre ? SS_CENTER : SS_LEFT),
              0};
    case design::ControlKind::kOption:
      // One group from the first option to the buttons, so that choosing one clears the others.
      return {L"BUTTON",
              kChild | WS_TABSTOP | BS_AUTORADIOBUTTON | (control.index == 0 ? WS_GROUP : 0), 0};
    case design::ControlKind::kQuantityField:
      // As the window starts: read-only and empty, so no Tab stop.
      return {L"EDIT", kChild | ES_AUTOHSCROLL | ES_READONLY, WS_EX_CLIENTEDGE};
    case design::ControlKind::kCommandButton:
      return {L"BUTTON", kChild | WS_TABSTOP | BS_OWNERDRAW | (control.index == 0 ? WS_GROUP : 0),
              0};
  }
  return {L"STATIC", kChild, 0};
}

// The name screen readers give a field, if it has one.
std::string_view AccessibleName(const design::Control& control) {
  const auto index = static_cast<std::size_t>(control.index);
  switch (control.kind) {
    case design::ControlKind::kInfoField:
      return design::texts::kInfoFieldNames.at(index);
    case design::ControlKind::kQuantityField:
      return design::texts::kMeasureNames.at(index);
    default:
      return {};
  }
}

// Screen readers name an edit control after the static text just before it in z-order, shown
// or not: a hidden one, created just before the field, carries its name.
void CreateNameLabel(HWND parent, std::string_view name, HINSTANCE instance) {
  CreateWindowExW(0, L"STATIC", Widen(name).c_str(), WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0, parent,
                  nullptr, instance, nullptr);
}


// What a user does to choose an option: a click (BM_CLICK is one too) or Space.
bool IsChoosingAction(UINT message, WPARAM wparam) {
  return message == WM_LBUTTONUP || message == WM_LBUTTONDBLCLK || message == BM_CLICK ||
         (message == WM_KEYUP && wparam == VK_SPACE);
}

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
                (Widen(design::texts::kSolutionWindowTitle) + L"\tF1").c_str());
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

void CalculatorWindow::CreateControls(HINSTANCE instance) {
  // Created in the design's order, which is the tab order and the order from top to bottom.
  for (std::size_t row = 0; row < design::kControls.size(); ++row) {
    const design::Control& control = design::kControls[row];
    const ControlClass control_class = ClassFor(control);
    const design::PixelRect rect = design::ToPixels(control.rect, static_cast<int>(dpi_));
    const std::wstring text = WithWindowsLineBreaks(Widen(control.text));
    // A multi-line field lays its text out again for each new font: it gets its text once it
    // has its font.
    const bool multi_line = control.kind == design::ControlKind::kInfoField;
    if (const std::string_view name = AccessibleName(control); !name.empty()) {
      CreateNameLabel(window_, name, instance);
    }
    const HWND handle = CreateWindowExW(
        control_class.ex_style, control_class.name, multi_line ? L"" : text.c_str(),
        control_class.style, rect.left, rect.top, rect.width, rect.height, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + static_cast<int>(row))),
        instance, nullptr);
    if (handle == nullptr) throw std::runtime_error("a control could not be created");
    controls_[row] = handle;
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (multi_line) SetWindowTextW(handle, text.c_str());
    const auto index = static_cast<std::size_t>(control.index);
    switch (control.kind) {
      case design::ControlKind::kInfoField:
        info_fields_.at(index) = handle;
        break;
      case design::ControlKind::kOption:
        options_.at(index) = handle;
        SetWindowSubclass(handle, &CalculatorWindow::OptionProcedure, kOptionSubclassId,
                          reinterpret_cast<DWORD_PTR>(this));
        break;
      case design::ControlKind::kQuantityField:
        fields_.at(index).Attach(handle, refusal_hint_);
        fields_.at(index).OnLockedInput(
            [this, index] { ShowLockedFieldHint(static_cast<triangle::QuantityIndex>(index)); });
        fields_.at(index).SetLengthLimit(controller::MainWindow::kInitialMaxLength);
        break;
      case design::ControlKind::kCommandButton:
        buttons_.at(index) = handle;
        break;
      case design::ControlKind::kLabel:
        break;
    }
  }
}

HFONT CalculatorWindow::CreateDesignFont(UINT dpi) {
  return CreateFontW(-MulDiv(design::kFont.points, static_cast<int>(dpi), 72), 0, 0, 0,
                     design::kFont.weight, FALSE, FALSE, FALSE,
                     static_cast<BYTE>(design::kFont.charset), OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                     Widen(design::kFont.family).c_str());
}

// Places every control at its rectangle and sizes the window for `dpi`, with the font at
// that resolution.
void CalculatorWindow::LayOut(UINT dpi) {
  dpi_ = dpi;
  const HFONT old_font = font_;
  const int dots = static_cast<int>(dpi);
  font_ = CreateDesignFont(dpi);
  for (std::size_t row = 0; row < design::kControls.size(); ++row) {
    const design::PixelRect rect = design::ToPixels(design::kControls[row].rect, dots);
    SetWindowPos(controls_[row], nullptr, rect.left, rect.top, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(controls_[row], WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  }
  hover_tips_.Fit(dpi, font_);
  if (old_font != nullptr) DeleteObject(old_font);
  reading_notice_.LayOut(font_, dpi);
  locked_hint_.LayOut(font_, dpi);
  // Which texts are cut may change with the font.
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) UpdateFieldTip(k);
  const SIZE client = ClientSize();
  SIZE outer = OuterSize(client, kWindowStyle, 0, dpi);
  SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The frame may not yet be the new resolution's (or, under Wine, never is): the client area
  // is made exact by the frame the window has.
  RECT shown{};
  GetClientRect(window_, &shown);
  if (shown.right != client.cx || shown.bottom != client.cy) {
    outer.cx += client.cx - shown.right;
    outer.cy += client.cy - shown.bottom;
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

SIZE CalculatorWindow::ClientSize() const {
  const design::PixelRect client = design::ToPixels(design::kClientArea, static_cast<int>(dpi_));
  return {client.width, client.height};
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

void CalculatorWindow::ClearOption(triangle::QuantityIndex option) {
  SendMessageW(options_.at(option), BM_SETCHECK, BST_UNCHECKED, 0);  // raises no click
  if (checked_option_ == option) checked_option_ = controller::MainWindow::kNoOption;
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
  locked_hint_.Show(window_, fields_.at(field).Handle(), Widen(design::LockedFieldHint()), font_,
                    dpi_, annotations_);
}

void CalculatorWindow::HideNotices() {
  locked_hint_.Hide();
  reading_notice_.Hide();
}

void CalculatorWindow::NameOptions() {
  options_named_ = true;
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    annotations_.SetName(options_.at(k), Widen(design::OptionAccessibleName(k)).c_str());
  }
}

void CalculatorWindow::KeepFocusOnAControl(triangle::QuantityIndex field) {
  const QuantityField& control = fields_.at(field);
  if (GetFocus() == control.Handle() && !control.TakesFocus()) SetFocus(options_.at(field));
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

void CalculatorWindow::EnsureHoverTips() {
  if (hover_tips_.IsCreated() || !hover_tips_.Create(window_, dpi_, font_)) return;
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    hover_tips_.SetText(
        options_.at(k),
        WithWindowsLineBreaks(Widen(design::WithSolutionWindowLine(design::OptionTooltip(k)))));
    hover_tips_.SetText(fields_.at(k).Handle(), FieldHoverText(k));
  }
}

std::wstring CalculatorWindow::FieldHoverText(triangle::QuantityIndex field) const {
  const QuantityField& control = fields_.at(field);
  std::wstring text = control.IsTextWiderThanField() ? control.Text() : std::wstring();
  const std::wstring& explanation = explanations_.at(field);
  if (!text.empty() && !explanation.empty()) text += L"\r\n";
  return text + explanation;
}

void CalculatorWindow::UpdateFieldTip(triangle::QuantityIndex field) {
  if (!hover_tips_.IsCreated()) {
    // Made now only if there is something to show.
    if (FieldHoverText(field).empty()) return;
    EnsureHoverTips();
    return;
  }
  hover_tips_.SetText(fields_.at(field).Handle(), FieldHoverText(field));
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
    explanations_.at(k) = WithWindowsLineBreaks(Widen(shown.explanations.at(k)));
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

// The label and the options in their design colour; the read-only statement and saying on the
// white of a text field, as the other editions show them; read-only results in black on grey.
LRESULT CalculatorWindow::ControlColour(UINT message, WPARAM wparam, LPARAM lparam) {
  const auto dc = reinterpret_cast<HDC>(wparam);
  const auto control = reinterpret_cast<HWND>(lparam);
  const std::size_t row = RowOf(control);
  if (row < brushes_.size() && brushes_[row] != nullptr) {
    SetBkColor(dc, ToColorRef(*design::kControls[row].background));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(brushes_[row]);
  }
  if (row < brushes_.size() && design::kControls[row].kind == design::ControlKind::kInfoField) {
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  // A read-only quantity field: the grey ground of a field that takes no typing, the text at
  // full contrast.
  if (row < brushes_.size() && design::kControls[row].kind == design::ControlKind::kQuantityField) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  return DefWindowProcW(window_, message, wparam, lparam);
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

// Also when the option is the chosen one: the presenter decides what choosing it again does.
void CalculatorWindow::OnOptionChosen(triangle::QuantityIndex index) {
  checked_option_ = index;
  Draw(presenter_.OnOptionChosen(index));
}

void CalculatorWindow::OnCommandClicked(int index) { Draw(presenter_.OnCommandClick(index)); }

void CalculatorWindow::ReportFailure(std::string_view message) const {
  MessageBoxW(window_, WithWindowsLineBreaks(Widen(message)).c_str(),
              Widen(design::texts::kFailureTitle).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace win32_ui
