// The real window under Wine: what resting the mouse on a control shows, and that it is
// shown whole.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "calculator_window_fixture.h"

namespace win32_ui {
namespace {

// What resting the mouse on a control shows, read from the window's tooltip control.
std::wstring HoverText(const CalculatorWindow& window, HWND control) {
  const HWND tips = window.HoverTipControl();
  if (tips == nullptr) return L"(no tooltip control)";
  std::wstring text(4096, L'\0');
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window.Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text.data();
  SendMessageW(tips, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
  text.resize(wcslen(text.c_str()));
  return text;
}

// Each result says how it was calculated, at full precision; a text cut by its field is shown
// whole; the options say how the side follows from them.
TEST_F(CalculatorWindowTest, HoverTextsExplainResultsAndShowCutTextsWhole) {
  Enter(triangle::kSide, L"3");
  Click(window_->CommandButton(0));
  const struct {
    triangle::QuantityIndex field;
    const wchar_t* text;
  } after_side_3[] = {
      {triangle::kSide, L""},
      {triangle::kPerimeter, L"P = 3·a\r\n= 9\r\nF1: решението и чертежът"},
      {triangle::kHeight, L"h = a·√3/2 = 3√3/2\r\n≈ 2.598076211353316\r\nF1: решението и чертежът"},
      {triangle::kCircumradius,
       L"R = a·√3/3 = √3\r\n≈ 1.7320508075688774\r\nF1: решението и чертежът"},
  };
  for (const auto& [field, text] : after_side_3) {
    SCOPED_TRACE(field);
    EXPECT_EQ(HoverText(*window_, window_->Field(field)), text);
  }
  EXPECT_EQ(HoverText(*window_, window_->Option(triangle::kArea)),
            L"Страната от тази величина: a = √(4·S/√3)\r\nF1: решението и чертежът");

  Click(window_->Option(triangle::kPerimeter));
  Enter(triangle::kSide, L"1234567.5");
  Click(window_->CommandButton(0));
  const std::wstring area = L"659,979,302,597.1785";
  ASSERT_EQ(Field(triangle::kArea), area);
  EXPECT_EQ(HoverText(*window_, window_->Field(triangle::kArea)),
            area +
                L"\r\nS = a²·√3/4 = 6,096,627,648,225√3/16\r\n≈ 659,979,302,597.1785\r\n"
                L"F1: решението и чертежът");
  // Choosing a measure ends the calculation the fields showed: the cut text stays whole.
  Click(window_->Option(triangle::kHeight));
  EXPECT_EQ(HoverText(*window_, window_->Field(triangle::kArea)), area);
}

// The rightmost column that `line`, drawn in `font`, inks, and the width a tooltip measures
// for it: the tooltip is as wide as its measure, and what is drawn beyond is cut off.
struct InkAndMeasure {
  int ink_right;
  int measured;
};
InkAndMeasure InkAndMeasureOf(HFONT font, const std::wstring& line) {
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  constexpr int kWidth = 1600;
  constexpr int kHeight = 80;
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
  const HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
  const HGDIOBJ old_font = SelectObject(dc, font);
  RECT all{0, 0, kWidth, kHeight};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  RECT measure{0, 0, 0, 0};
  DrawTextW(dc, line.c_str(), -1, &measure, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  RECT draw{0, 0, kWidth, kHeight};
  DrawTextW(dc, line.c_str(), -1, &draw, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  int ink_right = -1;
  for (int x = kWidth - 1; x >= 0 && ink_right < 0; --x) {
    for (int y = 0; y < kHeight; ++y) {
      if (GetPixel(dc, x, y) != RGB(255, 255, 255)) {
        ink_right = x;
        break;
      }
    }
  }
  SelectObject(dc, old_font);
  SelectObject(dc, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return {ink_right, measure.right};
}

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

// Under Wine, a tooltip in its default font was cut before its last character: the font lacks
// the Cyrillic letters, √ and ·, which are drawn wider in another font than the tooltip
// measures them. Every line of every tooltip must end within the width the tooltip measures.
TEST_F(CalculatorWindowTest, TooltipTextsEndWithinTheirMeasuredWidth) {
  Enter(triangle::kArea, L"12345");  // refused: the length hint shows
  const HWND hint = window_->RefusalTip();
  ASSERT_NE(hint, nullptr);
  Click(window_->CommandButton(0));
  const HWND tips = window_->HoverTipControl();
  ASSERT_NE(tips, nullptr);

  std::vector<std::pair<HWND, std::wstring>> texts = {
      {hint, L"Полето побира най-много 4 знака: въведеното не е прието."}};
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    texts.emplace_back(tips, HoverText(*window_, window_->Option(k)));
    texts.emplace_back(tips, HoverText(*window_, window_->Field(k)));
  }
  for (const auto& [tip, text] : texts) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(tip, WM_GETFONT, 0, 0));
    for (const std::wstring& line : Lines(text)) {
      if (line.empty()) continue;
      SCOPED_TRACE(testing::PrintToString(line));
      const auto [ink_right, measured] = InkAndMeasureOf(font, line);
      EXPECT_GT(ink_right, 0);
      EXPECT_LT(ink_right, measured) << "the end of the text is cut off";
    }
  }
}

}  // namespace
}  // namespace win32_ui
