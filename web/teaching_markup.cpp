#include <cstddef>
#include <string>

#include "design/pixels.h"
#include "design/texts.h"
#include "design/window_design.h"
#include "web/html_text.h"
#include "web/page_markup.h"

namespace web {
namespace {

// The unit the solution's lengths carry, for the session: none at first.
std::string UnitChoiceMarkup() {
  namespace texts = design::texts;
  std::string options;
  for (std::size_t k = 0; k < texts::kUnitNames.size(); ++k) {
    options += "<option value=\"" + std::to_string(k) + "\"" + (k == 0 ? " selected" : "") + ">" +
               EscapeHtml(k == 0 ? texts::kNoUnitName : texts::kUnitNames.at(k)) + "</option>";
  }
  return "<p class=\"unit-choice\"><label for=\"unit\">" + EscapeHtml(texts::kUnitChoiceCaption) +
         "</label> <select id=\"unit\" autocomplete=\"off\">" + options + "</select></p>\n";
}

}  // namespace

// The figure and, once there is a calculation, its solution beside it. Where the window does
// not have the design's layout (data-wide-media), page.js moves this right after the buttons.
std::string TeachingMarkup() {
  const std::string title(design::texts::kSolutionTitle);
  return "<section id=\"teaching\" class=\"teaching\" data-wide-media=\"" +
         EscapeHtml(DesignLayoutMedia()) + "\">\n" + FigureMarkup() +
         "<section id=\"solution\" class=\"solution\" aria-labelledby=\"solution-title\" "
         "hidden>\n<h2 id=\"solution-title\" class=\"solution-title\">" +
         EscapeHtml(title) +
         "</h2>\n<div id=\"solution-lines\" class=\"solution-lines\" tabindex=\"0\" "
         "role=\"group\" aria-labelledby=\"solution-title\" "
         "aria-keyshortcuts=\"Control+C\"></div>\n" +
         UnitChoiceMarkup() +
         "<button id=\"copy-solution\" class=\"copy-solution\" type=\"button\">" +
         EscapeHtml(design::texts::kCopySolutionCaption) +
         "</button>\n<button id=\"copy-link\" class=\"copy-solution\" type=\"button\">" +
         EscapeHtml(design::texts::kCopyLinkCaption) + "</button>\n</section>\n</section>\n";
}

}  // namespace web
