#pragma once

namespace qt_ui {

// What every window of the program shares, set once before any widget is made: the style
// that shows the buttons' colours, the names, the version and the icon.
void ConfigureApplication();

}  // namespace qt_ui
