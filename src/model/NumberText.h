#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

// Numbers as the settings file and the dialogs write them.

// The user's locale for numbers, without group separators: "1,5" must not
// read as 15 in a locale whose decimal separator is a point.
QLocale NumberLocale();

// A whole number: decimal with an optional sign, or hexadecimal after "$" or
// after "0x"/"0X" (hexadecimal up to 8 digits, taken as the 32-bit pattern,
// so $FFFFFFFF is -1). Blanks around it are ignored. nullopt when the text is
// anything else or does not fit in 32 bits.
std::optional<int32_t> ParseIntegerText(const QString& Text);

// A decimal number in the locale's notation; nullopt when it does not read
// or is not finite (inf, nan, 1e400).
std::optional<double> ParseFloatText(const QString& Text);

// The shortest general form with up to 15 significant digits and the
// locale's decimal separator: 180 gives "180", 10.5 gives "10.5".
QString FormatFloatText(double Value);
