#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "controller/main_window.h"
#include "controller/presentation.h"
#include "platform/field_controls.h"
#include "platform/window_view.h"
#include "triangle/number_format.h"

namespace controller {

// The one place between a window's events and what it shows. Each edition sends it the
// user's events and draws the presentation each returns; the presenter runs the behaviour
// (MainWindow) over the edition's fields, catches a failure of the core at this boundary and
// turns it into the message to show, and decides every explanation, solution, figure,
// announcement and notice. The presentation returned stays valid until the next event.
class Presenter {
 public:
  // Whether the explanations end with the line that says F1 opens the solution window.
  enum class SolutionWindowKey { kMentioned, kNone };

  // `fields` must outlive this object. The presenter starts as loading the window leaves it,
  // without writing a control: an edition whose controls are made in that state need not load.
  Presenter(platform::FieldControls& fields, triangle::NumberFormat format,
            SolutionWindowKey key = SolutionWindowKey::kMentioned);
  Presenter(const Presenter&) = delete;
  Presenter& operator=(const Presenter&) = delete;

  const Presentation& OnLoad();
  // A click, a tap, Space or an arrow key chose option `index`. The option already chosen
  // keeps what was typed into its field; after a calculation its field takes a new value.
  // Indices outside 0..7 change nothing.
  const Presentation& OnOptionChosen(int index);
  // MainWindow::kCalculateButton or kClearButton; others change nothing but the notices.
  const Presentation& OnCommandClick(int index);
  // The unit in design::LengthUnit's order; others are ignored. The reading notice stays.
  const Presentation& OnUnitChoice(int index);

  // A locked field was clicked or typed into: whether its hint ("choose the measure again, or
  // press Изтрий") is to show at it. Only a calculation's lock has it: before one, a field waits
  // for its measure to be chosen, which that hint does not say.
  bool LockedFieldHintApplies() const { return behaviour_.FieldsLockedByCalculation(); }

  const Presentation& Shown() const { return shown_; }
  const MainWindow& Behaviour() const { return behaviour_; }
  // Every measure as "caption: text" lines, each ending in `line_break`: what Ctrl+C copies.
  std::string MeasuresAsText(std::string_view line_break = "\n") const;

 private:
  // The window the behaviour writes to: the edition's fields, with the notices kept here.
  class Window final : public platform::WindowView {
   public:
    Window(platform::FieldControls& fields, Presenter& presenter)
        : fields_(fields), presenter_(presenter) {}
    void ClearOption(triangle::QuantityIndex option) override;
    std::string FieldText(triangle::QuantityIndex field) const override;
    void SetFieldText(triangle::QuantityIndex field, std::string_view text) override;
    void SetFieldEnabled(triangle::QuantityIndex field, bool enabled) override;
    void SetFieldMaxLength(triangle::QuantityIndex field, int max_length) override;
    void ShowReadingNotice(triangle::QuantityIndex field, const ReadingNotice& notice) override;

   private:
    platform::FieldControls& fields_;
    Presenter& presenter_;
  };

  // Starts an event: no notice or failure of the last one stays.
  void BeginEvent();
  // Ends an event: the calculation, the teaching when it changed, the announcement.
  const Presentation& EndEvent();
  void Teach();

  platform::FieldControls& fields_;
  Window window_;
  MainWindow behaviour_;
  SolutionWindowKey key_;
  bool option_shown_chosen_ = false;  // the chosen option shows chosen (clearing unchooses it)
  Presentation shown_;
};

}  // namespace controller
