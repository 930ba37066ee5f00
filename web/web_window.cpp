#include "web/web_window.h"

#include <array>
#include <cstring>
#include <exception>
#include <string>
#include <utility>

#include "design/derived_texts.h"
#include "design/figure.h"
#include "design/solution.h"
#include "design/texts.h"
#include "triangle/failures.h"
#include "triangle/format_result.h"
#include "web/calculation_link.h"
#include "web/figure_markup.h"
#include "web/page_bridge.h"

namespace web {
namespace {

int Length(std::string_view text) { return static_cast<int>(text.size()); }

// Bit for bit, so that -0 and +0, which are written differently, count as different.
bool SameCalculation(const std::optional<controller::MainWindow::Calculation>& a,
                     const std::optional<controller::MainWindow::Calculation>& b) {
  if (!a || !b) return !a && !b;
  return a->given == b->given &&
         std::memcmp(a->values.data(), b->values.data(), sizeof a->values) == 0;
}

}  // namespace

WebWindow::WebWindow(triangle::NumberFormat format) : controller_(*this, std::move(format)) {}

void WebWindow::OnOptionClick(int index) {
  controller_.OnOptionClick(static_cast<std::int16_t>(index));
  ShowCalculation();
}

void WebWindow::OnChosenOptionChosenAgain() {
  controller_.OnChosenOptionChosenAgain();
  ShowCalculation();
}

// The event boundary: a failed calculation is reported here and the page stays as the
// behaviour left it, so the user can correct the value and go on.
void WebWindow::OnCommandClick(int index) {
  try {
    controller_.OnCommandClick(static_cast<std::int16_t>(index));
  } catch (const std::exception& failure) {
    ReportFailure(design::FailureMessage(failure));
  }
  ShowCalculation();
}

void WebWindow::OnUnitChoice(int index) {
  if (index < 0 || index >= design::kLengthUnitCount) return;
  const auto unit = static_cast<design::LengthUnit>(index);
  if (unit == unit_) return;
  unit_ = unit;
  if (shown_) ShowTeaching();
  ShowLink();
}

std::string WebWindow::MeasuresAsText() const { return design::MeasuresAsText(*this); }

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

void WebWindow::ShowReadingNotice(triangle::QuantityIndex field, const ReadingNotice& notice) {
  const std::string text = design::ReadingNoticeText(field, notice, controller_.Format());
  page_show_reading_notice(field, text.data(), Length(text));
}

// The results' titles, the figure, the solution and the announcement follow what the fields
// show. The figure, the solution and the titles are written only when the calculation they show
// changes: choosing a measure before any calculation leaves them as they are.
void WebWindow::ShowCalculation() {
  const auto& calculation = controller_.LastCalculation();
  if (!SameCalculation(calculation, shown_)) ShowTeaching();
  const std::string announcement = calculation ? MeasuresAsText() : std::string();
  page_show_calculation(announcement.data(), Length(announcement));
  ShowLink();
}

// The address holds the calculation the fields show, as typed; without one, no fragment of
// ours. It is given a new fragment only when that changes, so that a fragment the page was
// opened with stays until there is a calculation to put in its place.
void WebWindow::ShowLink() {
  const auto& calculation = controller_.LastCalculation();
  const std::string link = calculation ? LinkFragment({.measure = calculation->given,
                                                       .text = FieldText(calculation->given),
                                                       .unit = unit_})
                                       : std::string();
  if (link == link_) return;
  link_ = link;
  page_show_link(link.data(), Length(link));
}

void WebWindow::ShowTeaching() {
  const auto& calculation = controller_.LastCalculation();
  shown_ = calculation;
  const triangle::NumberFormat& format = controller_.Format();
  const design::Figure figure =
      calculation ? design::DescribeFigure(calculation->given, calculation->values, format, unit_)
                  : design::DescribeFigure();
  const std::string markup = FigureContent(figure);
  const std::string figure_class = FigureClass(figure);
  page_show_figure(markup.data(), Length(markup), figure_class.data(), Length(figure_class),
                   figure.description.data(), Length(figure.description));
  // Each line as written, and as a screen reader should say it.
  std::string solution;
  std::string spoken;
  if (calculation) {
    for (const design::SolutionLine& line :
         design::SolutionSteps(calculation->given, calculation->values, format, unit_)) {
      solution.append(line.text).append("\n");
      spoken.append(line.spoken).append("\n");
    }
  }
  page_show_solution(solution.data(), Length(solution), spoken.data(), Length(spoken));
  const auto titles =
      calculation ? design::ResultExplanations(calculation->given, calculation->values, format)
                  : std::array<std::string, triangle::kQuantityCount>{};
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    const std::string& title = titles.at(static_cast<std::size_t>(k));
    page_set_field_title(k, title.data(), Length(title));
  }
}

void WebWindow::ReportFailure(std::string_view message) {
  page_report_failure(message.data(), Length(message));
}

}  // namespace web
