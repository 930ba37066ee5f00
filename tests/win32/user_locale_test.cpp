// The user's number settings as Windows reports them, under the locale the test is started
// with (TRIANGLE_TEST_LOCALE names it; Wine takes it from LANG).
#include "win32/user_locale.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "triangle/format_result.h"
#include "win32/number_settings.h"
#include "win32/wide_text.h"

namespace win32_ui {
namespace {

struct LocaleCase {
  std::string name;
  std::string shown;  // 1234567.5 as the calculator shows it there
};

const LocaleCase kLocales[] = {
    {"bg-BG", "1\u00A0234\u00A0567,5000"},
    {"en-US", "1,234,567.5000"},
};

TEST(UserLocale, NumbersAreShownInTheUsersFormat) {
  const char* wanted = std::getenv("TRIANGLE_TEST_LOCALE");
  if (wanted == nullptr) GTEST_SKIP() << "started without TRIANGLE_TEST_LOCALE";
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
  ASSERT_EQ(Narrow(name), wanted);
  for (const LocaleCase& locale : kLocales) {
    if (locale.name != wanted) continue;
    const triangle::NumberFormat format = NumberFormatFromLocale(UserNumberSettings());
    EXPECT_EQ(triangle::FormatResult(1234567.5, format), locale.shown);
    EXPECT_EQ(triangle::FormatResult(-0.25, format).substr(0, 2), "-0");
    return;
  }
  FAIL() << "no expectations for " << wanted;
}

}  // namespace
}  // namespace win32_ui
