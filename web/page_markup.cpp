#include "web/page_markup.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <string>

#include "design/derived_texts.h"
#include "design/pixels.h"
#include "design/texts.h"
#include "triangle/quantity_index.h"
#include "web/control_id.h"

namespace web {
namespace {

using design::Control;
using design::ControlKind;
namespace texts = design::texts;

std::string Number(int value) { return std::to_string(value); }

std::string Attribute(std::string_view name, std::string_view value) {
  return " " + std::string(name) + "=\"" + EscapeHtml(value) + "\"";
}

std::string_view MeasureName(int index) {
  return texts::kMeasureNames.at(static_cast<std::size_t>(index));
}

bool InMeasureGroup(ControlKind kind) {
  return kind == ControlKind::kOption || kind == ControlKind::kQuantityField;
}

// The option group's name for screen readers: the accessible names' prefix without ": ".
std::string_view GroupName() {
  std::string_view name = texts::kOptionNamePrefix;
  return name.substr(0, name.find(':'));
}

std::string ControlMarkup(const Control& control, const StartState& state, bool first) {
  const std::string id = Attribute("id", ControlId(control));
  const auto index = static_cast<triangle::QuantityIndex>(control.index);
  switch (control.kind) {
    case ControlKind::kInfoField:
      // Read-only, yet reachable with Tab and selectable; the first control has the focus.
      return "<textarea" + id + " class=\"control info\" readonly" +
             Attribute("aria-label", texts::kInfoFieldNames.at(index)) +
             (first ? " autofocus" : "") + ">" + EscapeHtml(control.text) + "</textarea>\n";
    case ControlKind::kLabel:
      return "<p" + id + " class=\"control label\">" + EscapeHtml(control.text) + "</p>\n";
    case ControlKind::kOption:
      return "<label" + id + " class=\"control option\"" +
             Attribute("title", design::OptionTooltip(index)) +
             "><input type=\"radio\" name=\"given\"" + Attribute("id", "radio-" + Number(index)) +
             Attribute("value", Number(index)) +
             Attribute("aria-label", design::OptionAccessibleName(index)) +
             (state.chosen(index) ? " checked" : "") + "><span>" + EscapeHtml(control.text) +
             "</span></label>\n";
    case ControlKind::kQuantityField: {
      const StartState::Field& field = state.field(index);
      return "<input" + id +
             " class=\"control field\" type=\"text\" inputmode=\"decimal\" autocomplete=\"off\" "
             "spellcheck=\"false\"" +
             Attribute("aria-label", MeasureName(index)) +
             Attribute("data-max-length", Number(field.max_length)) +
             Attribute("value", field.text) + (field.enabled ? "" : " readonly") +
             // Read-only and empty, a field is no stop for Tab; with a result, it is.
             (field.enabled || !field.text.empty() ? "" : " tabindex=\"-1\"") + ">\n";
    }
    case ControlKind::kCommandButton:
      return "<button" + id + " class=\"control command\" type=\"button\"" +
             Attribute("aria-keyshortcuts",
                       texts::kCommandKeyNames.at(static_cast<std::size_t>(control.index))) +
             ">" + EscapeHtml(control.text) + "</button>\n";
  }
  return {};
}

std::string PixelBox(const design::TwipRect& rect) {
  const design::PixelRect box = design::ToPixels(rect);
  return "left:" + Number(box.left) + "px;top:" + Number(box.top) +
         "px;width:" + Number(box.width) + "px;height:" + Number(box.height) + "px";
}

// On a touch screen every control must be a target of at least 44 x 44 CSS pixels: the design's
// layout, scaled by the smallest control's height to that size, where the screen is wide
// enough for it, and the one-column layout otherwise. With a mouse the design is kept exact.
constexpr int kTouchTarget = 44;
constexpr int kPagePadding = 16;

int SmallestControlHeight() {
  int smallest = design::ToPixels(design::kClientArea).height;
  for (const Control& control : design::kControls) {
    smallest = std::min(smallest, design::ToPixels(control.rect).height);
  }
  return smallest;
}

// The scale in hundredths: rounded up, and one more, so that the layout's own rounding never
// leaves the smallest control a fraction short.
int TouchZoomHundredths() {
  const int smallest = SmallestControlHeight();
  return (kTouchTarget * 100 + smallest - 1) / smallest + 1;
}

std::string TouchZoom() {
  char zoom[16];
  std::snprintf(zoom, sizeof zoom, "%d.%02d", TouchZoomHundredths() / 100,
                TouchZoomHundredths() % 100);
  return zoom;
}

// The narrowest screen that holds the scaled window with the page's room around it.
int TouchLayoutMinWidth() {
  const int width = design::ToPixels(design::kClientArea).width;
  return (width * TouchZoomHundredths() + 99) / 100 + 2 * kPagePadding + 1;
}

// Narrower than the design, the window is one grid of two columns, and every control has its
// own cell by its kind and index, never the next free one: the title across the top, then a row
// for each measure (its option on the left, its field beside it), the buttons side by side, the
// figure and the solution (page.js puts them into the window's column there), the texts last.
// A rule lost or a control added cannot move a field beside another measure's option.
constexpr int kTitleRow = 1;
constexpr int kFirstMeasureRow = kTitleRow + 1;
constexpr int kButtonRow = kFirstMeasureRow + triangle::kQuantityCount;
constexpr int kTeachingRow = kButtonRow + 1;
constexpr int kFirstTextRow = kTeachingRow + 1;

std::string GridArea(int row, int column, bool whole_row) {
  return "grid-area:" + Number(row) + "/" + Number(column) + (whole_row ? "/auto/-1" : "");
}

std::string NarrowCell(const Control& control) {
  switch (control.kind) {
    case ControlKind::kLabel:
      return GridArea(kTitleRow, 1, true);
    case ControlKind::kOption:
      return GridArea(kFirstMeasureRow + control.index, 1, false);
    case ControlKind::kQuantityField:
      return GridArea(kFirstMeasureRow + control.index, 2, false);
    case ControlKind::kCommandButton:
      return GridArea(kButtonRow, 1 + control.index, false);
    case ControlKind::kInfoField:
      return GridArea(kFirstTextRow + control.index, 1, true);
  }
  return {};
}

}  // namespace

std::string DesignLayoutMedia() {
  const std::string width =
      "(min-width:" + Number(design::ToPixels(design::kClientArea).width) + "px)";
  return width + " and (pointer:fine)," + width +
         " and (pointer:none),(min-width:" + Number(TouchLayoutMinWidth()) + "px)";
}

std::string HexColour(const design::Rgb& colour) {
  constexpr std::string_view kDigits = "0123456789abcdef";
  std::string hex = "#";
  for (int part : {colour.red, colour.green, colour.blue}) {
    hex += kDigits[static_cast<std::size_t>(part / 16)];
    hex += kDigits[static_cast<std::size_t>(part % 16)];
  }
  return hex;
}

namespace {

// The program's name: the window's caption without the address in front of it.
std::string_view ProgramName() {
  const std::string_view title = texts::kWindowTitle;
  return title.substr(title.find(' ') + 1);
}

}  // namespace

std::string CssColour(const design::Rgb& colour) {
  return "rgb(" + Number(colour.red) + ", " + Number(colour.green) + ", " + Number(colour.blue) +
         ")";
}

std::string WindowMarkup(const StartState& state) {
  std::string markup;
  bool in_group = false;
  bool first = true;
  for (const Control& control : design::kControls) {
    if (InMeasureGroup(control.kind) != in_group) {
      in_group = !in_group;
      markup += in_group ? "<fieldset class=\"measures\"><legend class=\"visually-hidden\">" +
                               EscapeHtml(GroupName()) + "</legend>\n"
                         : "</fieldset>\n";
    }
    markup += ControlMarkup(control, state, first);
    first = false;
  }
  if (in_group) markup += "</fieldset>\n";
  return markup;
}

std::string WindowCss() {
  const design::PixelRect client = design::ToPixels(design::kClientArea);
  std::string css = ".window{font-family:\"" + std::string(design::kFont.family) +
                    "\",\"Liberation Serif\",serif;font-size:" + Number(design::kFont.points) +
                    "pt;font-weight:" + Number(design::kFont.weight) + "}\n" +
                    ".client{background-color:" + CssColour(design::kWindowBackground) + "}\n";
  std::string layout;
  css += ".client>.teaching{" + GridArea(kTeachingRow, 1, true) + "}\n";
  for (const Control& control : design::kControls) {
    const std::string selector = "#" + ControlId(control);
    std::string look = NarrowCell(control) + ";";
    if (control.background) look += "background-color:" + CssColour(*control.background) + ";";
    if (!control.border) look += "border:0;";
    if (control.vertical_scroll_bar) look += "overflow-y:scroll;";
    if (control.alignment == design::Alignment::kCentre) {
      look += "text-align:center;justify-content:center;";
    }
    css += selector + "{" + look + "}\n";
    layout += selector + "{" + PixelBox(control.rect) + "}\n";
  }
  // Of the two overlapping information fields, the statement stays readable, as on the desktop.
  layout += "#info-0{z-index:1}\n";
  const std::string width = Number(client.width) + "px";
  css += "@media " + DesignLayoutMedia() + "{\n.window{width:" + width + "}\n" +
         ".client{display:block;position:relative;width:" + width +
         ";height:" + Number(client.height) + "px;padding:0;overflow:hidden}\n" +
         ".control{position:absolute;margin:0;min-height:0}\n" + layout + "}\n";
  // Printed, the window has no buttons and no texts (page.css): it ends under its lowest
  // remaining control, with as much room as it has on their left.
  int printed_bottom = 0;
  int printed_left = design::kClientArea.width;
  for (const Control& control : design::kControls) {
    if (control.kind == ControlKind::kInfoField || control.kind == ControlKind::kCommandButton) {
      continue;
    }
    printed_bottom = std::max(printed_bottom, control.rect.top + control.rect.height);
    printed_left = std::min(printed_left, control.rect.left);
  }
  css += "@media print{@media " + DesignLayoutMedia() +
         "{.client{height:" + Number(design::TwipsToPixels(printed_bottom + printed_left, 96)) +
         "px}}}\n";
  // Room around the window once the page is wide enough for it.
  css += "@media (min-width:" + Number(client.width + 32) + "px){.page{padding:16px}}\n";
  css += "@media (pointer:coarse) and (min-width:" + Number(TouchLayoutMinWidth()) +
         "px){.window{zoom:" + TouchZoom() + "}}\n";
  return css;
}

std::string LengthHintMarkup() {
  return "<p id=\"length-hint\" class=\"length-hint\" role=\"status\"" +
         Attribute("data-milliseconds", Number(design::kLengthLimitHintMilliseconds)) + " hidden>" +
         EscapeHtml(texts::kLengthLimitHintBefore) + "<span id=\"length-limit\"></span>" +
         EscapeHtml(texts::kLengthLimitHintAfter) + "</p>\n";
}

// Shown and placed by the page at a field a calculation locked, when it is clicked or typed
// into; its text is put in when it shows, so that screen readers hear it each time.
std::string LockedHintMarkup() {
  return "<p id=\"locked-hint\" class=\"length-hint locked-hint\" role=\"status\"" +
         Attribute("data-text", design::LockedFieldHint()) + " hidden></p>\n";
}

// Says for a moment, at the foot of the screen, that a copy reached the clipboard.
std::string CopyNoticeMarkup() {
  return "<p id=\"copy-notice\" class=\"copy-notice\" role=\"status\"" +
         Attribute("data-solution", texts::kSolutionCopied) +
         Attribute("data-measures", texts::kMeasuresCopied) +
         Attribute("data-link", texts::kLinkCopied) + "></p>\n";
}

// Filled and placed by the page when a calculation read a field otherwise than as a whole.
std::string ReadingNoticeMarkup() {
  return "<p id=\"reading-notice\" class=\"length-hint reading-notice\"" +
         Attribute("aria-label", texts::kReadingNoticeName) + " hidden></p>\n";
}

std::string Manifest() {
  const std::string colour = HexColour(design::kWindowBackground);
  const std::string_view name = ProgramName();
  const std::string_view short_name = name.substr(name.rfind(" - ") + 3);
  return "{\n  \"name\": \"" + std::string(name) + "\",\n  \"short_name\": \"" +
         std::string(short_name) +
         "\",\n  \"id\": \"ravnostranen\",\n  \"lang\": \"bg\",\n  \"start_url\": \".\",\n  "
         "\"scope\": \".\",\n"
         "  \"display\": \"standalone\",\n  \"background_color\": \"" +
         colour + "\",\n  \"theme_color\": \"" + colour +
         "\",\n  \"icons\": [\n"
         "    {\"src\": \"icon-192.png\", \"sizes\": \"192x192\", \"type\": \"image/png\"},\n"
         "    {\"src\": \"icon-512.png\", \"sizes\": \"512x512\", \"type\": \"image/png\"}\n"
         "  ]\n}\n";
}

}  // namespace web
