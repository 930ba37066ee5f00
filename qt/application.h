#pragma once

class QLocale;
class QTranslator;

namespace qt_ui {

// What every window of the program shares, set once before any widget is made: the style,
// the names (the desktop entry's among them), the version and the icon.
void ConfigureApplication();

// Installs Qt's own translations (message box buttons, the fields' context menu) for the
// locale, from Qt's translations folder. Returns the installed translator, owned by the
// application, or nullptr when Qt has none for the locale.
QTranslator* InstallQtTranslations(const QLocale& locale);

}  // namespace qt_ui
