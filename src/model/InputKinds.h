#pragma once

#include <QString>
#include <cstdint>

// An operator input kind as the record file counts it.
enum class TInputKind : uint8_t {
  BlueThreePoints = 0,
  BlueTwoPoints = 1,
  BluePoint = 2,
  BlueDeduction = 3,
  BlueWarning = 4,
  RedThreePoints = 5,
  RedTwoPoints = 6,
  RedPoint = 7,
  RedDeduction = 8,
  RedWarning = 9,
};

// The text an input record carries for an operator input kind, 0 to 9
// ("1 red point", "0.5 blue penalty", ...); any other code gives "".
QString InputKindText(uint8_t Code);
inline QString InputKindText(TInputKind Kind) { return InputKindText(static_cast<uint8_t>(Kind)); }
