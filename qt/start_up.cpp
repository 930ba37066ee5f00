#include "qt/start_up.h"

#include <sys/stat.h>

#include <QByteArray>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace qt_ui {
namespace {

QtMessageHandler previous_handler = nullptr;

// Written to the error stream when no graphical display can be opened.
constexpr std::string_view kNoDisplayMessage =
    "Програмата се нуждае от графичен дисплей (X11 или Wayland), а такъв не може да бъде "
    "отворен.\n"
    "This program needs a graphical display (X11 or Wayland) and could not open one.\n";

// Qt reports a display it cannot open as its one fatal message while it starts.
void ExitOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (previous_handler != nullptr) previous_handler(type, context, message);
    return;
  }
  std::fwrite(kNoDisplayMessage.data(), 1, kNoDisplayMessage.size(), stderr);
  std::fflush(stderr);
  std::_Exit(1);  // Qt is half started: no exit handlers
}

}  // namespace

void RunWithoutABusWhereThereIsNone() {
  if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return;
  // libdbus first looks for the user's bus here; only without one would it autolaunch.
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  struct stat bus {};
  if (!runtime.isEmpty() && stat((runtime + "/bus").constData(), &bus) == 0 &&
      S_ISSOCK(bus.st_mode)) {
    return;
  }
  // An address of no known transport: connecting fails at once and nothing is started.
  qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

ExitCleanlyWithoutDisplay::ExitCleanlyWithoutDisplay() {
  previous_handler = qInstallMessageHandler(ExitOnFatal);
}

ExitCleanlyWithoutDisplay::~ExitCleanlyWithoutDisplay() {
  qInstallMessageHandler(previous_handler);
}

}  // namespace qt_ui
