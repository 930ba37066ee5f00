#include "model_check.h"

#include <gtest/gtest.h>

#include <random>

namespace controller::testing {
namespace {

// Texts that reach every state: results, failures (overflow once the limit is lifted, negative
// areas), unreadable text, and texts in the other settings' format.
const std::array<std::string, 14> kTypedTexts = {"12",    "-1", "0",   "1E200",   "9E99",
                                                 "abc",   "",   "2,5", "1 234,5", "&HFF",
                                                 "1e308", "-3", "0.5", "1,234.5"};

UserEvent RandomEvent(std::mt19937& random) {
  std::uniform_int_distribution<int> kind(0, 9);
  std::uniform_int_distribution<int> index(0, triangle::kQuantityCount - 1);
  std::uniform_int_distribution<std::size_t> text(0, kTypedTexts.size() - 1);
  const int roll = kind(random);
  const auto at = static_cast<triangle::QuantityIndex>(index(random));
  if (roll < 3) return {UserEvent::Kind::kChoose, at, ""};
  if (roll < 7) return {UserEvent::Kind::kType, at, kTypedTexts[text(random)]};
  if (roll < 9) return {UserEvent::Kind::kCalculate, 0, ""};
  return {UserEvent::Kind::kClear, 0, ""};
}

// 10,000 seeded random sessions of up to 30 actions each, under both number settings.
TEST(ModelCheck, ControllerFollowsTheStateTableInRandomSessions) {
  std::mt19937 random(20261209);
  std::uniform_int_distribution<int> length(1, 30);
  for (int session = 0; session < 10000; ++session) {
    const auto format =
        session % 2 == 0 ? triangle::DecimalPointFormat() : triangle::BulgarianFormat();
    ModelCheck check(format);
    const int events = length(random);
    for (int step = 0; step < events; ++step) {
      const UserEvent event = RandomEvent(random);
      const std::string difference = check.Apply(event);
      ASSERT_TRUE(difference.empty())
          << "session " << session << ", step " << step << ": " << difference;
    }
  }
}

}  // namespace
}  // namespace controller::testing
