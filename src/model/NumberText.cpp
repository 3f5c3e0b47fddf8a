#include "model/NumberText.h"

#include <QLocale>
#include <cmath>

namespace {

constexpr char16_t ArabicDecimalSeparator = u'\u066B';

// The ASCII digit of a decimal digit of any script.
std::optional<char> AsciiDigit(QChar C) {
  if (C.category() != QChar::Number_DecimalDigit) return std::nullopt;
  const int Value = C.digitValue();
  if (Value < 0 || Value > 9) return std::nullopt;
  return char('0' + Value);
}

std::optional<int> HexDigit(QChar C) {
  if (C >= u'a' && C <= u'f') return C.unicode() - u'a' + 10;
  if (C >= u'A' && C <= u'F') return C.unicode() - u'A' + 10;
  if (const std::optional<char> Digit = AsciiDigit(C)) return *Digit - '0';
  return std::nullopt;
}

std::optional<int32_t> ParseHex(QStringView Digits) {
  if (Digits.isEmpty()) return std::nullopt;
  uint64_t Value = 0;
  for (const QChar C : Digits) {
    const std::optional<int> Digit = HexDigit(C);
    if (!Digit) return std::nullopt;
    Value = Value * 16 + *Digit;
    if (Value > UINT32_MAX) return std::nullopt;
  }
  return static_cast<int32_t>(static_cast<uint32_t>(Value));
}

std::optional<int32_t> ParseDecimal(QStringView Text) {
  const bool Negative = Text.startsWith(u'-');
  if (Negative || Text.startsWith(u'+')) Text = Text.sliced(1);
  if (Text.isEmpty()) return std::nullopt;
  int64_t Value = 0;
  for (const QChar C : Text) {
    const std::optional<char> Digit = AsciiDigit(C);
    if (!Digit) return std::nullopt;
    Value = Value * 10 + (*Digit - '0');
    if (Value > int64_t(INT32_MAX) + 1) return std::nullopt;
  }
  if (Negative) Value = -Value;
  if (Value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(Value);
}

bool IsDecimalMark(QChar C, const QLocale& Locale) {
  if (C == ArabicDecimalSeparator || QString(C) == Locale.decimalPoint()) return true;
  return C == u'.' && Locale.groupSeparator() != QStringLiteral(".");
}

// Text rewritten with ASCII digits, "." and "-"; nullopt when a character
// has no place in a number. Direction marks around a sign are dropped.
std::optional<QByteArray> AsciiNumber(QStringView Text) {
  const QLocale Locale;
  QByteArray Ascii;
  Ascii.reserve(Text.size());
  for (const QChar C : Text) {
    if (const std::optional<char> Digit = AsciiDigit(C)) {
      Ascii += *Digit;
    } else if (IsDecimalMark(C, Locale)) {
      Ascii += '.';
    } else if (C == u'-' || C == u'\u2212') {
      Ascii += '-';
    } else if (C == u'+' || C == u'e' || C == u'E') {
      Ascii += char(C.unicode());
    } else if (C.category() != QChar::Other_Format) {
      return std::nullopt;
    }
  }
  return Ascii;
}

}  // namespace

QChar DecimalSeparator() {
  const QString Separator = QLocale().decimalPoint();
  return Separator == QStringLiteral(",") ? QLatin1Char(',') : QLatin1Char('.');
}

std::optional<int32_t> ParseIntegerText(const QString& Text) {
  const QStringView Trimmed = QStringView(Text).trimmed();
  if (Trimmed.startsWith(u'$')) return ParseHex(Trimmed.sliced(1));
  if (Trimmed.size() > 2 && Trimmed.startsWith(u"0x", Qt::CaseInsensitive)) {
    return ParseHex(Trimmed.sliced(2));
  }
  return ParseDecimal(Trimmed);
}

std::optional<double> ParseFloatText(const QString& Text) {
  const std::optional<QByteArray> Ascii = AsciiNumber(QStringView(Text).trimmed());
  if (!Ascii) return std::nullopt;
  bool Ok = false;
  const double Value = QLocale::c().toDouble(QLatin1StringView(*Ascii), &Ok);
  if (!Ok || !std::isfinite(Value)) return std::nullopt;
  return Value;
}

QString FormatFloatText(double Value) {
  return QString::number(Value, 'g', 15).replace(QLatin1Char('.'), DecimalSeparator());
}

QString FormatFixedText(double Value, int Decimals) {
  return QString::number(Value, 'f', Decimals).replace(QLatin1Char('.'), DecimalSeparator());
}
