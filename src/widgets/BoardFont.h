#pragma once

#include <QFont>
#include <QString>

// The family of the board's text font: Liberation Sans Bold, shipped with the
// program, which has Arial's metrics, so the board looks the same on every
// machine. Registered at the first call.
QString BoardFontFamily();

// The board's bold text font with its character height in pixels.
QFont BoardFont(int PixelSize);
