#include "model/NumberText.h"

#include <cmath>

namespace {

std::optional<int> HexDigit(QChar C) {
  if (C >= u'0' && C <= u'9') return C.unicode() - u'0';
  if (C >= u'a' && C <= u'f') return C.unicode() - u'a' + 10;
  if (C >= u'A' && C <= u'F') return C.unicode() - u'A' + 10;
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
    if (C < u'0' || C > u'9') return std::nullopt;
    Value = Value * 10 + (C.unicode() - u'0');
    if (Value > int64_t(INT32_MAX) + 1) return std::nullopt;
  }
  if (Negative) Value = -Value;
  if (Value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(Value);
}

}  // namespace

QLocale NumberLocale() {
  QLocale Locale;
  Locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
  return Locale;
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
  bool Ok = false;
  const double Value = NumberLocale().toDouble(QStringView(Text).trimmed(), &Ok);
  if (!Ok || !std::isfinite(Value)) return std::nullopt;
  return Value;
}

QString FormatFloatText(double Value) { return NumberLocale().toString(Value, 'g', 15); }
