#include "win32/user_locale.h"

#include <windows.h>

#include "win32/wide_text.h"

namespace win32_ui {
namespace {

std::string LocaleText(LCTYPE type) {
  wchar_t text[LOCALE_NAME_MAX_LENGTH] = {};  // the longest value, SGROUPING, has at most 10
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, LOCALE_NAME_MAX_LENGTH);
  if (length <= 1) return {};
  return Narrow(std::wstring_view(text, static_cast<std::size_t>(length - 1)));
}

}  // namespace

LocaleNumberSettings UserNumberSettings() {
  return {.decimal_separator = LocaleText(LOCALE_SDECIMAL),
          .thousands_separator = LocaleText(LOCALE_STHOUSAND),
          .grouping = LocaleText(LOCALE_SGROUPING),
          .leading_zero = LocaleText(LOCALE_ILZERO),
          .negative_number = LocaleText(LOCALE_INEGNUMBER)};
}

}  // namespace win32_ui
