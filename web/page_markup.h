#pragma once

#include <string>
#include <string_view>

#include "design/window_design.h"
#include "web/html_text.h"
#include "web/start_state.h"

// The parts of the page that come from the window's description, as HTML, CSS and JSON.
namespace web {

// "rgb(192, 192, 255)", as browsers report computed colours.
std::string CssColour(const design::Rgb& colour);
// "#c0c0ff", for the manifest and the theme colour.
std::string HexColour(const design::Rgb& colour);

// The window's controls in tab order, in the state the behaviour starts them in.
std::string WindowMarkup(const StartState& state);
// Font, colours and borders at every width; every control at its rectangle from the design's
// width on (CSS pixels are twips / 15).
std::string WindowCss();
// The media query under which the window has the design's layout: from the design's width with
// a mouse, from the width that holds it scaled up on a touch screen.
std::string DesignLayoutMedia();
// Shown at a quantity field that refused an edit; page.js puts the field's limit in it.
std::string LengthHintMarkup();
std::string ReadingNoticeMarkup();
// Shown at a locked field that is clicked or typed into: how to go on.
std::string LockedHintMarkup();
// Says that a copy reached the clipboard; page.js puts in the text of what was copied.
std::string CopyNoticeMarkup();
// The web app manifest: the program's Bulgarian name, its icons and the window's colour.
std::string Manifest();
// The figure before any calculation, as an <svg> element; the module redraws its content.
std::string FigureMarkup();
// The figure with the solution beside it, after the window.
std::string TeachingMarkup();

}  // namespace web
