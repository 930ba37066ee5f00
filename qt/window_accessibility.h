#pragma once

namespace qt_ui {

// Tells screen readers that each of the program's windows is a window. Qt gives a top-level
// window made from a plain QWidget the role of a client area, which AT-SPI reports as a
// "filler". Called once, after the application object exists.
void InstallWindowAccessibility();

}  // namespace qt_ui
