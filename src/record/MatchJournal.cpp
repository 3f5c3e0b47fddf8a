#include "record/MatchJournal.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>

#include "model/StringFn.h"
#include "platform/UserFolders.h"
#include "platform/WholeFile.h"

Q_LOGGING_CATEGORY(lcJournal, "dorvane.journal")

namespace {

// A journal is a few hundred bytes; anything far larger is not one.
constexpr qint64 MaxJournalBytes = 64 * 1024;

const char* SegmentName(TJournalState::TSegment Segment) {
  switch (Segment) {
    case TJournalState::TSegment::Round:
      return "round";
    case TJournalState::TSegment::Paused:
      return "paused";
    case TJournalState::TSegment::Injury:
      return "injury";
    case TJournalState::TSegment::Break:
      return "break";
    case TJournalState::TSegment::None:
      break;
  }
  return "none";
}

std::optional<TJournalState::TSegment> SegmentOf(const QString& Name) {
  for (auto Segment : {TJournalState::TSegment::None, TJournalState::TSegment::Round,
                       TJournalState::TSegment::Paused, TJournalState::TSegment::Injury,
                       TJournalState::TSegment::Break}) {
    if (Name == QLatin1String(SegmentName(Segment))) return Segment;
  }
  return std::nullopt;
}

bool IsNumber(const QJsonValue& Value) {
  return Value.isDouble() && std::isfinite(Value.toDouble());
}

// Whole and within Limit either side of zero: 2e9 for the int32 fields,
// 1e15 for a Unix time in milliseconds (exact in a double).
bool IsWhole(const QJsonValue& Value, double Limit = 2e9) {
  return IsNumber(Value) && std::abs(Value.toDouble()) < Limit &&
         Value.toDouble() == std::trunc(Value.toDouble());
}

// Far beyond any match, yet short of what would overflow or garble the board:
// a journal past them was not written by the program.
constexpr double MaxScore = 99999;
constexpr double MaxRound = 99999;
// The longest round, break or injury time the settings allow.
constexpr double MaxSeconds = 5999;

bool InRange(const QJsonValue& Value, double Min, double Max) {
  return Value.toDouble() >= Min && Value.toDouble() <= Max;
}

// Penalties come in halves.
bool IsPenalty(const QJsonValue& Value) {
  return InRange(Value, 0, MaxScore) && std::fmod(Value.toDouble() * 2, 1) == 0;
}

// The checked fields hold numbers already.
bool ValuesInRange(const QJsonObject& Object) {
  return InRange(Object.value("redScore"), 0, MaxScore) &&
         InRange(Object.value("blueScore"), 0, MaxScore) && IsPenalty(Object.value("redPenalty")) &&
         IsPenalty(Object.value("bluePenalty")) && InRange(Object.value("round"), 0, MaxRound) &&
         InRange(Object.value("winner"), 0, 2) &&
         InRange(Object.value("roundLeft"), 0, MaxSeconds) &&
         InRange(Object.value("segmentStartMs"), 0, 1e15) &&
         InRange(Object.value("segmentLeft"), 0, MaxSeconds);
}

}  // namespace

double TJournalState::CountedUntil(int64_t AliveMs) const {
  const int64_t StoppedMs = AliveMs + AliveMarkIntervalMs / 2;
  return std::max<int64_t>(0, StoppedMs - SegmentStartMs) / 1000.0;
}

double TJournalState::RoundLeftAt(int64_t AliveMs) const {
  if (Segment != TSegment::Round) return RoundLeft;
  return std::clamp(RoundLeft - CountedUntil(AliveMs), 0.0, std::max(RoundLeft, 0.0));
}

double TJournalState::SegmentLeftAt(int64_t AliveMs) const {
  if (Segment != TSegment::Injury && Segment != TSegment::Break) return 0;
  return std::clamp(SegmentLeft - CountedUntil(AliveMs), 0.0, std::max(SegmentLeft, 0.0));
}

QString JournalPath() { return QDir(DataDir()).filePath(QStringLiteral("current-match")); }

namespace {

// The decided rounds as [{"round":1,"winner":2,"reason":"score"}, ...].
QJsonArray RoundsJson(const std::vector<TBestOfThree::TRoundRecord>& Rounds) {
  QJsonArray Array;
  for (const TBestOfThree::TRoundRecord& Record : Rounds) {
    Array.append(QJsonObject{{"round", Record.Round},
                             {"winner", static_cast<int>(Record.Result.Winner)},
                             {"reason", RoundReasonWord(Record.Result.Reason)}});
  }
  return Array;
}

std::optional<std::vector<TBestOfThree::TRoundRecord>> RoundsOf(const QJsonValue& Value) {
  std::vector<TBestOfThree::TRoundRecord> Rounds;
  if (Value.isUndefined()) return Rounds;
  if (!Value.isArray()) return std::nullopt;
  for (const QJsonValue& Item : Value.toArray()) {
    const QJsonObject Object = Item.toObject();
    const int Winner = Object.value("winner").toInt();
    const std::optional<TRoundReason> Reason = RoundReasonOf(Object.value("reason").toString());
    if (!IsWhole(Object.value("round")) ||
        (Winner != static_cast<int>(TWinner::Red) && Winner != static_cast<int>(TWinner::Blue)) ||
        !Reason) {
      return std::nullopt;
    }
    Rounds.push_back({Object.value("round").toInt(), {static_cast<TWinner>(Winner), *Reason}});
  }
  return Rounds;
}

}  // namespace

QByteArray JournalContent(const TJournalState& State) {
  QJsonObject Object{{"version", JournalVersion},
                     {"redScore", State.RedScore},
                     {"blueScore", State.BlueScore},
                     {"redPenalty", State.RedPenalty},
                     {"bluePenalty", State.BluePenalty},
                     {"round", State.Round},
                     {"winner", State.Winner},
                     {"suddenDeath", State.SuddenDeath},
                     {"started", State.Started},
                     {"redName", State.RedName},
                     {"blueName", State.BlueName},
                     {"division", State.Division},
                     {"segment", QLatin1String(SegmentName(State.Segment))},
                     {"roundLeft", State.RoundLeft},
                     {"segmentStartMs", static_cast<double>(State.SegmentStartMs)}};
  // Added keys: earlier versions read such a journal and pass over them.
  if (State.Segment == TJournalState::TSegment::Injury ||
      State.Segment == TJournalState::TSegment::Break) {
    Object.insert("segmentLeft", State.SegmentLeft);
  }
  if (!State.DecidedRounds.empty() || State.RoundDecided) {
    Object.insert("rounds", RoundsJson(State.DecidedRounds));
    Object.insert("roundDecided", State.RoundDecided);
  }
  return QJsonDocument(Object).toJson(QJsonDocument::Compact);
}

bool WriteJournal(const QString& Path, const TJournalState& State) {
  QString Error;
  if (WriteJournalContent(Path, JournalContent(State), Error)) return true;
  qCWarning(lcJournal) << "match journal not written:" << Path << Error;
  return false;
}

bool WriteJournalContent(const QString& Path, const QByteArray& Content, QString& Error) {
  QDir().mkpath(QFileInfo(Path).path());
  return WriteWholeFile(Path, Content, &Error);
}

TJournalRead ReadJournal(const QString& Path) {
  TJournalRead Result;
  const auto Fail = [&](const QString& Why) {
    Result.Error = Why;
    qCWarning(lcJournal) << "match journal" << Path << "not usable:" << Why;
    return Result;
  };
  const QString Damaged = QCoreApplication::translate("Journal", "it is damaged");
  const TBoundedRead File = ReadBoundedFile(Path, MaxJournalBytes);
  switch (File.State) {
    case TBoundedRead::TState::Missing:
      return Result;
    case TBoundedRead::TState::NotRegular:
      return Fail(QCoreApplication::translate("Journal", "it is not a regular file"));
    case TBoundedRead::TState::TooLarge:
      return Fail(QCoreApplication::translate("Journal", "it is too large"));
    case TBoundedRead::TState::Failed:
      return Fail(File.Error);
    case TBoundedRead::TState::Read:
      break;
  }
  Result.AliveMs = File.ModifiedMs;
  QJsonParseError ParseError;
  const QJsonDocument Document = QJsonDocument::fromJson(File.Content, &ParseError);
  if (!Document.isObject()) return Fail(Damaged);
  const QJsonObject Object = Document.object();
  if (!IsWhole(Object.value("version"))) return Fail(Damaged);
  if (Object.value("version").toInt() > JournalVersion) {
    return Fail(
        QCoreApplication::translate("Journal", "it was written by a newer version of Dorvane"));
  }
  for (const char* Key : {"redScore", "blueScore", "round", "winner"}) {
    if (!IsWhole(Object.value(Key))) return Fail(Damaged);
  }
  if (!IsWhole(Object.value("segmentStartMs"), 1e15)) return Fail(Damaged);
  for (const char* Key : {"redPenalty", "bluePenalty", "roundLeft"}) {
    if (!IsNumber(Object.value(Key))) return Fail(Damaged);
  }
  const QJsonValue SegmentLeft = Object.value("segmentLeft");
  if (!SegmentLeft.isUndefined() && !IsNumber(SegmentLeft)) {
    return Fail(Damaged);
  }
  if (!ValuesInRange(Object)) return Fail(QCoreApplication::translate("Journal", "it holds values out of range"));
  const auto Segment = SegmentOf(Object.value("segment").toString());
  if (!Segment) return Fail(Damaged);
  const auto DecidedRounds = RoundsOf(Object.value("rounds"));
  if (!DecidedRounds) return Fail(Damaged);
  TJournalState State;
  State.RedScore = Object.value("redScore").toInt();
  State.BlueScore = Object.value("blueScore").toInt();
  State.RedPenalty = Object.value("redPenalty").toDouble();
  State.BluePenalty = Object.value("bluePenalty").toDouble();
  State.Round = Object.value("round").toInt();
  State.Winner = Object.value("winner").toInt();
  State.SuddenDeath = Object.value("suddenDeath").toBool();
  State.Started = Object.value("started").toBool();
  State.RedName = Object.value("redName").toString();
  State.BlueName = Object.value("blueName").toString();
  State.Division = Object.value("division").toString();
  State.Segment = *Segment;
  State.RoundLeft = Object.value("roundLeft").toDouble();
  State.SegmentStartMs = static_cast<int64_t>(Object.value("segmentStartMs").toDouble());
  State.SegmentLeft = SegmentLeft.toDouble();
  State.DecidedRounds = *DecidedRounds;
  State.RoundDecided = Object.value("roundDecided").toBool();
  Result.State = State;
  return Result;
}

QString KeepInterruptedJournal(const QString& Path) {
  const QString Stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
  QString Target = QFileInfo(Path).dir().filePath(QStringLiteral("interrupted-") + Stamp);
  for (int Suffix = 2; QFile::exists(Target); ++Suffix) {
    Target =
        QFileInfo(Path).dir().filePath(QStringLiteral("interrupted-%1-%2").arg(Stamp).arg(Suffix));
  }
  // Not QFile::rename: where a rename fails it copies, and reading a pipe in
  // the journal's place would never end.
  if (::rename(QFile::encodeName(Path).constData(), QFile::encodeName(Target).constData()) != 0) {
    qCWarning(lcJournal) << "interrupted match journal not kept:" << Path << "->" << Target
                         << qt_error_string(errno);
    return {};
  }
  return Target;
}

bool RemoveJournal(const QString& Path, QString& Error) {
  if (::unlink(QFile::encodeName(Path).constData()) == 0 || errno == ENOENT || errno == ENOTDIR) {
    return true;
  }
  Error = QStringLiteral("not removed: ") + qt_error_string(errno);
  return false;
}

QString JournalSummary(const TJournalState& State, int64_t AliveMs) {
  const QString Where = State.Segment == TJournalState::TSegment::Break
                            ? QCoreApplication::translate("Journal", "between rounds")
                            : QCoreApplication::translate("Journal", "%1 left")
                                  .arg(FormatSecondsMS(State.RoundLeftAt(AliveMs)));
  return QCoreApplication::translate("Journal", "Red %1 \u2013 Blue %2, round %3, %4")
      .arg(State.RedScore)
      .arg(State.BlueScore)
      .arg(State.Round)
      .arg(Where);
}

std::optional<TInterruptedMatch> TakeInterruptedMatch(const QString& Path) {
  RemoveUnfinishedWrites(Path);
  TJournalRead Read = ReadJournal(Path);
  if (Read.State && !Read.State->InProgress()) {
    QString Error;
    if (!RemoveJournal(Path, Error)) qCWarning(lcJournal) << "match journal" << Path << Error;
    return std::nullopt;
  }
  if (!Read.State && Read.Error.isEmpty()) return std::nullopt;
  TInterruptedMatch Taken{std::move(Read), QString()};
  if (!Taken.Read.State) Taken.KeptPath = KeepInterruptedJournal(Path);
  return Taken;
}
