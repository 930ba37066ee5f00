#include "win32/solution_window.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "design/solution.h"
#include "design/solution_window_layout.h"
#include "design/solution_window_placement.h"
#include "design/texts.h"
#include "design/window_design.h"
#include "win32/buffered_paint.h"
#include "win32/clipboard.h"
#include "win32/dpi.h"
#include "win32/figure_painter.h"
#include "win32/font_fallback.h"
#include "win32/gdi_helpers.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace win32_ui {
namespace {

constexpr wchar_t kWindowClass[] = L"EquilateralTriangleSolution";
constexpr wchar_t kFigureClass[] = L"EquilateralTriangleFigure";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// The drop-down list's height beyond its box: room for every unit.
constexpr int kUnitListHeight = 160;

SIZE Outer(design::PixelSize client, UINT dpi) {
  return OuterSize({client.width, client.height}, kWindowStyle, 0, dpi);
}

// The outer size of `window` were its client area `client`: with the frame it has now, which
// Wine draws at the system's resolution whatever the window's.
design::PixelSize Framed(HWND window, design::PixelSize client) {
  RECT outer{};
  RECT inner{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &inner);
  return {client.width + (outer.right - outer.left) - inner.right,
          client.height + (outer.bottom - outer.top) - inner.bottom};
}

design::PixelRect ToPixelRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void Place(HWND control, const design::PixelRect& rect, int extra_height = 0) {
  MoveWindow(control, rect.left, rect.top, rect.width, rect.height + extra_height, TRUE);
}

// The work area of the monitor `window` is on (the whole screen where it cannot be had).
RECT WorkAreaOf(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return monitor.rcWork;
  }
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// The widest of the lines of `text` in `family`, in ems.
double LongestLineEms(const std::wstring& family, std::wstring_view text) {
  constexpr int kMeasuredPixels = 100;
  const HFONT font = CreateSolutionFont(family, kMeasuredPixels);
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, font);
  LONG widest = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L"\r\n", start);
    if (end == std::wstring_view::npos) end = text.size();
    SIZE extent{};
    if (end > start &&
        GetTextExtentPoint32W(dc, text.data() + start, static_cast<int>(end - start), &extent)) {
      widest = std::max(widest, extent.cx);
    }
    start = end + 2;
  }
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return static_cast<double>(widest) / kMeasuredPixels;
}

bool RegisterClasses(HINSTANCE instance, WNDPROC window_procedure, WNDPROC figure_procedure) {
  static const bool registered =
      RegisterWindowClass(instance, {.name = kWindowClass,
                                     .procedure = window_procedure,
                                     .background = GetSysColorBrush(COLOR_BTNFACE)}) &&
      RegisterWindowClass(
          instance, {.name = kFigureClass, .procedure = figure_procedure, .program_icon = false});
  return registered;
}

}  // namespace

SolutionWindow::~SolutionWindow() {
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  if (text_font_ != nullptr) DeleteObject(text_font_);
  if (control_font_ != nullptr) DeleteObject(control_font_);
}

bool SolutionWindow::Create(HINSTANCE instance, HWND owner, UINT dpi) {
  if (window_ != nullptr) return true;
  if (!RegisterClasses(instance, &SolutionWindow::Procedure, &SolutionWindow::FigureProcedure)) {
    return false;
  }
  owner_ = owner;
  dpi_ = dpi;
  const SIZE outer = Outer(design::SolutionWindowStartSize(static_cast<int>(dpi_)), dpi_);
  CreateWindowExW(0, kWindowClass, Widen(design::texts::kSolutionWindowTitle).c_str(), kWindowStyle,
                  CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy, owner, nullptr, instance, this);
  if (window_ == nullptr) return false;
  // A focusable figure whose window text is its text alternative, which screen readers read.
  figure_ = CreateWindowExW(0, kFigureClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0,
                            window_, nullptr, instance, this);
  // The choice of unit, named after its caption, which stands just before it.
  unit_caption_ = CreateWindowExW(0, L"STATIC", Widen(design::texts::kUnitChoiceCaption).c_str(),
                                  WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_CENTERIMAGE, 0, 0, 0, 0,
                                  window_, nullptr, instance, nullptr);
  unit_choice_ = CreateWindowExW(0, L"COMBOBOX", L"",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                 0, 0, 0, 0, window_, nullptr, instance, nullptr);
  if (unit_choice_ != nullptr) {
    SendMessageW(unit_choice_, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(Widen(design::texts::kNoUnitName).c_str()));
    for (std::size_t k = 1; k < design::texts::kUnitNames.size(); ++k) {
      SendMessageW(unit_choice_, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(Widen(design::texts::kUnitNames.at(k)).c_str()));
    }
    SendMessageW(unit_choice_, CB_SETCURSEL, 0, 0);
  }
  // Screen readers name an edit control after the static text just before it.
  CreateWindowExW(0, L"STATIC", Widen(design::texts::kSolutionTextName).c_str(),
                  WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0, window_, nullptr, instance, nullptr);
  // A formula is never broken: a line wider than the solution scrolls sideways.
  text_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL |
                              ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                          0, 0, 0, 0, window_, nullptr, instance, nullptr);
  if (figure_ == nullptr || text_ == nullptr || unit_caption_ == nullptr ||
      unit_choice_ == nullptr) {
    DestroyWindow(window_);
    return false;
  }
  text_family_ = Widen(design::kFont.family);
  SetDpi(dpi_);
  return true;
}

void SolutionWindow::Follow(const controller::Presentation& shown) {
  // What is shown and copied, and what screen readers say of it, a line each; the spoken
  // lines are joined without a break after the last.
  solution_ = WithWindowsLineBreaks(Widen(shown.solution_text));
  std::string_view spoken = shown.spoken_solution;
  if (!spoken.empty() && spoken.back() == '\n') spoken.remove_suffix(1);
  spoken_ = WithWindowsLineBreaks(Widen(spoken));
  figure_description_ = shown.figure;
  unit_ = shown.unit;
  if (unit_choice_ != nullptr &&
      SendMessageW(unit_choice_, CB_GETCURSEL, 0, 0) != static_cast<LRESULT>(unit_)) {
    SendMessageW(unit_choice_, CB_SETCURSEL, static_cast<WPARAM>(unit_), 0);
  }
  ShowCalculation();
}

void SolutionWindow::ShowCalculation() {
  if (window_ == nullptr) return;
  const std::wstring shown = solution_.empty() ? WithWindowsLineBreaks(Widen(design::BrokenAtSpaces(
                                                     design::texts::kNoSolutionYet, "\n")))
                                               : solution_;
  if (const std::wstring family = FamilyFor(shown); family != text_family_) {
    text_family_ = family;
    SetDpi(dpi_);
  }
  SetWindowTextW(text_, shown.c_str());
  // With room for the vertical scroll bar, which the control always shows, and a tenth more:
  // Wine draws some of the signs wider than GDI measures them.
  line_ems_ = solution_.empty() ? 0 : LongestLineEms(text_family_, solution_) * 1.1 + 1;
  LayOut();
  // Through dynamic annotation, as the calculator's controls; Wine does not implement it.
  annotations_.SetDescription(text_, spoken_.empty() ? nullptr : spoken_.c_str());
  SetWindowTextW(figure_, Widen(figure_description_.description).c_str());
  InvalidateRect(figure_, nullptr, FALSE);
}

void SolutionWindow::Open() {
  if (window_ == nullptr) return;
  if (!placed_ && owner_ != nullptr) {
    // Beside the calculator where its monitor's work area has room, at the start size or what
    // fits there.
    RECT owner{};
    GetWindowRect(owner_, &owner);
    const design::PixelRect placed = design::PlaceSolutionWindow(
        ToPixelRect(owner), ToPixelRect(WorkAreaOf(owner_)),
        Framed(window_, design::SolutionWindowStartSize(static_cast<int>(dpi_))),
        Framed(window_, design::SolutionWindowSmallestSize(static_cast<int>(dpi_))),
        Scaled(design::kSolutionWindowGap, dpi_));
    SetWindowPos(window_, nullptr, placed.left, placed.top, placed.width, placed.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    placed_ = true;
  }
  ShowWindow(window_, SW_SHOWNORMAL);
  SetForegroundWindow(window_);
  SetFocus(text_);
}

bool SolutionWindow::HandleKeyboardMessage(MSG& message) {
  if (window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
    return false;
  }
  if (message.message != WM_KEYDOWN || IsKeyDown(VK_MENU)) return false;
  const HWND focus = GetFocus();
  switch (message.wParam) {
    case VK_TAB:
      if (IsKeyDown(VK_CONTROL)) return false;
      // From the solution, Tab to the figure and Shift+Tab to the choice of unit; back again.
      SetFocus(focus != text_ ? text_ : IsKeyDown(VK_SHIFT) ? unit_choice_ : figure_);
      return true;
    case VK_ESCAPE:
      ShowWindow(window_, SW_HIDE);
      return true;
    case 'C': {
      if (!IsKeyDown(VK_CONTROL) || IsKeyDown(VK_SHIFT)) return false;
      DWORD start = 0;
      DWORD end = 0;
      if (focus == text_) {
        SendMessageW(text_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
      }
      if (start != end) return false;  // the edit control copies what is selected
      CopySolution();
      return true;
    }
    default:
      return false;
  }
}

void SolutionWindow::CopySolution() const { CopyToClipboard(window_, solution_); }

void SolutionWindow::SetDpi(UINT dpi) {
  dpi_ = dpi;
  const HFONT font = CreateDesignFont(dpi);
  SendMessageW(unit_caption_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SendMessageW(unit_choice_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (control_font_ != nullptr) DeleteObject(control_font_);
  control_font_ = font;
  text_pixels_ = 0;  // made again at the new resolution
  LayOut();
}

void SolutionWindow::SetTextPixels(int pixels) {
  if (pixels == text_pixels_) return;
  text_pixels_ = pixels;
  const HFONT font = CreateSolutionFont(text_family_, pixels);
  SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (text_font_ != nullptr) DeleteObject(text_font_);
  text_font_ = font;
}

// As design lays the window out at its size and resolution; the text grows with the figure.
void SolutionWindow::LayOut() {
  if (figure_ == nullptr || text_ == nullptr || unit_choice_ == nullptr) return;
  RECT client{};
  GetClientRect(window_, &client);
  const design::SolutionWindowLayout layout =
      line_ems_ > 0
          ? design::LayOutSolutionWindow({client.right, client.bottom}, static_cast<int>(dpi_),
                                         line_ems_)
          : design::LayOutSolutionWindow({client.right, client.bottom}, static_cast<int>(dpi_));
  Place(figure_, layout.figure);
  Place(unit_caption_, layout.unit_caption);
  Place(unit_choice_, layout.unit_choice, Scaled(kUnitListHeight, dpi_));
  Place(text_, layout.text);
  SetTextPixels(layout.text_pixels);
}

void SolutionWindow::PaintFigure() {
  PaintBuffered(figure_, [this](HDC dc, const RECT& area) {
    DrawFigure(dc, area, figure_description_);
    if (GetFocus() == figure_) DrawFocusRect(dc, &area);
  });
}

LRESULT CALLBACK SolutionWindow::Procedure(HWND window, UINT message, WPARAM wparam,
                                           LPARAM lparam) {
  return ForwardToOwner(window, message, wparam, lparam, &SolutionWindow::window_,
                        &SolutionWindow::HandleMessage);
}

LRESULT CALLBACK SolutionWindow::FigureProcedure(HWND figure, UINT message, WPARAM wparam,
                                                 LPARAM lparam) {
  auto* self = OwnerOf<SolutionWindow>(figure, message, lparam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted whole
    case WM_PAINT:
      if (self != nullptr && self->figure_ == figure) {
        self->PaintFigure();
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(figure, nullptr, FALSE);  // the focus rectangle
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(figure);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(figure, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(figure, message, wparam, lparam);
}

LRESULT SolutionWindow::HandleMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      LayOut();
      return 0;
    case WM_GETMINMAXINFO: {
      // Its smallest readable size, or its monitor's work area where even that does not fit.
      const design::PixelSize smallest =
          Framed(window, design::SolutionWindowSmallestSize(static_cast<int>(dpi_)));
      const RECT work = WorkAreaOf(window);
      auto& limits = *reinterpret_cast<MINMAXINFO*>(lparam);
      limits.ptMinTrackSize = {std::min(smallest.width, static_cast<int>(work.right - work.left)),
                               std::min(smallest.height, static_cast<int>(work.bottom - work.top))};
      return 0;
    }
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lparam) == unit_choice_ && unit_choice_ != nullptr &&
          HIWORD(wparam) == CBN_SELCHANGE) {
        const auto chosen = static_cast<int>(SendMessageW(unit_choice_, CB_GETCURSEL, 0, 0));
        if (chosen >= 0 && on_unit_chosen_) on_unit_chosen_(chosen);
        return 0;
      }
      break;
    case WM_CTLCOLORSTATIC:
      // The read-only solution on the white of a text field, at full contrast.
      if (reinterpret_cast<HWND>(lparam) == text_) {
        const auto dc = reinterpret_cast<HDC>(wparam);
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    case WM_ACTIVATE:
      // Windows does not keep a plain window's focused control: back where it was.
      if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus == figure_ || focus == text_) focus_when_deactivated_ = focus;
      } else if (text_ != nullptr) {
        SetFocus(focus_when_deactivated_ != nullptr ? focus_when_deactivated_ : text_);
        return 0;
      }
      break;
    case WM_CLOSE:
      ShowWindow(window, SW_HIDE);  // opened again with F1, as it was
      return 0;
    case kDpiChangedMessage: {
      SetDpi(HIWORD(wparam));
      const auto& suggested = *reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_ = nullptr;
      figure_ = nullptr;
      text_ = nullptr;
      unit_caption_ = nullptr;
      unit_choice_ = nullptr;
      focus_when_deactivated_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace win32_ui
