#pragma once

#include <string>

#include "design/figure.h"

// The figure as SVG, drawn from its description in design/: at build time for the page's
// start, and after every click by the module.
namespace web {

// The SVG elements of the figure, each drawn with its own ink (stroke, fill, width, dashes,
// the text's colour and style) and with classes for the forced colours: its part ("area",
// "reading", ...), the measures it shows ("m0".."m7") and "given"; each reading's value in a
// span of its own, "value-K".
std::string FigureContent(const design::Figure& figure);

// "figure", or "figure given-K" after a calculation from measure K.
std::string FigureClass(const design::Figure& figure);

}  // namespace web
