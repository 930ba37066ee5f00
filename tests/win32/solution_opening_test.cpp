// The real window under Wine: F1 opens the solution beside the calculator; the figure it
// draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "calculator_window_fixture.h"
#include "win32/figure_painter.h"
#include "win32/wide_text.h"

namespace win32_ui {
namespace {

// The rectangle of the window and of each of its controls, in screen pixels.
std::vector<RECT> Rectangles(const CalculatorWindow& window) {
  std::vector<RECT> rectangles(design::kControlCount + 1);
  GetWindowRect(window.Handle(), &rectangles[0]);
  for (std::size_t row = 0; row < design::kControlCount; ++row) {
    GetWindowRect(window.Control(row), &rectangles[row + 1]);
  }
  return rectangles;
}

bool SameRectangles(const std::vector<RECT>& left, const std::vector<RECT>& right) {
  return std::equal(left.begin(), left.end(), right.begin(), right.end(),
                    [](const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; });
}

// A number without the zeros that end its decimals: "9.0000" is "9", "2.5000" is "2.5".
std::wstring WithoutTrailingZeros(std::wstring number) {
  if (number.find(L'.') == std::wstring::npos) return number;
  while (number.ends_with(L'0')) number.pop_back();
  if (number.ends_with(L'.')) number.pop_back();
  return number;
}

// Each line of the solution ends in the value it leads to: the last word after "=" or "≈",
// the field's text, or the exact value that it is (without the field's trailing zeros).
std::set<std::wstring> ValuesTheLinesLeadTo(std::wstring_view solution) {
  std::set<std::wstring> values;
  std::size_t start = 0;
  while (start < solution.size()) {
    std::size_t end = solution.find(L"\r\n", start);
    if (end == std::wstring_view::npos) end = solution.size();
    const std::wstring_view line = solution.substr(start, end - start);
    if (!line.empty())
      values.emplace(WithoutTrailingZeros(std::wstring(line.substr(line.rfind(L' ') + 1))));
    start = end + 2;
  }
  return values;
}

// F1 opens, beside the unchanged calculator, a window of its own with the calculation's
// solution, whose numbers are the fields'; it follows the next calculation, the system menu
// opens it too, and Ctrl+C in it copies the whole solution.
TEST_F(CalculatorWindowTest, F1OpensTheSolutionWithTheFieldsNumbers) {
  const std::vector<RECT> designed = Rectangles(*window_);
  Enter(triangle::kArea, L"12");
  Click(window_->CommandButton(0));
  MSG key = KeyDown(window_->Field(triangle::kArea), VK_F1);
  EXPECT_TRUE(window_->HandleKeyboardMessage(key));
  const SolutionWindow& solution = window_->Solution();
  ASSERT_TRUE(solution.IsCreated());
  EXPECT_TRUE(IsWindowVisible(solution.Handle()));
  EXPECT_EQ(GetWindow(solution.Handle(), GW_OWNER), window_->Handle());
  EXPECT_TRUE(IsWindowEnabled(window_->Handle())) << "not modal";
  EXPECT_TRUE(SameRectangles(Rectangles(*window_), designed));

  const auto field_texts = [this] {
    std::set<std::wstring> texts;
    for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
      texts.insert(WithoutTrailingZeros(Field(k)));
    }
    return texts;
  };
  const std::wstring shown = TextOf(solution.SolutionText());
  EXPECT_EQ(ValuesTheLinesLeadTo(shown), field_texts());
  EXPECT_EQ(shown.rfind(L"Дадено: S = 12\r\n", 0), 0U) << Narrow(shown);

  Click(window_->CommandButton(1));  // cleared: the side's field would keep its result
  EXPECT_TRUE(solution.WholeSolution().empty());
  Enter(triangle::kSide, L"3");
  Click(window_->CommandButton(0));
  EXPECT_EQ(ValuesTheLinesLeadTo(TextOf(solution.SolutionText())), field_texts());

  // Tab goes round the figure, whose window text is its text alternative, and the solution.
  SetFocus(solution.SolutionText());  // the calculation above was typed in the calculator
  key = KeyDown(solution.SolutionText(), VK_TAB);
  EXPECT_TRUE(window_->HandleKeyboardMessage(key));
  EXPECT_EQ(GetFocus(), solution.Figure());
  EXPECT_NE(TextOf(solution.Figure()).find(Field(triangle::kPerimeter)), std::wstring::npos)
      << Narrow(TextOf(solution.Figure()));
  key = KeyDown(solution.Figure(), VK_TAB);
  EXPECT_TRUE(window_->HandleKeyboardMessage(key));
  EXPECT_EQ(GetFocus(), solution.SolutionText());

  // Ctrl+C with nothing selected in the solution: all of it.
  SetFocus(solution.SolutionText());
  SendMessageW(solution.SolutionText(), EM_SETSEL, 0, 0);
  SetKeyDown(VK_CONTROL, true);
  key = KeyDown(solution.SolutionText(), 'C');
  const bool copied = window_->HandleKeyboardMessage(key);
  SetKeyDown(VK_CONTROL, false);
  EXPECT_TRUE(copied);
  EXPECT_EQ(ClipboardText(), TextOf(solution.SolutionText()));

  // Closed, it comes back from the system menu.
  SendMessageW(solution.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(solution.Handle()));
  const HMENU menu = GetSystemMenu(window_->Handle(), FALSE);
  const int last = GetMenuItemCount(menu) - 1;
  wchar_t entry[64] = {};
  GetMenuStringW(menu, static_cast<UINT>(last), entry, 64, MF_BYPOSITION);
  EXPECT_STREQ(entry, L"Решение и чертеж\tF1");
  SendMessageW(window_->Handle(), WM_SYSCOMMAND, GetMenuItemID(menu, last), 0);
  EXPECT_TRUE(IsWindowVisible(solution.Handle()));
  EXPECT_TRUE(SameRectangles(Rectangles(*window_), designed));
}

// The figure fills what its window gives it, in GDI, with the given measure in its ink.
TEST(FigurePainter, DrawsTheGivenMeasureInItsInkAtAnySize) {
  const std::array<double, triangle::kQuantityCount> values = {3,
                                                               9,
                                                               3.897114317029974,
                                                               2.598076211353316,
                                                               2.598076211353316,
                                                               2.598076211353316,
                                                               1.7320508075688772,
                                                               0.8660254037844386};
  const design::Figure figure = design::DescribeFigure(triangle::kSide, values, kUsSettings);
  const auto given = std::find_if(figure.shapes.begin(), figure.shapes.end(),
                                  [](const design::FigureShape& shape) { return shape.given; });
  ASSERT_NE(given, figure.shapes.end());
  const COLORREF ink = RGB(given->ink.stroke.red, given->ink.stroke.green, given->ink.stroke.blue);
  for (const SIZE size : {SIZE{150, 210}, SIZE{600, 840}}) {
    SCOPED_TRACE(size.cx);
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    DrawFigure(dc, RECT{0, 0, size.cx, size.cy}, figure);
    int in_ink = 0;
    for (int y = 0; y < size.cy; y += 1) {
      for (int x = 0; x < size.cx; x += 1) in_ink += GetPixel(dc, x, y) == ink;
    }
    EXPECT_GT(in_ink, size.cx / 3) << "the side AB at least";
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
}

}  // namespace
}  // namespace win32_ui
