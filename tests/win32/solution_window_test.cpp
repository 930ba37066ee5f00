// The solution window under Wine: beside the calculator where the monitor has room, laid out
// as design lays it out at any size and resolution, with the choice of unit and the spoken
// lines for screen readers.
#include "win32/solution_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "design/calculation_values.h"
#include "design/solution_window_layout.h"
#include "design/texts.h"
#include "win32/calculator_window.h"
#include "win32/wide_text.h"

namespace win32_ui {
namespace {

std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

void SetKeyDown(int key, bool down) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[key] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

MSG KeyDown(HWND target, WPARAM key) { return MSG{target, WM_KEYDOWN, key, 1, 0, {0, 0}}; }

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

RECT WorkArea(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  return monitor.rcWork;
}

const triangle::NumberFormat kUsSettings{
    .decimal_separator = ".", .group_separator = ",", .group_sizes = {3}};

class SolutionWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<CalculatorWindow>(GetModuleHandleW(nullptr), kUsSettings);
    window_->Load();
    window_->ShowCentred(SW_SHOWNORMAL);
  }
  void Calculate(triangle::QuantityIndex measure, std::wstring_view value) {
    SendMessageW(window_->Option(measure), BM_CLICK, 0, 0);
    for (const wchar_t c : value) SendMessageW(window_->Field(measure), WM_CHAR, c, 0);
    SendMessageW(window_->CommandButton(0), BM_CLICK, 0, 0);
  }
  const SolutionWindow& Open() {
    window_->OpenSolutionWindow();
    return window_->Solution();
  }
  std::unique_ptr<CalculatorWindow> window_;
};

// Where the calculator stands on its monitor, as a share of the room around it, and at which
// resolution.
struct Spot {
  const char* name;
  double across;
  double down;
  UINT dpi;
};

class SolutionWindowPlacement : public SolutionWindowTest,
                                public testing::WithParamInterface<Spot> {};

// Run on Xvfb's 1024 x 768 and on 1920 x 1200; at 144 dots per inch the calculator is told it
// moved to a monitor of that resolution first. The side is worked out here from the room.
TEST_P(SolutionWindowPlacement, BesideTheCalculatorAndInsideTheWorkArea) {
  const Spot& spot = GetParam();
  const HWND calculator = window_->Handle();
  if (spot.dpi != USER_DEFAULT_SCREEN_DPI) {
    RECT suggested = WindowRect(calculator);
    SendMessageW(calculator, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(spot.dpi, spot.dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    ASSERT_EQ(window_->Dpi(), spot.dpi);
  }
  const RECT work = WorkArea(calculator);
  RECT outer = WindowRect(calculator);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  SetWindowPos(calculator, nullptr,
               work.left + static_cast<int>(spot.across * (work.right - work.left - width)),
               work.top + static_cast<int>(spot.down * (work.bottom - work.top - height)), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const RECT calc = WindowRect(calculator);
  Calculate(triangle::kArea, L"12");
  const SolutionWindow& solution = Open();
  EXPECT_EQ(solution.Dpi(), spot.dpi);
  const RECT placed = WindowRect(solution.Handle());
  SCOPED_TRACE(testing::Message() << "work area " << work.right - work.left << "x"
                                  << work.bottom - work.top << ", calculator " << calc.left << ","
                                  << calc.top << "-" << calc.right << "," << calc.bottom
                                  << ", solution " << placed.left << "," << placed.top << "-"
                                  << placed.right << "," << placed.bottom);
  EXPECT_GE(placed.left, work.left);
  EXPECT_GE(placed.top, work.top);
  EXPECT_LE(placed.right, work.right);
  EXPECT_LE(placed.bottom, work.bottom);

  // The smallest outer size: the smallest client area and the frame around it.
  RECT client{};
  GetClientRect(solution.Handle(), &client);
  const design::PixelSize smallest_client =
      design::SolutionWindowSmallestSize(static_cast<int>(spot.dpi));
  const int smallest_width = smallest_client.width + (placed.right - placed.left) - client.right;
  const int smallest_height = smallest_client.height + (placed.bottom - placed.top) - client.bottom;
  const int gap = MulDiv(design::kSolutionWindowGap, static_cast<int>(spot.dpi), 96);
  if (work.right - calc.right - gap >= smallest_width) {
    EXPECT_GE(placed.left, calc.right + gap) << "right of it";
  } else if (calc.left - gap - work.left >= smallest_width) {
    EXPECT_LE(placed.right, calc.left - gap) << "left of it";
  } else if (work.bottom - calc.bottom - gap >= smallest_height) {
    EXPECT_GE(placed.top, calc.bottom + gap) << "below it";
  } else if (calc.top - gap - work.top >= smallest_height) {
    EXPECT_LE(placed.bottom, calc.top - gap) << "above it";
  } else {
    EXPECT_TRUE(placed.right - placed.left ==
                    std::min(smallest_width, static_cast<int>(work.right - work.left)) ||
                placed.bottom - placed.top ==
                    std::min(smallest_height, static_cast<int>(work.bottom - work.top)));
  }
  const design::PixelSize start = design::SolutionWindowStartSize(static_cast<int>(spot.dpi));
  EXPECT_LE(client.right, start.width);
  EXPECT_LE(client.bottom, start.height);
  // It can be made no smaller than that, or than the work area where that does not fit.
  MINMAXINFO limits{};
  SendMessageW(solution.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize.x,
            std::min(smallest_width, static_cast<int>(work.right - work.left)));
  EXPECT_EQ(limits.ptMinTrackSize.y,
            std::min(smallest_height, static_cast<int>(work.bottom - work.top)));
}

INSTANTIATE_TEST_SUITE_P(Spots, SolutionWindowPlacement,
                         testing::Values(Spot{"TopLeft", 0, 0, 96}, Spot{"Centre", 0.5, 0.5, 96},
                                         Spot{"RightEdge", 1, 0.2, 96},
                                         Spot{"TopMiddle", 0.5, 0, 96},
                                         Spot{"TopLeftAt144", 0, 0, 144},
                                         Spot{"RightEdgeAt144", 1, 0.2, 144},
                                         Spot{"CentreAt144", 0.5, 0.5, 144}),
                         [](const testing::TestParamInfo<Spot>& spot) { return spot.param.name; });

// Its inside as design lays it out, at its smallest, on opening and large: the solution's font
// grows with the window, and no line is ever wrapped.
TEST_F(SolutionWindowTest, LaidOutAsDesignedAtEverySize) {
  Calculate(triangle::kArea, L"1234");
  const SolutionWindow& solution = Open();
  const HWND text = solution.SolutionText();
  EXPECT_NE(GetWindowLongW(text, GWL_STYLE) & ES_AUTOHSCROLL, 0) << "no wrapping";
  LONG previous_height = -16;
  for (const design::PixelSize size :
       {design::SolutionWindowSmallestSize(), design::PixelSize{1000, 700}}) {
    SCOPED_TRACE(size.width);
    RECT outer{0, 0, size.width, size.height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongW(solution.Handle(), GWL_STYLE)),
                       FALSE, 0);
    SetWindowPos(solution.Handle(), nullptr, 0, 0, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(solution.Handle(), &client);
    ASSERT_EQ(client.right, size.width);
    ASSERT_EQ(client.bottom, size.height);
    const design::SolutionWindowLayout layout = design::LayOutSolutionWindow(size);
    RECT shown = WindowRect(text);
    MapWindowPoints(nullptr, solution.Handle(), reinterpret_cast<POINT*>(&shown), 2);
    EXPECT_EQ(shown.left, layout.text.left);
    EXPECT_EQ(shown.top, layout.text.top);
    EXPECT_EQ(shown.right - shown.left, layout.text.width);
    EXPECT_EQ(shown.bottom - shown.top, layout.text.height);
    RECT figure = WindowRect(solution.Figure());
    EXPECT_EQ(figure.right - figure.left, layout.figure.width);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)), sizeof font, &font);
    // As large as the solution's own longest line lets it be, never larger than the longest
    // any solution has allows, never below 12 points.
    EXPECT_GE(font.lfHeight, -layout.text_pixels);
    EXPECT_LE(font.lfHeight, -16);
    // No smaller than at the smaller size (the area's long lines keep it small on Xvfb's screen).
    EXPECT_LE(font.lfHeight, previous_height);
    previous_height = font.lfHeight;
    // Six lines and the empty one after the last line break: none wrapped.
    EXPECT_EQ(SendMessageW(text, EM_GETLINECOUNT, 0, 0), 7);
  }
}

// Before a calculation the notice where the solution goes stands in short lines, as the text
// never wraps.
TEST_F(SolutionWindowTest, TheNoticeStandsInShortLines) {
  const SolutionWindow& solution = Open();
  EXPECT_EQ(SendMessageW(solution.SolutionText(), EM_GETLINECOUNT, 0, 0), 3);
  std::wstring joined = TextOf(solution.SolutionText());
  for (std::size_t at = joined.find(L"\r\n"); at != std::wstring::npos; at = joined.find(L"\r\n"))
    joined.replace(at, 2, L" ");
  EXPECT_EQ(Narrow(joined), design::texts::kNoSolutionYet);
}

// The choice of unit: none first, then мм, см, дм, м, км; choosing one writes the solution
// with it; it stays chosen after closing and another calculation.
TEST_F(SolutionWindowTest, TheUnitChosenGoesIntoTheSolution) {
  Calculate(triangle::kSide, L"10");
  const SolutionWindow& solution = Open();
  const HWND units = solution.UnitChoice();
  EXPECT_NE(GetWindowLongW(units, GWL_STYLE) & CBS_DROPDOWNLIST, 0);
  ASSERT_EQ(SendMessageW(units, CB_GETCOUNT, 0, 0), design::kLengthUnitCount);
  for (int k = 0; k < design::kLengthUnitCount; ++k) {
    wchar_t item[64] = {};
    SendMessageW(units, CB_GETLBTEXT, static_cast<WPARAM>(k), reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(Narrow(item), k == 0 ? design::texts::kNoUnitName
                                   : design::texts::kUnitNames.at(static_cast<std::size_t>(k)));
  }
  EXPECT_EQ(SendMessageW(units, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(solution.Unit(), design::LengthUnit::kNone);
  // Its caption stands just before it, which names it for screen readers.
  EXPECT_EQ(Narrow(TextOf(GetWindow(units, GW_HWNDPREV))), design::texts::kUnitChoiceCaption);

  // Chosen as a user chooses it: the list notifies the window.
  SendMessageW(units, CB_SETCURSEL, 2, 0);
  SendMessageW(solution.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(units), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(units));
  EXPECT_EQ(solution.Unit(), design::LengthUnit::kCentimetre);
  std::wstring expected;
  for (const design::SolutionLine& line : design::SolutionSteps(
           triangle::kSide, design::test_support::Calculation(triangle::kSide, 10), kUsSettings,
           design::LengthUnit::kCentimetre)) {
    expected += Widen(line.text) + L"\r\n";
  }
  EXPECT_EQ(TextOf(solution.SolutionText()), expected);
  EXPECT_EQ(solution.WholeSolution(), expected);
  EXPECT_NE(expected.find(L"25√3 см²"), std::wstring::npos) << Narrow(expected);

  SendMessageW(solution.Handle(), WM_CLOSE, 0, 0);
  SendMessageW(window_->CommandButton(1), BM_CLICK, 0, 0);
  Calculate(triangle::kSide, L"3");
  Open();
  EXPECT_EQ(SendMessageW(units, CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(solution.Unit(), design::LengthUnit::kCentimetre);
}

// The spoken lines are the solution's accessible description (dynamic annotation, which Wine
// does not implement: here what the window hands it); the text shown stays the written one.
TEST_F(SolutionWindowTest, TheSpokenLinesDescribeTheSolution) {
  Calculate(triangle::kArea, L"12");
  const SolutionWindow& solution = Open();
  std::wstring spoken;
  std::wstring written;
  for (const design::SolutionLine& line : design::SolutionSteps(
           triangle::kArea, design::test_support::Calculation(triangle::kArea, 12), kUsSettings)) {
    spoken += (spoken.empty() ? L"" : L"\r\n") + Widen(line.spoken);
    written += Widen(line.text) + L"\r\n";
  }
  EXPECT_EQ(solution.SpokenSolution(), spoken);
  EXPECT_EQ(TextOf(solution.SolutionText()), written);
  SendMessageW(window_->Option(triangle::kSide), BM_CLICK, 0, 0);  // no solution: nothing
  EXPECT_TRUE(solution.SpokenSolution().empty());
}

// Tab between the solution and the figure, Shift+Tab between the solution and the unit.
TEST_F(SolutionWindowTest, ShiftTabReachesTheUnitChoice) {
  Calculate(triangle::kSide, L"2");
  const SolutionWindow& solution = Open();
  SetFocus(solution.SolutionText());
  SetKeyDown(VK_SHIFT, true);
  MSG key = KeyDown(solution.SolutionText(), VK_TAB);
  EXPECT_TRUE(window_->HandleKeyboardMessage(key));
  EXPECT_EQ(GetFocus(), solution.UnitChoice());
  key = KeyDown(solution.UnitChoice(), VK_TAB);
  EXPECT_TRUE(window_->HandleKeyboardMessage(key));
  SetKeyDown(VK_SHIFT, false);
  EXPECT_EQ(GetFocus(), solution.SolutionText());
  key = KeyDown(solution.SolutionText(), VK_TAB);
  EXPECT_TRUE(window_->HandleKeyboardMessage(key));
  EXPECT_EQ(GetFocus(), solution.Figure());
}

}  // namespace
}  // namespace win32_ui
