#include "model/StringFn.h"

#include <QLocale>
#include <cmath>

#include "model/NumberText.h"

namespace {

// Splits Seconds into whole Units (hours or minutes) and the rest. fmod is
// exact, so huge values give garbage-free digits rather than an overflow.
double TakeWhole(double& Seconds, double Unit) {
  const double Rest = std::fmod(Seconds, Unit);
  const double Whole = (Seconds - Rest) / Unit;
  Seconds = Rest;
  return Whole;
}

QString WholeNumber(double Value) { return QString::number(Value, 'f', 0); }

}  // namespace

QString PadLeft(const QString& Text, QChar Pad, int Width) {
  if (Text.size() >= Width) return Text;
  return QString(Width - Text.size(), Pad) + Text;
}

QChar TimeSeparator() {
  const QString Format = QLocale().timeFormat(QLocale::ShortFormat);
  const qsizetype Hours = Format.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
  if (Hours < 0) return QLatin1Char(':');
  qsizetype After = Hours;
  while (After < Format.size() && Format[After].toLower() == QLatin1Char('h')) ++After;
  if (After >= Format.size()) return QLatin1Char(':');
  const QChar Separator = Format[After];
  if (Separator.isLetterOrNumber() || Separator.isSpace() || Separator == QLatin1Char('\'')) {
    return QLatin1Char(':');
  }
  return Separator;
}

QString FormatSecondsMS(double Seconds) {
  // Rounding first keeps 59.6 from showing as 0:60; adding 0 turns -0 into 0.
  Seconds = std::nearbyint(Seconds) + 0.0;
  QString Result = Seconds >= 60 ? WholeNumber(TakeWhole(Seconds, 60)) : QStringLiteral("0");
  return Result + TimeSeparator() + PadLeft(WholeNumber(Seconds), QLatin1Char('0'), 2);
}

QString FormatSecondsHMS(double Seconds) {
  // Rounding to tenths first keeps 59.96 from showing as 00:60.0; adding 0
  // turns -0 into 0.
  Seconds = std::nearbyint(Seconds * 10) / 10 + 0.0;
  const QChar Separator = TimeSeparator();
  QString Result;
  if (Seconds >= 3600) {
    Result += PadLeft(WholeNumber(TakeWhole(Seconds, 3600)), QLatin1Char('0'), 2) + Separator;
  }
  if (Seconds >= 60) {
    Result += PadLeft(WholeNumber(TakeWhole(Seconds, 60)), QLatin1Char('0'), 2) + Separator;
  } else {
    Result += QStringLiteral("00") + Separator;
  }
  return Result + PadLeft(FormatFixedText(Seconds, 1), QLatin1Char('0'), 4);
}

bool IsNumeric(const QString& Text) {
  qsizetype Begin = 0;
  qsizetype End = Text.size();
  while (Begin < End && Text[Begin].unicode() <= ' ') ++Begin;
  while (End > Begin && Text[End - 1].unicode() <= ' ') --End;
  const QStringView Rest = QStringView(Text).sliced(Begin, End - Begin);

  qsizetype At = 0;
  const auto Digits = [&] {
    const qsizetype From = At;
    while (At < Rest.size() && Rest[At] >= u'0' && Rest[At] <= u'9') ++At;
    return At - From;
  };
  const auto Sign = [&] {
    if (At < Rest.size() && (Rest[At] == u'+' || Rest[At] == u'-')) ++At;
  };

  Sign();
  qsizetype Mantissa = Digits();
  if (At < Rest.size() && Rest[At] == u'.') {
    ++At;
    Mantissa += Digits();
  }
  if (Mantissa == 0) return false;
  if (At < Rest.size() && (Rest[At] == u'e' || Rest[At] == u'E')) {
    ++At;
    Sign();
    if (Digits() == 0) return false;
  }
  return At == Rest.size();
}
