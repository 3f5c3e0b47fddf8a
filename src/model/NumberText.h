#pragma once

#include <QChar>
#include <QString>
#include <cstdint>
#include <optional>

// Numbers as the settings file, the dialogs, the board and the records write
// them: always ASCII digits, so a file written under one locale reads the
// same under any other, and only the decimal separator follows the locale.

// The locale's decimal separator when it is "." or ","; "." otherwise. A
// locale with digits of its own (Arabic, Persian) has a separator that goes
// with those digits only, so ASCII digits take the point.
QChar DecimalSeparator();

// A whole number: decimal with an optional sign, or hexadecimal after "$" or
// after "0x"/"0X" (hexadecimal up to 8 digits, taken as the 32-bit pattern,
// so $FFFFFFFF is -1). Decimal digits of any script count (files written by
// older versions under a locale with digits of its own). Blanks around it are
// ignored. nullopt when the text is anything else or does not fit in 32 bits.
std::optional<int32_t> ParseIntegerText(const QString& Text);

// A decimal number. Digits of any script; as the decimal mark the locale's
// separator, the Arabic decimal separator, and "." unless the locale groups
// thousands with it ("1.000" is no number under German, nor "1,000" under
// English). nullopt when it does not read or is not finite (inf, nan, 1e400).
std::optional<double> ParseFloatText(const QString& Text);

// The shortest general form with up to 15 significant digits and
// DecimalSeparator(): 180 gives "180", 10.5 gives "10.5".
QString FormatFloatText(double Value);

// Fixed notation with Decimals digits after DecimalSeparator(), no grouping,
// a plain "-": 180 with one decimal gives "180.0".
QString FormatFixedText(double Value, int Decimals);
