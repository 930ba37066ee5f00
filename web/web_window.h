#pragma once

#include <string>

#include "controller/main_window.h"
#include "platform/window_view.h"
#include "triangle/number_format.h"

namespace web {

// The calculator window as a page: the window interface over the page's controls, and the
// event boundary where the page's clicks reach the behaviour and failures are reported.
class WebWindow final : public platform::WindowView {
 public:
  explicit WebWindow(triangle::NumberFormat format);

  void Load();
  void OnOptionClick(int index);
  void OnCommandClick(int index);
  // Every measure as "caption: text" lines, what Ctrl+C copies and the announcement reads.
  std::string MeasuresAsText() const;

  void ClearOption(triangle::QuantityIndex option) override;
  std::string FieldText(triangle::QuantityIndex field) const override;
  void SetFieldText(triangle::QuantityIndex field, std::string_view text) override;
  void SetFieldEnabled(triangle::QuantityIndex field, bool enabled) override;
  void SetFieldMaxLength(triangle::QuantityIndex field, int max_length) override;
  void ShowReadingNotice(triangle::QuantityIndex field, const ReadingNotice& notice) override;

 private:
  void ShowCalculation();
  void ReportFailure(std::string_view message);

  controller::MainWindow controller_;
};

}  // namespace web
