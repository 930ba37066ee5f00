#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "controller/main_window.h"
#include "design/figure.h"
#include "design/solution.h"
#include "triangle/quantity_index.h"

namespace controller {

// Everything the window shows beyond its fields' texts, as it stands after an event: each
// edition draws exactly this, in its own toolkit, and decides none of it.
struct Presentation {
  // How a calculation read the chosen field, to be told at that field.
  struct Notice {
    triangle::QuantityIndex field;
    std::string text;
  };

  // The calculation the fields show, at full precision; none before the first, after choosing
  // a measure or clearing, and after a failure.
  std::optional<MainWindow::Calculation> calculation;
  // The unit the solution and the figure label lengths with.
  design::LengthUnit unit = design::LengthUnit::kNone;

  // The teaching, which follows the calculation and the unit: each field's explanation (its
  // tooltip or title; empty for none), the solution's lines as written and as said (none
  // without a calculation), the same joined (each line ending in "\n"), and the figure.
  std::array<std::string, triangle::kQuantityCount> explanations;
  std::vector<design::SolutionLine> solution;
  std::string solution_text;
  std::string spoken_solution;
  design::Figure figure;
  // Grows by one whenever the teaching changes, so that an edition may redraw it only then.
  std::uint32_t teaching_revision = 0;

  // What screen readers are told after the event: every measure as a line "caption: text"
  // after a calculation, nothing otherwise.
  std::string announcement;
  // The notice to show; none: no notice, nor the locked field's hint, stays shown.
  std::optional<Notice> reading_notice;
  // The message to report when the event failed; empty when it did not.
  std::string failure;
};

}  // namespace controller
