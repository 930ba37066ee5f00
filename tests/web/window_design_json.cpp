// Writes the window's description for the page's tests: every control by its element id on the
// page, with its rectangle in twips and its background colour (null: the kind's default), and
// the client area with its colour, so that the tests check the page against the design rather
// than against a copy of it. Run at build time (under Node).
//   window_design_json OUTPUT_FILE
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "design/window_design.h"
#include "web/control_id.h"

namespace {

std::string Json(const design::TwipRect& rect) {
  return "[" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
         std::to_string(rect.width) + "," + std::to_string(rect.height) + "]";
}

std::string Json(const std::optional<design::Rgb>& colour) {
  if (!colour) return "null";
  return "[" + std::to_string(colour->red) + "," + std::to_string(colour->green) + "," +
         std::to_string(colour->blue) + "]";
}

std::string WindowDesignJson() {
  std::string json = "{\"clientArea\":" + Json(design::kClientArea) +
                     ",\"background\":" + Json(design::kWindowBackground) + ",\"controls\":[";
  bool first = true;
  for (const design::Control& control : design::kControls) {
    json += std::string(first ? "" : ",") + "\n{\"id\":\"" + web::ControlId(control) +
            "\",\"rect\":" + Json(control.rect) + ",\"background\":" + Json(control.background) +
            "}";
    first = false;
  }
  return json + "\n]}\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: window_design_json OUTPUT_FILE\n";
    return 2;
  }
  std::ofstream file(argv[1], std::ios::binary);
  file << WindowDesignJson();
  if (!file.flush()) {
    std::cerr << "window_design_json: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
