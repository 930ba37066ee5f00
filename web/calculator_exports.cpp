// The functions page.js calls: one window a page, made once the page knows the reader's
// number settings.
#include <emscripten.h>

#include <memory>
#include <optional>
#include <string>

#include "triangle/group_sizes.h"
#include "web/calculation_link.h"
#include "web/web_window.h"

namespace {

std::unique_ptr<web::WebWindow> window;
std::string measures_text;                      // kept until the next call, for the page to read
std::optional<web::CalculationLink> read_link;  // the last fragment read, for the page to read

}  // namespace

extern "C" {

// The reader's separators, and a long integer as the browser writes it for them: the browser
// publishes no group sizes, so they are read off it.
EMSCRIPTEN_KEEPALIVE void calculator_start(const char* decimal_separator,
                                           const char* group_separator,
                                           const char* written_integer) {
  window = std::make_unique<web::WebWindow>(triangle::NumberFormat{
      .decimal_separator = decimal_separator,
      .group_separator = group_separator,
      .group_sizes = triangle::GroupSizesOf(written_integer, group_separator)});
}

// A click, a tap, Space or an arrow key chose the option, whether or not it was chosen.
EMSCRIPTEN_KEEPALIVE void calculator_option_chosen(int index) {
  if (window) window->OnOptionChosen(index);
}

EMSCRIPTEN_KEEPALIVE void calculator_command_click(int index) {
  if (window) window->OnCommandClick(index);
}

EMSCRIPTEN_KEEPALIVE void calculator_unit_choice(int index) {
  if (window) window->OnUnitChoice(index);
}

// Whether a locked field clicked, tapped or typed into shows the locked field's hint.
EMSCRIPTEN_KEEPALIVE int calculator_locked_hint_applies() {
  return window && window->LockedFieldHintApplies() ? 1 : 0;
}

// The calculation a fragment of the page's address holds: its measure (-1: not one of ours),
// then its text and unit.
EMSCRIPTEN_KEEPALIVE int calculator_read_link(const char* fragment) {
  read_link = web::ReadLinkFragment(fragment);
  return read_link ? read_link->measure : -1;
}

EMSCRIPTEN_KEEPALIVE const char* calculator_link_text() {
  return read_link ? read_link->text.c_str() : "";
}

EMSCRIPTEN_KEEPALIVE int calculator_link_unit() {
  return read_link ? static_cast<int>(read_link->unit) : 0;
}

EMSCRIPTEN_KEEPALIVE const char* calculator_measures_text() {
  measures_text = window ? window->MeasuresAsText() : std::string();
  return measures_text.c_str();
}

}  // extern "C"
