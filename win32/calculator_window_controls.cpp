// The calculator window's controls as the window's design lays them out: their classes and
// names, their places and font at the monitor's resolution, and their colours.
#include "win32/calculator_window.h"
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <stdexcept>
#include <string>

#include "design/pixels.h"
#include "design/texts.h"
#include "win32/dpi.h"
#include "win32/gdi_helpers.h"
#include "win32/wide_text.h"

namespace win32_ui {
namespace {

// Each control's identifier is this plus its row in the design.
constexpr int kFirstControlId = 100;

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

}  // namespace

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
        // Its length limit is the behaviour's, set by the load before the window shows.
        fields_.at(index).Attach(handle, refusal_hint_);
        fields_.at(index).OnLockedInput(
            [this, index] { ShowLockedFieldHint(static_cast<triangle::QuantityIndex>(index)); });
        break;
      case design::ControlKind::kCommandButton:
        buttons_.at(index) = handle;
        break;
      case design::ControlKind::kLabel:
        break;
    }
  }
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

}  // namespace win32_ui
