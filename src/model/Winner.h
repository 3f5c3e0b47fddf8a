#pragma once

#include <cstdint>

#include "model/Side.h"

// Who has won, valued as the score manager's Winner byte holds it.
enum class TWinner : uint8_t { None = 0, Blue = 1, Red = 2 };

constexpr TWinner WinnerOf(TSide Side) { return Side == TSide::Red ? TWinner::Red : TWinner::Blue; }
