#include "web/early_choices.h"

#include <cstdint>
#include <string>
#include <utility>

#include "controller/main_window.h"
#include "platform/window_view.h"

namespace web {
namespace {

std::string JsonString(std::string_view text) {
  std::string json = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') json += '\\';
    json += c;
  }
  return json + "\"";
}

// Writes each call of the window interface as [method, field, value].
class CallRecorder final : public platform::WindowView {
 public:
  void ClearOption(triangle::QuantityIndex option) override { Record("clearOption", option, ""); }
  std::string FieldText(triangle::QuantityIndex) const override { return {}; }
  void SetFieldText(triangle::QuantityIndex field, std::string_view text) override {
    Record("setFieldText", field, "," + JsonString(text));
  }
  void SetFieldEnabled(triangle::QuantityIndex field, bool enabled) override {
    Record("setFieldEnabled", field, enabled ? ",true" : ",false");
  }
  void SetFieldMaxLength(triangle::QuantityIndex field, int max_length) override {
    Record("setFieldMaxLength", field, "," + std::to_string(max_length));
  }
  // Recorded are choices and clearing only: no calculation, and so nothing read, before the
  // module has started.
  void ShowReadingNotice(triangle::QuantityIndex, const ReadingNotice&) override {}

  // The calls since the last Take().
  std::string Take() { return "[" + std::exchange(calls_, {}) + "]"; }

 private:
  void Record(std::string_view method, triangle::QuantityIndex field, const std::string& rest) {
    if (!calls_.empty()) calls_ += ",";
    calls_ += "[" + JsonString(method) + "," + std::to_string(field) + rest + "]";
  }

  std::string calls_;
};

using controller::MainWindow;

}  // namespace

std::string EarlyChoicesJson() {
  std::string json = "[";
  for (std::int16_t before = MainWindow::kNoOption; before < triangle::kQuantityCount; ++before) {
    json += before == MainWindow::kNoOption ? "\n[" : ",\n[";
    for (std::int16_t event = 0; event <= triangle::kQuantityCount; ++event) {
      CallRecorder recorder;
      MainWindow window(recorder, triangle::NumberFormat{});
      window.OnFormLoad();
      if (before != MainWindow::kNoOption) window.OnOptionClick(before);
      recorder.Take();
      if (event < triangle::kQuantityCount) {
        window.OnOptionClick(event);
      } else {
        window.OnCommandClick(MainWindow::kClearButton);
      }
      json += (event == 0 ? "" : ",") + recorder.Take();
    }
    json += "]";
  }
  return json + "\n]";
}

}  // namespace web
