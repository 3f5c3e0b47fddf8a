#pragma once

#include <QFont>
#include <QString>

// The family of the board's text font: Liberation Sans Bold, which has
// Arial's metrics, so the board looks the same on every machine. The system's
// copy when installed, else the one shipped with the program, registered at
// the first call.
QString BoardFontFamily();

// The board's bold text font with its character height in pixels.
QFont BoardFont(int PixelSize);
