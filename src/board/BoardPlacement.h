#pragma once

#include <optional>

class QScreen;
class QString;

// Screen Number of the system's screens (0 is the primary); the primary
// screen when there is no such screen or no number.
QScreen* BoardScreen(std::optional<int> Number);

// The screen the board opens on: --screen's number when given, else the
// settings' [Config] BoardScreen (0, the primary, when missing or not a
// number of 0 or more).
std::optional<int> ChosenBoardScreen(std::optional<int> CommandLineScreen);

// "Name (width × height)" of a screen, as the "Board screen" menu lists it.
QString ScreenCaption(const QScreen& Screen);
