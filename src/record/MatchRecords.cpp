#include "record/MatchRecords.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <cmath>

#include "model/InputKinds.h"
#include "model/NumberText.h"
#include "model/Settings.h"
#include "platform/Logging.h"
#include "platform/TimeSource.h"
#include "platform/UserFolders.h"
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

}  // namespace

// Opens, extends and closes the file for every line, so the record is
// complete after each event. errno tells why a line was lost.
bool AppendLineToFile(const QString& Path, const QString& Line) {
  if (Path.isEmpty()) return false;
  QDir().mkpath(QFileInfo(Path).path());
  TASCIIFileReader Writer;
  Writer.SetFileName(Path);
  Writer.SetActive(true);
  const bool Written = Writer.WriteLine(Line);
  const int Reason = errno;
  Writer.SetActive(false);
  errno = Reason;
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

QString FormatOneDecimal(double Value) { return FormatFixedText(Value, 1); }

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

QString TMatchRecords::FilePath() const {
  const QString Name = RecordFileName(FConfig.SaveFileName);
  if (Name.isEmpty()) return {};
  return QDir(DataDir()).filePath(Name);
}

bool TMatchRecords::RecordingNamed() const { return !FConfig.SaveFileName.trimmed().isEmpty(); }

void TMatchRecords::AppendRecordLine(const QString& Line) const {
  if (FilePath().isEmpty()) return;
  if (FWaiting.size() < MaxWaitingLines) {
    FWaiting << Line;
  } else if (!FLossReported) {
    qCWarning(LogRecord) << "record lines lost:" << MaxWaitingLines
                         << "lines already wait for" << FilePath();
    FLossReported = true;
  }
  WriteWaitingLines();
}

void TMatchRecords::RetryWrite() const {
  if (!FWaiting.isEmpty()) WriteWaitingLines();
}

// Each line is written whole or not at all, so a line is taken off the
// queue only once the file holds it: none lost, none twice.
void TMatchRecords::WriteWaitingLines() const {
  const QString Path = FilePath();
  while (!FWaiting.isEmpty()) {
    if (!AppendLineToFile(Path, FWaiting.front())) {
      const int Reason = errno;
      // The first of a row of failures is logged.
      if (FWriteState != TWriteState::CannotWrite) {
        qCWarning(LogRecord) << "record lines wait for" << Path << ":" << qt_error_string(Reason);
      }
      SetWriteState(TWriteState::CannotWrite);
      return;
    }
    FWaiting.removeFirst();
  }
  FLossReported = false;
  SetWriteState(TWriteState::Writing);
}

void TMatchRecords::SetWriteState(TWriteState State) const {
  if (State == FWriteState) return;
  FWriteState = State;
  if (OnWriteStateChange) OnWriteStateChange();
}

void TMatchRecords::WriteScoreRecord(const QString& Line) const {
  if (FConfig.SaveScores && RecordingNamed()) AppendRecordLine(Line);
}

void TMatchRecords::WriteInputRecord(const QString& Line) const {
  if (FConfig.SaveInput && RecordingNamed()) AppendRecordLine(Line);
}

void TMatchRecords::RecordNewMatch() const {
  if (!(FConfig.SaveScores || FConfig.SaveInput) || !RecordingNamed()) return;
  AppendRecordLine(QStringLiteral("  "));
  AppendRecordLine(QStringLiteral("NEW MATCH"));
}

void TMatchRecords::RecordInput(TInputKind Kind, double Amount) const {
  if (!FConfig.SaveInput) return;
  WriteInputRecord(FormatRecordTime(TimeSource().WallNow()) + QStringLiteral(",keyboard,") +
                   InputKindText(Kind) + QLatin1Char(',') + FormatOneDecimal(Amount));
}

void TMatchRecords::RecordClockCorrection(int Seconds) const {
  if (!FConfig.SaveInput) return;
  WriteInputRecord(FormatRecordTime(TimeSource().WallNow()) + QStringLiteral(",keyboard,") +
                   QStringLiteral("clock %1%2 s").arg(Seconds > 0 ? "+" : "").arg(Seconds));
}
