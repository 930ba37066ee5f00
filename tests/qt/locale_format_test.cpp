#include "qt/locale_format.h"

#include <gtest/gtest.h>

namespace qt_ui {
namespace {

TEST(NumberFormatFromLocale, BulgarianUsesCommaAndNoBreakSpaceByThousands) {
  const auto format = NumberFormatFromLocale(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
  EXPECT_EQ(format, triangle::BulgarianFormat());
}

TEST(NumberFormatFromLocale, UnitedStatesUsesPointAndCommaByThousands) {
  const auto format = NumberFormatFromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(format, triangle::DecimalPointFormat());
}

TEST(NumberFormatFromLocale, ReadsIrregularGroupSizes) {
  const auto format = NumberFormatFromLocale(QLocale(QLocale::Hindi, QLocale::India));
  EXPECT_EQ(format.group_sizes, (std::vector<int>{3, 2}));
}

TEST(NumberFormatFromLocale, OmittedGroupSeparatorMeansNoGrouping) {
  QLocale locale(QLocale::English, QLocale::UnitedStates);
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  EXPECT_TRUE(NumberFormatFromLocale(locale).group_sizes.empty());
}

}  // namespace
}  // namespace qt_ui
