#pragma once

#include <QRect>
#include <QString>
#include <ostream>

// Lets GoogleTest show a QString as text and a QRect as its place and size in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QRect& rect, std::ostream* out) {
  *out << rect.width() << "x" << rect.height() << " at " << rect.x() << "," << rect.y();
}
