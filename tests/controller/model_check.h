#pragma once

#include <string>
#include <utility>

#include "controller/main_window.h"
#include "fake_window.h"
#include "reference_model.h"

namespace controller::testing {

// One thing a user does to the window.
struct UserEvent {
  enum class Kind { kChoose, kType, kCalculate, kClear } kind;
  triangle::QuantityIndex index = 0;  // the option chosen, or the field typed into
  std::string text;                   // what is typed
};

// Drives the real controller on a fake window and the reference model side by side.
class ModelCheck {
 public:
  explicit ModelCheck(const triangle::NumberFormat& format)
      : window_(view_, format), model_(format) {
    window_.OnFormLoad();
    model_.Load();
  }

  // Applies the event to both; returns what differs afterwards, or an empty text.
  std::string Apply(const UserEvent& event) {
    ReferenceModel::Failure expected = ReferenceModel::Failure::kNone;
    ReferenceModel::Failure raised = ReferenceModel::Failure::kNone;
    switch (event.kind) {
      case UserEvent::Kind::kChoose:
        view_.Choose(event.index);
        window_.OnOptionClick(event.index);
        model_.Choose(event.index);
        break;
      case UserEvent::Kind::kType:
        view_.Type(event.index, event.text);
        model_.Type(event.index, event.text);
        break;
      case UserEvent::Kind::kCalculate:
        expected = model_.Calculate();
        raised = Press(MainWindow::kCalculateButton);
        break;
      case UserEvent::Kind::kClear:
        model_.Clear();
        raised = Press(MainWindow::kClearButton);
        break;
    }
    if (raised != expected) return "the calculation's failure differs";
    if (window_.SelectedOption() != model_.selected) return "the selected option differs";
    if (view_.chosen != model_.chosen) return "the chosen options differ";
    for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
      if (!(view_.fields[k] == model_.fields[k])) {
        return "field " + std::to_string(k) + " is " + Describe(view_.fields[k]) + ", expected " +
               Describe(model_.fields[k]);
      }
    }
    return {};
  }

 private:
  static std::string Describe(const Field& field) {
    return "'" + field.text + "' " + (field.enabled ? "enabled" : "disabled") + " max " +
           std::to_string(field.max_length);
  }

  ReferenceModel::Failure Press(std::int16_t button) {
    try {
      window_.OnCommandClick(button);
    } catch (const triangle::OverflowError&) {
      return ReferenceModel::Failure::kOverflow;
    } catch (const triangle::InvalidArgumentError&) {
      return ReferenceModel::Failure::kInvalidArgument;
    }
    return ReferenceModel::Failure::kNone;
  }

  FakeWindow view_;
  MainWindow window_;
  ReferenceModel model_;
};

}  // namespace controller::testing
