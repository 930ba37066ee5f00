#pragma once

namespace qt_ui {

// Tells screen readers what a measure's field is: a text that takes typing while editable, and
// a read-only text, not an editable one, while locked. (Qt's own line edit reports every line
// edit editable, read-only or not.) Called once, after the application object exists.
void InstallFieldAccessibility();

}  // namespace qt_ui
