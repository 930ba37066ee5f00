#include "win32/measures_text.h"

#include <string_view>

#include "design/texts.h"

namespace win32_ui {

std::string MeasuresAsText(const std::array<std::string, triangle::kQuantityCount>& field_texts) {
  std::string text;
  for (std::size_t k = 0; k < field_texts.size(); ++k) {
    std::string_view caption = design::texts::kOptionCaptions.at(k);
    while (!caption.empty() && caption.front() == ' ') caption.remove_prefix(1);
    while (!caption.empty() && caption.back() == ' ') caption.remove_suffix(1);
    text.append(caption).append(": ").append(field_texts[k]).append("\r\n");
  }
  return text;
}

}  // namespace win32_ui
