#pragma once

#include <QString>
#include <cstdint>

// The text an input record carries for an operator input kind, 0 to 9
// ("1 red point", "0.5 blue penalty", ...); any other code gives "".
QString InputKindText(uint8_t Code);
