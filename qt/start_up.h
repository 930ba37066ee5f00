#pragma once

namespace qt_ui {

// Before the QApplication: where the user has no session bus, Qt's accessibility layer would
// have libdbus start one (dbus-launch, then a dbus-daemon that outlives the program and writes
// under the home folder). The program starts no process: it then goes on without a bus.
void RunWithoutABusWhereThereIsNone();

// While it exists, a failure of Qt to open a display (which Qt ends with abort() and advice to
// reinstall) ends the program with a plain message and status 1 instead.
class ExitCleanlyWithoutDisplay {
 public:
  ExitCleanlyWithoutDisplay();
  ~ExitCleanlyWithoutDisplay();
  ExitCleanlyWithoutDisplay(const ExitCleanlyWithoutDisplay&) = delete;
  ExitCleanlyWithoutDisplay& operator=(const ExitCleanlyWithoutDisplay&) = delete;
};

}  // namespace qt_ui
