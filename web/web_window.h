#pragma once

#include <cstdint>
#include <string>

#include "controller/presentation.h"
#include "controller/presenter.h"
#include "platform/field_controls.h"
#include "triangle/number_format.h"

namespace web {

// The calculator window as a page: the page's options and fields, and the presenter that the
// page's events reach and whose presentation the page draws.
class WebWindow final : public platform::FieldControls {
 public:
  // Takes the page over as it was written: in the state loading the window leaves it in
  // (start_state.h), which is the state a new presenter is in. Loading it again would only
  // write every control with what it already shows.
  explicit WebWindow(triangle::NumberFormat format);

  // A click, a tap, Space or an arrow key chose the option, the chosen one included.
  void OnOptionChosen(int index);
  void OnCommandClick(int index);
  // The unit the solution and the figure label lengths with (design::LengthUnit's order);
  // they are redrawn with it at once. Others are ignored.
  void OnUnitChoice(int index);
  bool LockedFieldHintApplies() const { return presenter_.LockedFieldHintApplies(); }
  // Every measure as "caption: text" lines, what Ctrl+C copies and the announcement reads.
  std::string MeasuresAsText() const { return presenter_.MeasuresAsText(); }

  void ClearOption(triangle::QuantityIndex option) override;
  std::string FieldText(triangle::QuantityIndex field) const override;
  void SetFieldText(triangle::QuantityIndex field, std::string_view text) override;
  void SetFieldEnabled(triangle::QuantityIndex field, bool enabled) override;
  void SetFieldMaxLength(triangle::QuantityIndex field, int max_length) override;

 private:
  // What an event leaves: the notice, the failure, the teaching, the announcement, the link.
  void Draw(const controller::Presentation& shown);
  // The figure, the solution and the results' titles, when they changed since last drawn.
  void DrawTeaching(const controller::Presentation& shown);
  void DrawLink(const controller::Presentation& shown);  // the calculation in the address

  controller::Presenter presenter_;
  // The teaching the page shows: it is written showing none, as a new presenter starts, so
  // that loading the module redraws nothing.
  std::uint32_t drawn_teaching_;
  // The fragment the page's address was last given (none: the address as the page was opened).
  std::string link_;
};

}  // namespace web
