#include "record/MatchRecords.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cmath>

#include "model/InputKinds.h"
#include "model/Settings.h"
#include "platform/ProgramDir.h"
#include "platform/TimeSource.h"
#include "record/ASCIIFileReader.h"

namespace {

// The character the locale puts between hours and minutes; ":" when its time
// format does not show one plainly (a letter, or nothing).
QChar LocaleTimeSeparator() {
  const QString Format = QLocale().timeFormat(QLocale::ShortFormat);
  qsizetype At = Format.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
  if (At < 0) return QLatin1Char(':');
  while (At < Format.size() && Format[At].toLower() == QLatin1Char('h')) ++At;
  if (At >= Format.size() || Format[At].isLetter()) return QLatin1Char(':');
  return Format[At];
}

bool RecordingNamed() { return !Settings->SaveFileName.trimmed().isEmpty(); }

void AppendRecordLine(const QString& Line) { AppendLineToFile(RecordFilePath(), Line); }

}  // namespace

// Opens, extends and closes the file for every line, so the record is
// complete after each event. Failures lose the line silently.
bool AppendLineToFile(const QString& Path, const QString& Line) {
  if (Path.isEmpty()) return false;
  QDir().mkpath(QFileInfo(Path).path());
  TASCIIFileReader Writer;
  Writer.SetFileName(Path);
  Writer.SetActive(true);
  const bool Written = Writer.WriteLine(Line);
  Writer.SetActive(false);
  return Written;
}

QString FormatRecordTime(double DateTime) {
  // Date-times count days from 30 December 1899; split at whole milliseconds.
  const int64_t Ms = std::llround(DateTime * MsPerDay);
  const int64_t MsPerDayInt = int64_t(MsPerDay);
  int64_t Days = Ms / MsPerDayInt;
  int64_t MsOfDay = Ms % MsPerDayInt;
  if (MsOfDay < 0) {
    MsOfDay += MsPerDayInt;
    --Days;
  }
  const QDate Date = QDate(1899, 12, 30).addDays(Days);
  const QChar Sep = LocaleTimeSeparator();
  const int Hour = int(MsOfDay / 3600000);
  const int Minute = int(MsOfDay / 60000 % 60);
  const int Second = int(MsOfDay / 1000 % 60);
  return QString::asprintf("%04d-%02d-%02d %02d", Date.year(), Date.month(), Date.day(), Hour) +
         Sep + QString::asprintf("%02d", Minute) + Sep +
         QString::asprintf("%02d.%03d", Second, int(MsOfDay % 1000));
}

QString FormatOneDecimal(double Value) {
  // Plain "-" and no grouping whatever the locale; only the decimal mark is local.
  QString Text = QString::number(Value, 'f', 1);
  return Text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString RecordFileName(const QString& SaveFileName) {
  // Either separator ends a directory part, so no name can point outside Data/.
  const qsizetype Slash = std::max(SaveFileName.lastIndexOf(QLatin1Char('/')),
                                   SaveFileName.lastIndexOf(QLatin1Char('\\')));
  QString Name = SaveFileName.mid(Slash + 1);
  if (Name.isEmpty() || Name == QLatin1String(".") || Name == QLatin1String("..")) return {};
  const qsizetype Dot = Name.lastIndexOf(QLatin1Char('.'));
  if (Dot >= 0) Name.truncate(Dot);
  return Name + QStringLiteral(".txt");
}

QString RecordFilePath() {
  const QString Name = RecordFileName(Settings->SaveFileName);
  if (Name.isEmpty()) return {};
  return QDir(ProgramDir()).filePath(QStringLiteral("Data/") + Name);
}

void WriteScoreRecord(const QString& Line) {
  if (Settings->SaveScores && RecordingNamed()) AppendRecordLine(Line);
}

void WriteInputRecord(const QString& Line) {
  if (Settings->SaveInput && RecordingNamed()) AppendRecordLine(Line);
}

void RecordNewMatch() {
  if (!(Settings->SaveScores || Settings->SaveInput) || !RecordingNamed()) return;
  AppendRecordLine(QStringLiteral("  "));
  AppendRecordLine(QStringLiteral("NEW MATCH"));
}

void RecordInput(uint8_t Kind, double Amount) {
  if (!Settings->SaveInput) return;
  WriteInputRecord(FormatRecordTime(TimeSource().WallNow()) + QStringLiteral(",keyboard,") +
                   InputKindText(Kind) + QLatin1Char(',') + FormatOneDecimal(Amount));
}
