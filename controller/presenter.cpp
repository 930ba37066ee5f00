#include "controller/presenter.h"

#include <cstring>
#include <exception>
#include <utility>

#include "design/derived_texts.h"

namespace controller {
namespace {

// Bit for bit, so that -0 and +0, which are written differently, count as different.
bool SameCalculation(const std::optional<MainWindow::Calculation>& a,
                     const std::optional<MainWindow::Calculation>& b) {
  if (!a || !b) return !a && !b;
  return a->given == b->given &&
         std::memcmp(a->values.data(), b->values.data(), sizeof a->values) == 0;
}

}  // namespace

Presenter::Presenter(platform::FieldControls& fields, triangle::NumberFormat format,
                     SolutionWindowKey key)
    : fields_(fields), window_(fields, *this), behaviour_(window_, std::move(format)), key_(key) {
  Teach();
}

const Presentation& Presenter::OnLoad() {
  BeginEvent();
  behaviour_.OnFormLoad();
  option_shown_chosen_ = false;
  return EndEvent();
}

const Presentation& Presenter::OnOptionChosen(int index) {
  BeginEvent();
  if (!triangle::IsQuantityIndex(index)) return EndEvent();
  const auto option = static_cast<triangle::QuantityIndex>(index);
  if (option_shown_chosen_ && option == behaviour_.SelectedOption()) {
    behaviour_.OnChosenOptionChosenAgain();
  } else {
    behaviour_.OnOptionClick(option);
    option_shown_chosen_ = true;
  }
  return EndEvent();
}

// The event boundary: a failed calculation is reported, and the window stays as the behaviour
// left it, so that the user can correct the value and go on.
const Presentation& Presenter::OnCommandClick(int index) {
  BeginEvent();
  try {
    behaviour_.OnCommandClick(static_cast<std::int16_t>(index));
  } catch (const std::exception& failure) {
    shown_.failure = design::FailureMessage(failure);
  }
  if (index == MainWindow::kClearButton) option_shown_chosen_ = false;
  return EndEvent();
}

// A unit changes the teaching only; the notice stays, and a failure, already reported, is not
// reported again.
const Presentation& Presenter::OnUnitChoice(int index) {
  shown_.failure.clear();
  if (index < 0 || index >= design::kLengthUnitCount) return shown_;
  const auto unit = static_cast<design::LengthUnit>(index);
  if (unit != shown_.unit) {
    shown_.unit = unit;
    Teach();
  }
  return shown_;
}

std::string Presenter::MeasuresAsText(std::string_view line_break) const {
  return design::MeasuresAsText(fields_, line_break);
}

void Presenter::BeginEvent() {
  shown_.reading_notice.reset();
  shown_.failure.clear();
}

const Presentation& Presenter::EndEvent() {
  if (!SameCalculation(behaviour_.LastCalculation(), shown_.calculation)) Teach();
  shown_.announcement = shown_.calculation ? MeasuresAsText() : std::string();
  return shown_;
}

void Presenter::Teach() {
  Presentation& shown = shown_;
  shown.calculation = behaviour_.LastCalculation();
  shown.solution.clear();
  shown.solution_text.clear();
  shown.spoken_solution.clear();
  shown.explanations = {};
  ++shown.teaching_revision;
  if (!shown.calculation) {
    shown.figure = design::DescribeFigure();
    return;
  }
  const MainWindow::Calculation& calculation = *shown.calculation;
  const triangle::NumberFormat& format = behaviour_.Format();
  shown.explanations = design::ResultExplanations(calculation.given, calculation.values, format);
  if (key_ == SolutionWindowKey::kMentioned) {
    for (std::string& explanation : shown.explanations) {
      explanation = design::WithSolutionWindowLine(std::move(explanation));
    }
  }
  shown.solution = design::SolutionSteps(calculation.given, calculation.values, format, shown.unit);
  for (const design::SolutionLine& line : shown.solution) {
    shown.solution_text.append(line.text).append("\n");
    shown.spoken_solution.append(line.spoken).append("\n");
  }
  shown.figure = design::DescribeFigure(calculation.given, calculation.values, format, shown.unit);
}

void Presenter::Window::ClearOption(triangle::QuantityIndex option) { fields_.ClearOption(option); }

std::string Presenter::Window::FieldText(triangle::QuantityIndex field) const {
  return fields_.FieldText(field);
}

void Presenter::Window::SetFieldText(triangle::QuantityIndex field, std::string_view text) {
  fields_.SetFieldText(field, text);
}

void Presenter::Window::SetFieldEnabled(triangle::QuantityIndex field, bool enabled) {
  fields_.SetFieldEnabled(field, enabled);
}

void Presenter::Window::SetFieldMaxLength(triangle::QuantityIndex field, int max_length) {
  fields_.SetFieldMaxLength(field, max_length);
}

void Presenter::Window::ShowReadingNotice(triangle::QuantityIndex field,
                                          const ReadingNotice& notice) {
  presenter_.shown_.reading_notice = Presentation::Notice{
      .field = field,
      .text = design::ReadingNoticeText(field, notice, presenter_.behaviour_.Format())};
}

}  // namespace controller
