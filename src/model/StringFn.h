#pragma once

#include <QChar>
#include <QString>

// Clock texts and small text helpers. The time separator is the locale's
// (":" when it names none), the decimal separator of tenths too.

// Text with Pad put in front until it is Width characters long; a longer
// text comes back unchanged.
QString PadLeft(const QString& Text, QChar Pad, int Width);

// m:ss, minutes unlimited (3600 gives 60:00). Seconds are rounded to whole
// seconds first, halves to even.
QString FormatSecondsMS(double Seconds);

// mm:ss.s, or hh:mm:ss.s from one hour up. Negative seconds give 00:-5.0.
QString FormatSecondsHMS(double Seconds);

// An optional sign, digits with an optional "." and more digits, an optional
// exponent; blanks and control characters around it are ignored.
bool IsNumeric(const QString& Text);

// The locale's time separator, ":" when its time format names none.
QChar TimeSeparator();
