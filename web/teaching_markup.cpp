#include <string>

#include "design/pixels.h"
#include "design/texts.h"
#include "design/window_design.h"
#include "web/html_text.h"
#include "web/page_markup.h"

namespace web {

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
         "aria-keyshortcuts=\"Control+C\"></div>\n"
         "<button id=\"copy-solution\" class=\"copy-solution\" type=\"button\">" +
         EscapeHtml(design::texts::kCopySolutionCaption) + "</button>\n</section>\n</section>\n";
}

}  // namespace web
