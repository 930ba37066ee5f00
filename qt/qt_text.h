#pragma once

#include <QString>
#include <string_view>

namespace qt_ui {

// The program's texts are UTF-8.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace qt_ui
