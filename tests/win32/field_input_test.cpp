// The real window under Wine: typing and pasting into the fields, the refusals and notices
// they show, and the locked fields.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "calculator_window_fixture.h"

namespace win32_ui {
namespace {

using namespace std::chrono_literals;

// Four characters before a calculation; after one, a field takes any length.
TEST_F(CalculatorWindowTest, LengthLimitsBeforeAndAfterACalculation) {
  Enter(triangle::kSide, L"12345");
  EXPECT_EQ(Field(triangle::kSide), L"1234");
  Click(window_->CommandButton(0));
  const std::wstring long_text(300, L'7');
  Click(window_->Option(triangle::kHeight));
  SendMessageW(window_->Field(triangle::kHeight), EM_SETSEL, 0, -1);  // typing replaces it
  Type(window_->Field(triangle::kHeight), long_text);
  EXPECT_EQ(Field(triangle::kHeight), long_text);
}

void SetClipboardText(std::wstring_view text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  CopyMemory(GlobalLock(memory), text.data(), text.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

// The hint a refusal shows at the field, if it is showing.
std::wstring ShownHint(HWND tip, HWND field) {
  if (tip == nullptr || !IsWindowVisible(tip)) return L"";
  wchar_t text[512] = {};
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = field;
  tool.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
  return text;
}

// Every way of pasting: a paste that does not fit is refused whole, never cut to fit, and the
// refusal is shown at the field; one that fits goes in.
TEST_F(CalculatorWindowTest, APasteThatDoesNotFitIsRefusedWholeAndSaysSo) {
  struct Way {
    const char* name;
    void (*paste)(HWND field);
  };
  const Way ways[] = {
      {"WM_PASTE", [](HWND field) { SendMessageW(field, WM_PASTE, 0, 0); }},
      {"Ctrl+V", [](HWND field) { SendMessageW(field, WM_CHAR, 0x16, 0); }},
      {"Shift+Insert",
       [](HWND field) {
         SetKeyDown(VK_SHIFT, true);
         SendMessageW(field, WM_KEYDOWN, VK_INSERT, 1);
         SetKeyDown(VK_SHIFT, false);
       }},
  };
  const HWND field = window_->Field(triangle::kSide);
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    Click(window_->CommandButton(1));
    Enter(triangle::kSide, L"12");
    ASSERT_EQ(ShownHint(window_->RefusalTip(), field), L"");
    SetClipboardText(L"1234567,5");
    way.paste(field);
    EXPECT_EQ(Field(triangle::kSide), L"12") << "not cut to 1234";
    EXPECT_EQ(ShownHint(window_->RefusalTip(), field),
              L"Полето побира най-много 4 знака: въведеното не е прието.");
    SetClipboardText(L"34");
    way.paste(field);
    EXPECT_EQ(Field(triangle::kSide), L"1234");
  }
  // A refused keystroke says so too.
  Click(window_->CommandButton(1));
  Enter(triangle::kSide, L"12,75");
  EXPECT_EQ(Field(triangle::kSide), L"12,7");
  EXPECT_EQ(ShownHint(window_->RefusalTip(), field),
            L"Полето побира най-много 4 знака: въведеното не е прието.");
}

// After a calculation a field takes 1024 characters, far above the longest result (about
// 420); a paste of ten million is refused whole, and the window goes on at once.
TEST_F(CalculatorWindowTest, AfterACalculationAThousandCharactersGoInAndAHugePasteIsRefused) {
  Enter(triangle::kSide, L"3");
  Click(window_->CommandButton(0));
  Click(window_->Option(triangle::kHeight));
  const HWND field = window_->Field(triangle::kHeight);
  SendMessageW(field, EM_SETSEL, 0, -1);
  const std::wstring fits(1024, L'7');
  SetClipboardText(fits);
  SendMessageW(field, WM_PASTE, 0, 0);
  EXPECT_EQ(TextOf(field), fits);
  EXPECT_EQ(ShownHint(window_->RefusalTip(), field), L"");

  SendMessageW(field, EM_SETSEL, 0, -1);
  SetClipboardText(std::wstring(10'000'000, L'7'));
  SendMessageW(field, WM_PASTE, 0, 0);
  EXPECT_EQ(TextOf(field), fits);
  EXPECT_EQ(ShownHint(window_->RefusalTip(), field),
            L"Полето побира най-много 1024 знака: въведеното не е прието.");
  Click(window_->Option(triangle::kSide));
  EXPECT_EQ(window_->SelectedOption(), triangle::kSide);
}

// A decimal comma under decimal-point settings: read as far as it goes, and said so over the
// statement, never over a result or a button, until the next choice.
TEST_F(CalculatorWindowTest, ADecimalCommaUnderUsSettingsIsNoticed) {
  Enter(triangle::kPerimeter, L"7,5");
  Click(window_->CommandButton(0));
  EXPECT_EQ(Field(triangle::kSide), L"2.3333");
  ASSERT_TRUE(window_->ReadingNoticeShows());
  const HWND notice = window_->ReadingNoticeControl();
  EXPECT_TRUE(IsWindowVisible(notice));
  const std::wstring text = TextOf(notice);
  EXPECT_NE(text.find(L"прочетено като 7.0000: „,5“ не е част от числото."), std::wstring::npos);
  RECT box{};
  GetWindowRect(notice, &box);
  for (std::size_t row = 0; row < design::kControls.size(); ++row) {
    const auto kind = design::kControls[row].kind;
    if (kind != design::ControlKind::kQuantityField &&
        kind != design::ControlKind::kCommandButton) {
      continue;
    }
    RECT other{};
    RECT overlap{};
    GetWindowRect(window_->Control(row), &other);
    EXPECT_FALSE(IntersectRect(&overlap, &box, &other)) << row;
  }
  Click(window_->Option(triangle::kSide));
  EXPECT_FALSE(window_->ReadingNoticeShows());
  EXPECT_FALSE(IsWindowVisible(notice));
  Enter(triangle::kPerimeter, L"7.5");
  Click(window_->CommandButton(0));
  EXPECT_EQ(Field(triangle::kSide), L"2.5000");
  EXPECT_FALSE(window_->ReadingNoticeShows());
}

const std::wstring kAreaTwelve[] = {L"5.2643", L"15.7929", L"12",     L"4.5590",
                                    L"4.5590", L"4.5590",  L"3.0393", L"1.5197"};

// Where the selection starts and ends, and where the caret is.
struct Selection {
  DWORD start;
  DWORD end;
  DWORD caret;
};
Selection SelectionOf(HWND field) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  POINT caret{};
  GetCaretPos(&caret);
  const LRESULT at = SendMessageW(field, EM_CHARFROMPOS, 0, MAKELPARAM(caret.x, caret.y + 2));
  return {start, end, LOWORD(at)};
}

// After a calculation, each other measure's field shows its result when chosen, wholly
// selected: a digit typed then is the new value, not a digit added to the old one.
TEST_F(CalculatorWindowTest, ChoosingAMeasureSelectsItsTextSoThatTypingReplacesIt) {
  const struct {
    const char* way;
    void (*choose)(HWND option);
  } ways[] = {{"a click", [](HWND option) { Click(option); }},
              {"Space", [](HWND option) {
                 SetFocus(option);
                 SendMessageW(option, WM_KEYDOWN, VK_SPACE, 0);
                 SendMessageW(option, WM_KEYUP, VK_SPACE, 0);
               }}};
  for (const auto& way : ways) {
    for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
      if (k == triangle::kArea) continue;
      SCOPED_TRACE(testing::Message() << way.way << " on " << k);
      Click(window_->CommandButton(1));
      Enter(triangle::kArea, L"12");
      Click(window_->CommandButton(0));
      ASSERT_EQ(Field(k), kAreaTwelve[k]);
      way.choose(window_->Option(k));
      const HWND field = window_->Field(k);
      ASSERT_EQ(GetFocus(), field);
      EXPECT_EQ(Field(k), kAreaTwelve[k]) << "the text stays shown";
      const Selection selection = SelectionOf(field);
      EXPECT_EQ(selection.start, 0u);
      EXPECT_EQ(selection.end, kAreaTwelve[k].size());
      EXPECT_EQ(selection.caret, 0u) << "shown from its first digit";
      Type(field, L"6");
      EXPECT_EQ(Field(k), L"6");
    }
  }
}

RECT ClientRectOf(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool Intersect(const RECT& a, const RECT& b) {
  RECT both{};
  return IntersectRect(&both, &a, &b) != FALSE;
}

// A locked field clicked or typed into says how to go on, over the top of the statement,
// covering no field and no button; it stays locked. Choosing a measure takes the hint away.
TEST_F(CalculatorWindowTest, ALockedFieldClickedOrTypedIntoSaysHowToGoOn) {
  const std::wstring hint =
      L"Полето е заключено. За нова стойност изберете величината отново или натиснете „Изтрий“.";
  const struct {
    const char* way;
    void (*act)(HWND field);
  } ways[] = {{"a click",
               [](HWND field) {
                 SendMessageW(field, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
                 SendMessageW(field, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
               }},
              {"a digit",
               [](HWND field) {
                 SetFocus(field);
                 Type(field, L"7");
               }},
              {"Backspace", [](HWND field) {
                 SetFocus(field);
                 SendMessageW(field, WM_KEYDOWN, VK_END, 0);
                 SendMessageW(field, WM_CHAR, 0x08, 0);
               }}};
  for (const auto& way : ways) {
    for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
      SCOPED_TRACE(testing::Message() << way.way << " on " << k);
      Click(window_->CommandButton(1));
      Enter(triangle::kArea, L"12");
      Click(window_->CommandButton(0));
      ASSERT_FALSE(window_->LockedFieldHintShows());
      const HWND field = window_->Field(k);
      way.act(field);
      ASSERT_TRUE(window_->LockedFieldHintShows());
      const HWND notice = window_->LockedFieldHintControl();
      EXPECT_TRUE(IsWindowVisible(notice));
      EXPECT_EQ(TextOf(notice), hint);
      EXPECT_EQ(Field(k), kAreaTwelve[k]) << "still locked";
      EXPECT_TRUE(IsReadOnly(field));
      const RECT shown = ClientRectOf(notice);
      EXPECT_EQ(shown.left, 24);
      EXPECT_EQ(shown.top, 232);
      EXPECT_EQ(shown.right, 24 + 449);
      EXPECT_GT(shown.bottom - shown.top, 20) << "room for its lines";
      EXPECT_LE(shown.bottom, 232 + 121);
      for (triangle::QuantityIndex m = 0; m < triangle::kQuantityCount; ++m) {
        EXPECT_FALSE(Intersect(shown, ClientRectOf(window_->Field(m)))) << m;
        EXPECT_FALSE(Intersect(shown, ClientRectOf(window_->Option(m)))) << m;
      }
      for (int b = 0; b < 2; ++b) {
        EXPECT_FALSE(Intersect(shown, ClientRectOf(window_->CommandButton(b)))) << b;
      }
      Click(window_->Option(static_cast<triangle::QuantityIndex>((k + 1) % 8)));
      EXPECT_FALSE(window_->LockedFieldHintShows());
      EXPECT_FALSE(IsWindowVisible(notice));
    }
  }
  // An editable field takes the typing and says nothing.
  Enter(triangle::kSide, L"5");
  EXPECT_FALSE(window_->LockedFieldHintShows());
  // Before a calculation a read-only field waits for its measure, which the hint, "choose it
  // again", would not explain; nor after clearing.
  for (const bool cleared : {false, true}) {
    if (cleared) Click(window_->CommandButton(1));
    for (const auto& way : ways) way.act(window_->Field(triangle::kArea));
    EXPECT_FALSE(window_->LockedFieldHintShows()) << cleared;
    EXPECT_EQ(Field(triangle::kArea), L"") << cleared;
  }
}

// Dispatches what the window's queue holds, as its message loop does.
void Pump(CalculatorWindow& window) {
  MSG message{};
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!window.HandleKeyboardMessage(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    std::this_thread::sleep_for(50ms);
  }
}

void PostClick(HWND control) {
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
}

COLORREF GroundOf(HWND field) {
  UpdateWindow(field);
  RECT client{};
  GetClientRect(field, &client);
  const HDC dc = GetDC(field);
  const COLORREF ground = GetPixel(dc, client.right - 4, client.bottom / 2);
  ReleaseDC(field, dc);
  return ground;
}

// The same through the message loop, as the mouse and the keyboard reach the window.
TEST_F(CalculatorWindowTest, ALockedFieldLooksReadOnlyAfterRealClicks) {
  PostClick(window_->Option(triangle::kArea));
  Pump(*window_);
  for (const wchar_t c : std::wstring(L"12")) {
    PostMessageW(window_->Field(triangle::kArea), WM_CHAR, c, 1);
  }
  Pump(*window_);
  ASSERT_EQ(Field(triangle::kArea), L"12");
  PostClick(window_->CommandButton(0));
  Pump(*window_);
  ASSERT_EQ(Field(triangle::kSide), L"5.2643");
  EXPECT_TRUE(IsReadOnly(window_->Field(triangle::kArea)));
  EXPECT_EQ(GroundOf(window_->Field(triangle::kArea)), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(GroundOf(window_->Field(triangle::kSide)), GetSysColor(COLOR_BTNFACE));
}

// A locked field looks read-only: the grey ground of a field that takes no typing, also the
// field that was just typed into, and no caret in it when it has the focus.
TEST_F(CalculatorWindowTest, ALockedFieldLooksReadOnly) {
  Enter(triangle::kArea, L"12");
  ASSERT_EQ(GetFocus(), window_->Field(triangle::kArea));
  // As a click on it does, the button takes the focus before it calculates.
  SetFocus(window_->CommandButton(0));
  Click(window_->CommandButton(0));
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    SCOPED_TRACE(k);
    const HWND field = window_->Field(k);
    UpdateWindow(field);
    RECT client{};
    GetClientRect(field, &client);
    const HDC dc = GetDC(field);
    const COLORREF ground = GetPixel(dc, client.right - 4, client.bottom / 2);
    ReleaseDC(field, dc);
    EXPECT_EQ(ground, GetSysColor(COLOR_BTNFACE));
  }
}

// After a calculation the given measure chosen again takes a new value: its field, text kept
// and selected, replaces it with what is typed; the results stay locked.
TEST_F(CalculatorWindowTest, TheGivenMeasureChosenAgainTakesANewValue) {
  Enter(triangle::kArea, L"12");
  Click(window_->CommandButton(0));
  const HWND field = window_->Field(triangle::kArea);
  ASSERT_TRUE(IsReadOnly(field));
  Click(window_->Option(triangle::kArea));
  EXPECT_FALSE(IsReadOnly(field));
  EXPECT_EQ(GetFocus(), field);
  EXPECT_EQ(Field(triangle::kArea), L"12");
  EXPECT_EQ(SelectionOf(field).end, 2u);
  EXPECT_TRUE(IsReadOnly(window_->Field(triangle::kSide)));
  Type(field, L"3");
  Click(window_->CommandButton(0));
  EXPECT_EQ(Field(triangle::kSide), L"2.6321");
}

}  // namespace
}  // namespace win32_ui
