#include "input/JudgesAudit.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "input/JudgePressLog.h"
#include "model/Settings.h"
#include "platform/Logging.h"
#include "platform/UserFolders.h"
#include "record/MatchRecords.h"

namespace {

QString EventText(TJudgeAuditLine::TEvent Event) {
  switch (Event) {
    case TJudgeAuditLine::Press:
      return QStringLiteral("press");
    case TJudgeAuditLine::Release:
      return QStringLiteral("release");
    case TJudgeAuditLine::Score:
      return QStringLiteral("score");
    case TJudgeAuditLine::Alone:
      return QStringLiteral("alone");
  }
  return {};
}

QString JudgeNumbers(const std::vector<int32_t>& Judges) {
  QStringList Numbers;
  for (const int32_t Judge : Judges) Numbers << QString::number(Judge);
  return Numbers.join(QLatin1Char(' '));
}

}  // namespace

QString JudgesAuditHeader() {
  return QStringLiteral("time,event,judge,side,value,judges,spread_ms");
}

QString FormatJudgesAuditLine(const TJudgeAuditLine& Line) {
  const bool Score = Line.Event == TJudgeAuditLine::Score;
  return QStringList{FormatRecordTime(Line.Time),
                     EventText(Line.Event),
                     Score ? QString() : QString::number(Line.Judge),
                     Line.Red ? QStringLiteral("red") : QStringLiteral("blue"),
                     QString::number(Line.Points),
                     JudgeNumbers(Line.Judges),
                     Score ? QString::number(Line.SpreadMs) : QString()}
      .join(QLatin1Char(','));
}

QString JudgesAuditPath(const TTKDConfig& Config) {
  const QString RecordName = RecordFileName(Config.SaveFileName);
  if (RecordName.isEmpty()) return {};
  const QString Name = QFileInfo(RecordName).completeBaseName() + QStringLiteral(".judges.csv");
  return QDir(DataDir()).filePath(Name);
}

void WriteJudgesAuditLine(const TTKDConfig& Config, const TJudgeAuditLine& Line) {
  if (!Config.SaveInput) return;
  const QString Path = JudgesAuditPath(Config);
  if (Path.isEmpty()) return;
  // Like the match record, a line that cannot be written is lost and the
  // match goes on; the log says so.
  const bool Written =
      (QFileInfo(Path).size() > 0 || AppendLineToFile(Path, JudgesAuditHeader())) &&
      AppendLineToFile(Path, FormatJudgesAuditLine(Line));
  if (!Written) qCWarning(LogRecord) << "judges' audit line lost:" << Path;
}

QString JudgesReportCsv(const std::vector<TJudgeSummary>& Summaries) {
  QStringList Rows{QStringLiteral("judge,presses,scored,lone,median_delay_ms")};
  for (const TJudgeSummary& Summary : Summaries) {
    Rows << QStringList{QString::number(Summary.Judge), QString::number(Summary.Presses),
                        QString::number(Summary.Scored), QString::number(Summary.Lone),
                        Summary.MedianDelayMs ? QString::number(*Summary.MedianDelayMs) : QString()}
                .join(QLatin1Char(','));
  }
  return Rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
