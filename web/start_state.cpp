#include "web/start_state.h"

#include "controller/main_window.h"

namespace web {

StartState::StartState() {
  chosen_.fill(true);  // so that the page shows only what loading really clears
  controller::MainWindow window(*this, triangle::NumberFormat{});
  window.OnFormLoad();
}

}  // namespace web
