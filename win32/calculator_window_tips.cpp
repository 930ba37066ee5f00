// The calculator window's hover tips: each option's explanation, and each field's cut text
// and the explanation of its result.
#include "design/derived_texts.h"
#include "win32/calculator_window.h"
#include "win32/wide_text.h"

namespace win32_ui {

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
  return WithWindowsLineBreaks(Widen(design::FieldHoverText(
      Narrow(control.Text()), control.IsTextWiderThanField(), explanations_.at(field))));
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

}  // namespace win32_ui
