#pragma once

#include <cstdint>

// The two competitors: red (hong) and blue (chong).
enum class TSide : uint8_t { Red, Blue };

constexpr TSide OpponentOf(TSide Side) { return Side == TSide::Red ? TSide::Blue : TSide::Red; }
