#pragma once

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/BestOfThree.h"

// The live match as Data/current-match keeps it, so a crash, a kill or a
// power cut does not lose it. One small JSON object with a "version" field,
// written whole through a temporary file, flushed and renamed, at each change
// of the match, never per clock tick: a counting segment (the round, injury
// time, the break) stores when it started and the time it had then. While it
// counts, the file's modification time is refreshed (no content is written),
// so the time the program went down is known and the time it stayed down
// does not count.
struct TJournalState {
  enum class TSegment { None, Round, Paused, Injury, Break };

  int32_t RedScore = 0;
  int32_t BlueScore = 0;
  double RedPenalty = 0;
  double BluePenalty = 0;
  int32_t Round = 1;
  int32_t Winner = 0;
  bool SuddenDeath = false;
  // A round has been started since the last new game.
  bool Started = false;
  QString RedName;
  QString BlueName;
  QString Division;
  TSegment Segment = TSegment::None;
  // The round time left when the segment started (held in a pause or injury).
  double RoundLeft = 0;
  // Unix time in milliseconds at which the segment started.
  int64_t SegmentStartMs = 0;
  // Injury time or the break: its own time left when it started. Absent
  // from earlier journals, which read as 0: such a segment comes back held.
  double SegmentLeft = 0;
  // Under the best-of-three rules: the rounds decided so far, and whether
  // the current one is among them. Absent from journals of the classic rules
  // and of earlier versions, which read as none.
  std::vector<TBestOfThree::TRoundRecord> DecidedRounds;
  bool RoundDecided = false;

  // A round has started and no winner is known.
  bool InProgress() const { return Started && Winner == 0; }
  // The round time left when the program stopped, AliveMs being the last
  // moment it was known to run.
  double RoundLeftAt(int64_t AliveMs) const;
  // The injury time's or the break's time left when the program stopped.
  double SegmentLeftAt(int64_t AliveMs) const;

 private:
  // The seconds the segment counted until the program stopped.
  double CountedUntil(int64_t AliveMs) const;
};

// dorvane.journal: journals that cannot be written, read or marked alive.
Q_DECLARE_LOGGING_CATEGORY(lcJournal)

constexpr int JournalVersion = 1;
// While a round counts, the program marks its journal alive this often. It
// stopped within one interval after its last mark: counting half of it
// halves the worst error (here 50 ms either way).
constexpr int AliveMarkIntervalMs = 100;

// Data/current-match beside the program.
QString JournalPath();
// The journal's file content for State.
QByteArray JournalContent(const TJournalState& State);
// Written whole or not at all: a failure (false, Error saying why) leaves
// the previous journal as it was.
bool WriteJournalContent(const QString& Path, const QByteArray& Content, QString& Error);
// As WriteJournalContent, a failure logged.
bool WriteJournal(const QString& Path, const TJournalState& State);
struct TJournalRead {
  std::optional<TJournalState> State;
  // Why a journal that exists could not be used; empty when none exists.
  QString Error;
  // Its modification time: the last moment the program was known to run.
  int64_t AliveMs = 0;
};
TJournalRead ReadJournal(const QString& Path);
// Moves the journal aside as Data/interrupted-<date-time>; the new path, or
// empty when it could not be moved.
QString KeepInterruptedJournal(const QString& Path);
// True when no journal is left at Path; else Error says why.
bool RemoveJournal(const QString& Path, QString& Error);
// "Red 5 – Blue 3, round 2, 1:12 left"
QString JournalSummary(const TJournalState& State, int64_t AliveMs);

// What a previous run left behind. A match in progress stays in place until
// the operator has answered for it (TJournalKeeper holds it), so a crash
// while the question is open asks again at the next start. A journal that
// cannot be used (damaged, out of range, not a regular file, too large, from
// a newer version) is moved aside as Data/interrupted-<date-time> at once;
// one of no match in progress is removed, and so are the temporary files of
// writes the crash cut short.
struct TInterruptedMatch {
  TJournalRead Read;
  // Where an unusable journal was moved; empty when it could not be moved.
  QString KeptPath;
};
std::optional<TInterruptedMatch> TakeInterruptedMatch(const QString& Path);
