#pragma once

#include <QColor>
#include <cstdint>

// Colours are 0x00BBGGRR: red in the low byte (255 red, 16711680 blue), as
// they are stored in Dorvane.INI.
using TColor = int32_t;

constexpr TColor clUnlitLight = 2237734;  // a judge's light that is off

inline QColor ToQColor(TColor Color) {
  const auto Value = static_cast<uint32_t>(Color);
  return QColor(Value & 0xFF, (Value >> 8) & 0xFF, (Value >> 16) & 0xFF);
}

inline TColor FromQColor(const QColor& Color) {
  return TColor(Color.red() | (Color.green() << 8) | (Color.blue() << 16));
}
