#pragma once

#include <cstdint>

// Colours are 0x00BBGGRR: red in the low byte (255 red, 16711680 blue), as
// they are stored in Dorvane.INI.
using TColor = int32_t;

constexpr TColor clUnlitLight = 2237734;  // a judge's light that is off
