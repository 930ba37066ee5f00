#include "design/window_design.h"

#include "design/texts.h"

namespace design {
namespace {

constexpr Rgb kApricot{255, 192, 128};
constexpr Rgb kLightGreen{128, 255, 128};
constexpr Rgb kRed{255, 0, 0};

using enum ControlKind;

constexpr Control Option(int index, TwipRect rect) {
  return {kOption, index, rect, kApricot, texts::kOptionCaptions[static_cast<std::size_t>(index)]};
}
constexpr Control Field(int index, TwipRect rect) { return {kQuantityField, index, rect, {}, ""}; }

}  // namespace

// Measures 0 to 5 in the left column, 6 and 7 in the right one, a row every 480 twips.
const std::array<Control, kControlCount> kControls = {{
    {.kind = kInfoField,
     .index = 0,
     .rect = {360, 3480, 6735, 1815},
     .text = texts::kStatement,
     .vertical_scroll_bar = true},
    {.kind = kInfoField,
     .index = 1,
     .rect = {720, 4080, 6735, 1815},
     .text = texts::kSaying,
     .border = false,
     .vertical_scroll_bar = true},
    {.kind = kLabel,
     .index = 0,
     .rect = {1440, 0, 4575, 375},
     .background = kApricot,
     .text = texts::kTitleLabel,
     .border = false,
     .alignment = Alignment::kCentre},
    Option(0, {240, 600, 1815, 375}),
    Field(0, {2160, 600, 1455, 405}),
    Option(1, {240, 1080, 1815, 375}),
    Field(1, {2160, 1080, 1455, 405}),
    Option(2, {240, 1560, 1815, 375}),
    Field(2, {2160, 1560, 1455, 405}),
    Option(3, {240, 2040, 1815, 375}),
    Field(3, {2160, 2040, 1455, 405}),
    Option(4, {240, 2520, 1815, 375}),
    Field(4, {2160, 2520, 1455, 405}),
    Option(5, {240, 3000, 1815, 375}),
    Field(5, {2160, 3000, 1455, 405}),
    Option(6, {3720, 600, 1815, 375}),
    Field(6, {5640, 600, 1455, 405}),
    Option(7, {3720, 1080, 1815, 375}),
    Field(7, {5640, 1080, 1455, 405}),
    {kCommandButton, 0, {3960, 2040, 1815, 495}, kLightGreen, texts::kCalculateCaption},
    {kCommandButton, 1, {5280, 2760, 1815, 495}, kRed, texts::kClearCaption},
}};

TwipRect ReadingNoticeArea() {
  for (const Control& control : kControls) {
    if (control.kind == ControlKind::kInfoField && control.index == 0) return control.rect;
  }
  return kClientArea;  // unreachable: the statement is a control of the design
}

TwipRect LockedFieldHintArea() { return ReadingNoticeArea(); }

}  // namespace design
