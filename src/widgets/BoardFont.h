#pragma once

#include <QFont>
#include <QString>

// The family of the board's text font: Liberation Sans Bold, which has
// Arial's metrics, so the board looks the same on every machine. The system's
// copy when installed, else the one shipped with the program, registered at
// the first call.
QString BoardFontFamily();

// The board's bold text font with its character height in pixels, without
// hinting: the board is read from afar, at sizes where fitting stems to the
// pixel grid shows no difference, and the hinter's analysis of each glyph
// made its first paint about a millisecond later.
QFont BoardFont(int PixelSize);
