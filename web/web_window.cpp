#include "web/web_window.h"

#include <cstddef>
#include <string>
#include <utility>

#include "web/calculation_link.h"
#include "web/figure_markup.h"
#include "web/page_bridge.h"

namespace web {
namespace {

int Length(std::string_view text) { return static_cast<int>(text.size()); }

}  // namespace

WebWindow::WebWindow(triangle::NumberFormat format)
    : presenter_(*this, std::move(format), controller::Presenter::SolutionWindowKey::kNone),
      drawn_teaching_(presenter_.Shown().teaching_revision) {}

void WebWindow::OnOptionChosen(int index) { Draw(presenter_.OnOptionChosen(index)); }

void WebWindow::OnCommandClick(int index) { Draw(presenter_.OnCommandClick(index)); }

// Only the teaching and the address follow the unit: the notices of the last event stay.
void WebWindow::OnUnitChoice(int index) {
  const controller::Presentation& shown = presenter_.OnUnitChoice(index);
  DrawTeaching(shown);
  DrawLink(shown);
}

void WebWindow::ClearOption(triangle::QuantityIndex option) { page_clear_option(option); }

std::string WebWindow::FieldText(triangle::QuantityIndex field) const {
  std::string text(static_cast<std::size_t>(page_field_text_length(field)) + 1, '\0');
  page_copy_field_text(field, text.data(), Length(text));
  text.pop_back();
  return text;
}

void WebWindow::SetFieldText(triangle::QuantityIndex field, std::string_view text) {
  page_set_field_text(field, text.data(), Length(text));
}

void WebWindow::SetFieldEnabled(triangle::QuantityIndex field, bool enabled) {
  page_set_field_enabled(field, enabled ? 1 : 0);
}

void WebWindow::SetFieldMaxLength(triangle::QuantityIndex field, int max_length) {
  page_set_field_max_length(field, max_length);
}

// The notice is written first and shown with the announcement, once the results, the figure
// and the solution are laid out; a failure is reported over the page as the behaviour left it.
void WebWindow::Draw(const controller::Presentation& shown) {
  page_hide_notices();
  if (shown.reading_notice) {
    const std::string& text = shown.reading_notice->text;
    page_show_reading_notice(shown.reading_notice->field, text.data(), Length(text));
  }
  if (!shown.failure.empty()) page_report_failure(shown.failure.data(), Length(shown.failure));
  DrawTeaching(shown);
  page_show_calculation(shown.announcement.data(), Length(shown.announcement));
  DrawLink(shown);
}

void WebWindow::DrawTeaching(const controller::Presentation& shown) {
  if (shown.teaching_revision == drawn_teaching_) return;
  drawn_teaching_ = shown.teaching_revision;
  const std::string markup = FigureContent(shown.figure);
  const std::string figure_class = FigureClass(shown.figure);
  const std::string& description = shown.figure.description;
  page_show_figure(markup.data(), Length(markup), figure_class.data(), Length(figure_class),
                   description.data(), Length(description));
  page_show_solution(shown.solution_text.data(), Length(shown.solution_text),
                     shown.spoken_solution.data(), Length(shown.spoken_solution));
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    const std::string& title = shown.explanations.at(static_cast<std::size_t>(k));
    page_set_field_title(k, title.data(), Length(title));
  }
}

// The address holds the calculation the fields show, as typed; without one, no fragment of
// ours. It is given a new fragment only when that changes, so that a fragment the page was
// opened with stays until there is a calculation to put in its place.
void WebWindow::DrawLink(const controller::Presentation& shown) {
  const std::string link = shown.calculation
                               ? LinkFragment({.measure = shown.calculation->given,
                                               .text = FieldText(shown.calculation->given),
                                               .unit = shown.unit})
                               : std::string();
  if (link == link_) return;
  link_ = link;
  page_show_link(link.data(), Length(link));
}

}  // namespace web
