#pragma once

#include <QString>
#include <functional>

#include "record/MatchJournal.h"

class TDorvaneMgr;
enum TClockState : uint8_t;

// Keeps Data/current-match in step with the live match once its clock has
// run: one write per change of its content (a new game alone changes it many
// times over to the same state, and each write waits for the disk). While a
// round, injury time or the break counts, the clock marks the file alive
// (TClockRun::AliveMark).
//
// A journal of a match in progress that is there when the keeper is made is
// an interrupted match the operator has not answered for yet: the keeper
// writes nothing over it and never removes it until Resume takes the match
// over or SetAside moves it aside, so a crash meanwhile loses nothing.
class TJournalKeeper {
 public:
  explicit TJournalKeeper(QString Path);
  // Removes the journal unless a match is in progress.
  ~TJournalKeeper();
  TJournalKeeper(const TJournalKeeper&) = delete;
  TJournalKeeper& operator=(const TJournalKeeper&) = delete;

  void ScoresChanged(const TDorvaneMgr& ScoreMgr, bool SuddenDeath);
  // The best-of-three rules' rounds, written with the next change of the scores.
  void SetRounds(const TBestOfThree& Rounds);
  void NewGame(const QString& RedName, const QString& BlueName, const QString& Division,
               double RoundTime);
  // SegmentLeft: injury time's or the break's time left as it starts.
  void ClockChanged(TClockState State, double RoundLeft, double SegmentLeft);
  // Takes over a resumed match's state as it now stands.
  void Resume(const TJournalState& State);
  // Moves the interrupted match's journal aside as Data/interrupted-<date-time>
  // and keeps the live match's from then on; the path it was moved to.
  QString SetAside();
  const TJournalState& State() const { return FState; }
  const QString& Path() const { return FPath; }

  // The last write or removal failed: the file does not follow the match
  // (the previous journal stays whole). Cleared by the next that works.
  bool CannotWrite() const { return FCannotWrite; }
  // Tries the failed write or removal again, for a disk that may have room
  // again while the match stands still; nothing when the last one worked.
  void RetryWrite();
  // CannotWrite changed.
  std::function<void()> OnWriteStateChange;

 private:
  void Write();
  // Why: the failure's reason, logged when the trouble begins.
  void SetCannotWrite(bool Value, const QString& Why);

  QString FPath;
  TJournalState FState;
  // What the file holds; empty until the first write succeeds.
  QByteArray FWritten;
  // An interrupted match's journal waits for the operator's answer.
  bool FHeld = false;
  bool FCannotWrite = false;
};
