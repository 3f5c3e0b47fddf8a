#pragma once

#include <QColor>

#include "model/Colors.h"

// The stored 0x00BBGGRR colours as Qt draws them, and back.
inline QColor ToQColor(TColor Color) {
  const auto Value = static_cast<uint32_t>(Color);
  return QColor(Value & 0xFF, (Value >> 8) & 0xFF, (Value >> 16) & 0xFF);
}

inline TColor FromQColor(const QColor& Color) {
  return TColor(Color.red() | (Color.green() << 8) | (Color.blue() << 16));
}
