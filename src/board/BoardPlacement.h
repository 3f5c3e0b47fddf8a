#pragma once

#include <optional>

class QScreen;

// Screen Number of the system's screens (0 is the primary); the primary
// screen when there is no such screen or no number.
QScreen* BoardScreen(std::optional<int> Number);
