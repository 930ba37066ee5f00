#pragma once

#include "win32/number_settings.h"

namespace win32_ui {

// The number settings of the user's default locale, read with GetLocaleInfoEx.
LocaleNumberSettings UserNumberSettings();

}  // namespace win32_ui
