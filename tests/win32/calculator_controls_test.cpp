// The real window under Wine: its controls, their places, texts and names, at every
// resolution, as it closes and as it is used again and again.
#include <gtest/gtest.h>

#include <string>

#include "calculator_window_fixture.h"
#include "design/window_design.h"

namespace win32_ui {
namespace {

std::wstring ClassOf(HWND control) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  return name;
}

// One row a control, in the design's (and the tab) order: class and text (the statement's is
// checked apart). Where each one sits is the design's, checked in pixels below.
struct ExpectedControl {
  const wchar_t* class_name;
  const wchar_t* text;
};

const ExpectedControl kDesign[] = {
    {L"Edit", nullptr},
    {L"Edit",
     L"Неприятното в това да си първият, направил нещо по \r\n"
     L"правилния начин, е, че никой не оценява колко трудно е \r\nбило. \r\n"},
    {L"Static", L"Равностранен триъгълнк - лице, периметър"},
    {L"Button", L"страна"},
    {L"Edit", L""},
    {L"Button", L"периметър"},
    {L"Edit", L""},
    {L"Button", L" лице"},
    {L"Edit", L""},
    {L"Button", L"медиана"},
    {L"Edit", L""},
    {L"Button", L"височина"},
    {L"Edit", L""},
    {L"Button", L"ъглополовяща"},
    {L"Edit", L""},
    {L"Button", L"R описана"},
    {L"Edit", L""},
    {L"Button", L"r вписана"},
    {L"Edit", L""},
    {L"Button", L"Изчисли"},
    {L"Button", L"Изтрий"},
};
static_assert(std::size(kDesign) == design::kControlCount);

// A rectangle of the design, in twips, as the window's pixels at 96 dots per inch: 15 twips a
// pixel, each edge to the nearest pixel.
RECT At96DotsPerInch(const design::TwipRect& twips) {
  const auto pixels = [](int edge) { return static_cast<LONG>((edge + 7) / 15); };
  return {pixels(twips.left), pixels(twips.top), pixels(twips.left + twips.width),
          pixels(twips.top + twips.height)};
}

TEST_F(CalculatorWindowTest, EveryControlAtItsPlaceWithItsTextInTabOrder) {
  ASSERT_EQ(window_->Dpi(), 96U);
  const HWND window = window_->Handle();
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 498);
  EXPECT_EQ(client.bottom, 364);
  EXPECT_EQ(TextOf(window), L"www.ravnostranen.example Геометрия - равностранен триъгълник");
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0) << "fixed size, not maximisable";

  // Hidden name labels lie between the controls.
  const auto shown_from = [](HWND control) {
    while (control != nullptr && !IsWindowVisible(control)) {
      control = GetWindow(control, GW_HWNDNEXT);
    }
    return control;
  };
  HWND next_in_order = shown_from(GetWindow(window, GW_CHILD));
  for (std::size_t row = 0; row < std::size(kDesign); ++row) {
    SCOPED_TRACE(row);
    const ExpectedControl& expected = kDesign[row];
    const HWND control = window_->Control(row);
    EXPECT_EQ(ClassOf(control), expected.class_name);
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    const RECT designed = At96DotsPerInch(design::kControls[row].rect);
    EXPECT_EQ(rect.left, designed.left);
    EXPECT_EQ(rect.top, designed.top);
    EXPECT_EQ(rect.right, designed.right);
    EXPECT_EQ(rect.bottom, designed.bottom);
    if (expected.text != nullptr) {
      EXPECT_EQ(TextOf(control), expected.text);
    }
    // Created in this order: the statement is drawn over the saying it overlaps.
    EXPECT_EQ(control, next_in_order);
    next_in_order = shown_from(GetWindow(next_in_order, GW_HWNDNEXT));
  }
}

TEST_F(CalculatorWindowTest, StartsEmptyWithNothingChosenAndTheFocusInTheStatement) {
  const HWND statement = window_->InfoField(0);
  EXPECT_EQ(GetFocus(), statement);
  const std::wstring text = TextOf(statement);
  EXPECT_EQ(text.substr(0, 26), L"За равностранен триъгълник");
  EXPECT_EQ(text.substr(text.size() - 12), L"резултати.\r\n");
  for (const HWND info : {statement, window_->InfoField(1)}) {
    const LONG style = GetWindowLongW(info, GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_FALSE(style & (ES_AUTOHSCROLL | WS_HSCROLL)) << "lines wrap at the field's width";
  }
  EXPECT_TRUE(GetWindowLongW(statement, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_FALSE(GetWindowLongW(window_->InfoField(1), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_FALSE(IsChecked(window_->Option(k)));
    EXPECT_EQ(Field(k), L"");
    EXPECT_TRUE(IsReadOnly(window_->Field(k)));
    EXPECT_FALSE(IsTabStop(window_->Field(k))) << "nothing in it to select";
  }
  EXPECT_TRUE(IsWindowEnabled(window_->CommandButton(0)));
  EXPECT_TRUE(IsWindowEnabled(window_->CommandButton(1)));
}

// Closed by the user while the object lives: as its controls are destroyed the window still
// answers as itself (its default handling gets its own handle, not a cleared one).
int caption_length_seen = -1;
// A named function: 32-bit Windows calls subclass procedures with the stdcall convention, which
// a lambda does not convert to.
LRESULT CALLBACK AskParentOnDestroy(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR, DWORD_PTR) {
  if (message == WM_DESTROY) {
    caption_length_seen =
        static_cast<int>(SendMessageW(GetParent(control), WM_GETTEXTLENGTH, 0, 0));
  }
  return DefSubclassProc(control, message, wparam, lparam);
}

TEST_F(CalculatorWindowTest, ClosingLeavesTheWindowItselfUntilItsLastMessage) {
  const SUBCLASSPROC ask_parent = &AskParentOnDestroy;
  const HWND last_control = window_->CommandButton(1);
  ASSERT_TRUE(SetWindowSubclass(last_control, ask_parent, 7, 0));
  SendMessageW(window_->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(last_control));
  // "www.ravnostranen.example Геометрия - равностранен триъгълник"
  EXPECT_EQ(caption_length_seen, 60);
}

// Screen readers name a field after the static text just before it in z-order, which may be
// hidden: each field has one with its Bulgarian name.
TEST_F(CalculatorWindowTest, EveryFieldIsNamedByTheLabelBeforeIt) {
  const struct {
    HWND field;
    const wchar_t* name;
  } expected[] = {
      {window_->InfoField(0), L"Условие на задачата"},
      {window_->InfoField(1), L"Мисъл"},
      {window_->Field(triangle::kSide), L"страна"},
      {window_->Field(triangle::kPerimeter), L"периметър"},
      {window_->Field(triangle::kArea), L"лице"},
      {window_->Field(triangle::kMedian), L"медиана"},
      {window_->Field(triangle::kHeight), L"височина"},
      {window_->Field(triangle::kBisector), L"ъглополовяща"},
      {window_->Field(triangle::kCircumradius), L"радиус R на описаната окръжност"},
      {window_->Field(triangle::kInradius), L"радиус r на вписаната окръжност"},
  };
  for (const auto& [field, name] : expected) {
    SCOPED_TRACE(testing::PrintToString(name));
    const HWND label = GetWindow(field, GW_HWNDPREV);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(ClassOf(label), L"Static");
    EXPECT_EQ(TextOf(label), name);
    EXPECT_FALSE(IsWindowVisible(label)) << "the window shows its own labels";
  }
}

// Moved to a monitor of 144 dots per inch (WM_DPICHANGED with the suggested rectangle): the
// client area, the font and the tooltips' wrap width grow by half.
TEST_F(CalculatorWindowTest, MovedToAMonitorOfAnotherResolutionLaysItselfOutAgain) {
  Enter(triangle::kSide, L"3");
  Click(window_->CommandButton(0));  // the hover tips now exist
  const HWND window = window_->Handle();
  RECT outer{};
  GetWindowRect(window, &outer);
  RECT suggested{outer.left + 10, outer.top + 10, outer.left + 800, outer.top + 600};
  SendMessageW(window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 747);   // 7470 twips at 10 twips a pixel
  EXPECT_EQ(client.bottom, 546);  // 5460 twips
  RECT moved{};
  GetWindowRect(window, &moved);
  EXPECT_EQ(moved.left, suggested.left);
  EXPECT_EQ(moved.top, suggested.top);
  for (const HWND control : {window_->Option(triangle::kArea), window_->Field(triangle::kSide),
                             window_->CommandButton(0)}) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_EQ(font.lfHeight, -24) << "12 points at 144 dots per inch";
  }
  RECT area{};
  GetWindowRect(window_->Field(triangle::kArea), &area);
  EXPECT_EQ(area.right - area.left, 146);  // 1455 twips
  EXPECT_EQ(SendMessageW(window_->HoverTipControl(), TTM_GETMAXTIPWIDTH, 0, 0), 600);
}

// The windows of this thread, top-level and child (named callbacks: 32-bit Windows calls them
// with the stdcall convention).
BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}
BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM count) {
  CountWindow(window, count);
  EnumChildWindows(window, &CountWindow, count);
  return TRUE;
}
int WindowCount() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountWindowAndChildren,
                    reinterpret_cast<LPARAM>(&count));
  return count;
}

// Two hundred calculations, hover texts and refusals, twenty changes of resolution,
// leave as many windows and GDI objects as there were: GetGuiResources counts them on Windows
// (Wine's counts nothing); under Wine each font given up on a change of resolution is deleted.
TEST_F(CalculatorWindowTest, RepeatedUseLeaksNoWindowsObjects) {
  const HANDLE process = GetCurrentProcess();
  int fonts_left = 0;
  const auto round = [&](int k) {
    Click(window_->CommandButton(1));
    Enter(static_cast<triangle::QuantityIndex>(k % triangle::kQuantityCount), L"12345");
    Click(window_->CommandButton(0));
    SendMessageW(window_->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window_->Handle()), 0);
    if (k % 10 != 0) return;  // a change of resolution every tenth round
    const HGDIOBJ font =
        reinterpret_cast<HGDIOBJ>(SendMessageW(window_->CommandButton(0), WM_GETFONT, 0, 0));
    RECT outer{};
    GetWindowRect(window_->Handle(), &outer);
    const WORD dpi = k % 20 == 0 ? 120 : 96;
    SendMessageW(window_->Handle(), 0x02E0, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&outer));
    if (GetObjectType(font) != 0) ++fonts_left;
  };
  for (int k = 0; k < 20; ++k) round(k);  // everything made once
  const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
  const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
  const int windows = WindowCount();
  ASSERT_GE(windows, 34) << "the window, its 21 controls, 10 name labels and 2 tooltips";
  fonts_left = 0;
  for (int k = 0; k < 200; ++k) round(k);
  EXPECT_EQ(fonts_left, 0);
  EXPECT_EQ(WindowCount(), windows);
  EXPECT_EQ(GetGuiResources(process, GR_GDIOBJECTS), gdi);
  EXPECT_EQ(GetGuiResources(process, GR_USEROBJECTS), user);
}

}  // namespace
}  // namespace win32_ui
