// The real window under Wine: what a calculation shows, under each number settings, and
// what a failure and clearing do.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "calculator_window_fixture.h"

namespace win32_ui {
namespace {

using namespace std::chrono_literals;

TEST_F(CalculatorWindowTest, AreaTwelveGivesTheOtherSevenUnderUsSettings) {
  Enter(triangle::kArea, L"12");
  EXPECT_TRUE(IsChecked(window_->Option(triangle::kArea)));
  EXPECT_EQ(GetFocus(), window_->Field(triangle::kArea)) << "chosen: ready for typing";
  EXPECT_FALSE(IsReadOnly(window_->Field(triangle::kArea)));
  Click(window_->CommandButton(0));

  const wchar_t* const expected[] = {L"5.2643", L"15.7929", L"12",     L"4.5590",
                                     L"4.5590", L"4.5590",  L"3.0393", L"1.5197"};
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(Field(k), expected[k]);
    const HWND field = window_->Field(k);
    EXPECT_TRUE(IsReadOnly(field));
    EXPECT_TRUE(IsWindowEnabled(field)) << "its text can be selected and copied";
    EXPECT_TRUE(IsTabStop(field));
    Type(field, L"9");
    EXPECT_EQ(Field(k), expected[k]) << "typing is refused";
  }
  // Clicking the chosen option again keeps what was typed.
  Click(window_->Option(triangle::kArea));
  EXPECT_EQ(Field(triangle::kArea), L"12");
}

// Under Bulgarian settings a shown result, with its no-break spaces and decimal comma, reads
// back as the value it shows when it becomes the input.
TEST_F(CalculatorWindowTest, ShownResultReadsBackUnderBulgarianSettings) {
  Open(kBulgarianSettings);
  Enter(triangle::kPerimeter, L"9999");
  Click(window_->CommandButton(0));
  EXPECT_EQ(Field(triangle::kSide), L"3\u00A0333,0000");
  const std::wstring area = Field(triangle::kArea);
  EXPECT_EQ(area, L"4\u00A0810\u00A0290,0409");

  Click(window_->Option(triangle::kArea));  // the shown area becomes the input
  EXPECT_EQ(Field(triangle::kPerimeter), L"");
  EXPECT_EQ(Field(triangle::kArea), area);
  Click(window_->CommandButton(0));
  EXPECT_EQ(Field(triangle::kSide), L"3\u00A0333,0000");
  EXPECT_EQ(Field(triangle::kPerimeter), L"9\u00A0999,0000");
}

TEST_F(CalculatorWindowTest, ClearEmptiesAndUnchoosesEverything) {
  Enter(triangle::kSide, L"3");
  Click(window_->CommandButton(0));
  ASSERT_EQ(Field(triangle::kPerimeter), L"9.0000");
  Click(window_->CommandButton(1));
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(Field(k), L"");
    EXPECT_FALSE(IsChecked(window_->Option(k)));
    EXPECT_TRUE(IsReadOnly(window_->Field(k)));
    EXPECT_FALSE(IsTabStop(window_->Field(k)));
  }
  // The same option again starts afresh, with the short limit back.
  Enter(triangle::kSide, L"123456");
  EXPECT_EQ(Field(triangle::kSide), L"1234");
}

// A result wider than its field shows from its first character, not as its last digits.
TEST_F(CalculatorWindowTest, ALongResultShowsFromItsFirstCharacter) {
  Enter(triangle::kSide, L"1");
  Click(window_->CommandButton(0));  // lifts the length limit
  Click(window_->Option(triangle::kPerimeter));
  Enter(triangle::kSide, L"1234567.5");
  Click(window_->CommandButton(0));
  ASSERT_EQ(Field(triangle::kArea), L"659,979,302,597.1785");
  for (const triangle::QuantityIndex k : {triangle::kSide, triangle::kArea, triangle::kMedian}) {
    SCOPED_TRACE(k);
    const HWND field = window_->Field(k);
    RECT client{};
    GetClientRect(field, &client);
    const LRESULT first = SendMessageW(field, EM_POSFROMCHAR, 0, 0);
    const int x = static_cast<short>(LOWORD(first));
    EXPECT_GE(x, 0);
    EXPECT_LT(x, client.right / 4) << "the first character at the left edge";
    const LRESULT at_left = SendMessageW(field, EM_CHARFROMPOS, 0, MAKELPARAM(x + 1, 5));
    EXPECT_EQ(LOWORD(at_left), 0);
  }
}

// Closes the failure message the calculation shows and keeps what it said.
class MessageBoxCloser {
 public:
  MessageBoxCloser()
      : thread_([this] {
          for (int tries = 0; tries < 200 && !done_; ++tries) {
            if (HWND box = FindWindowW(L"#32770", L"Грешка при изчислението"); box != nullptr) {
              wchar_t text[512] = {};
              GetDlgItemTextW(box, 0xFFFF, text, 512);  // the message's static text
              message_ = text;
              PostMessageW(box, WM_COMMAND, IDOK, 0);
              return;
            }
            std::this_thread::sleep_for(50ms);
          }
        }) {}
  ~MessageBoxCloser() {
    done_ = true;
    if (thread_.joinable()) thread_.join();
  }
  std::wstring Message() {
    thread_.join();
    return message_;
  }

 private:
  std::atomic<bool> done_{false};
  std::wstring message_;
  std::thread thread_;
};

TEST_F(CalculatorWindowTest, FailureIsReportedInAMessageAndTheWindowGoesOn) {
  Enter(triangle::kArea, L"-1");
  std::wstring message;
  {
    MessageBoxCloser closer;
    Click(window_->CommandButton(0));  // returns once the message is closed
    message = closer.Message();
  }
  EXPECT_EQ(message,
            L"Невалиден аргумент: корен квадратен от отрицателно число.\r\n"
            L"Лицето на триъгълника не може да бъде отрицателно.");
  ASSERT_TRUE(IsWindow(window_->Handle()));
  EXPECT_EQ(Field(triangle::kArea), L"-1");
  EXPECT_EQ(Field(triangle::kSide), L"");

  Enter(triangle::kSide, L"3");
  Click(window_->CommandButton(0));
  EXPECT_EQ(Field(triangle::kPerimeter), L"9.0000");
}

// How many pixel rows of the right end of a field's text area (the width of "…") hold dark ink:
// the dots of "…" are a row or two; digits stand most of the font's height.
int InkedRowsAtTheRightEnd(HWND field) {
  UpdateWindow(field);
  RECT shown{};
  SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown));
  const HDC dc = GetDC(field);
  const HGDIOBJ old_font =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(field, WM_GETFONT, 0, 0)));
  SIZE mark{};
  GetTextExtentPoint32W(dc, L"\u2026", 1, &mark);
  SelectObject(dc, old_font);
  int rows = 0;
  for (int y = shown.top; y < shown.bottom; ++y) {
    for (int x = shown.right - mark.cx; x < shown.right; ++x) {
      const COLORREF pixel = GetPixel(dc, x, y);
      if (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 3 * 128) {
        ++rows;
        break;
      }
    }
  }
  ReleaseDC(field, dc);
  return rows;
}

// A value wider than its field ends in "…" while the field does not have the caret; selecting
// and copying it, or copying every measure, takes the whole value.
TEST_F(CalculatorWindowTest, AValueWiderThanItsFieldEndsInAMarkAndCopiesWhole) {
  Enter(triangle::kSide, L"1");
  Click(window_->CommandButton(0));  // lifts the length limit
  ASSERT_EQ(Field(triangle::kInradius), L"0.2887");
  EXPECT_EQ(InkedRowsAtTheRightEnd(window_->Field(triangle::kInradius)), 0) << "fits: no mark";
  Click(window_->Option(triangle::kPerimeter));
  Enter(triangle::kSide, L"1234567.5");
  Click(window_->CommandButton(0));
  const HWND area = window_->Field(triangle::kArea);
  ASSERT_EQ(Field(triangle::kArea), L"659,979,302,597.1785");
  ASSERT_NE(GetFocus(), area);
  EXPECT_LE(InkedRowsAtTheRightEnd(area), 4) << "the dots of the mark";
  EXPECT_LE(InkedRowsAtTheRightEnd(window_->Field(triangle::kSide)), 4);

  SetFocus(area);
  EXPECT_GE(InkedRowsAtTheRightEnd(area), 7) << "with the caret, the digits themselves";
  SendMessageW(area, EM_SETSEL, 0, -1);
  SendMessageW(area, WM_COPY, 0, 0);
  EXPECT_EQ(ClipboardText(), L"659,979,302,597.1785");
  SendMessageW(area, EM_SETSEL, 0, 0);
  SetKeyDown(VK_CONTROL, true);
  MSG key = KeyDown(area, 'C');
  window_->HandleKeyboardMessage(key);
  SetKeyDown(VK_CONTROL, false);
  EXPECT_NE(ClipboardText().find(L"лице: 659,979,302,597.1785\r\n"), std::wstring::npos);
}

}  // namespace
}  // namespace win32_ui
