// The controller on arbitrary sequences of user actions, checked after every action against
// the reference model of the calculator's state table.
#include <cstdint>
#include <string>

#include "fuzz_settings.h"
#include "model_check.h"

using controller::testing::ModelCheck;
using controller::testing::UserEvent;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  ModelCheck check(FuzzedFormat(data[0], data[1]));
  std::size_t at = 2;
  while (at < size) {
    const std::uint8_t op = data[at++];
    UserEvent event{static_cast<UserEvent::Kind>(op % 4),
                    static_cast<triangle::QuantityIndex>((op / 4) % triangle::kQuantityCount), ""};
    if (event.kind == UserEvent::Kind::kType && at < size) {
      const std::size_t wanted = data[at++] % 16;
      const std::size_t length = std::min(wanted, size - at);
      event.text.assign(reinterpret_cast<const char*>(data + at), length);
      at += length;
    }
    if (!check.Apply(event).empty()) __builtin_trap();
  }
  return 0;
}
