#pragma once

#include <QString>

#include "record/MatchJournal.h"

class TDorvaneMgr;
enum TClockState : uint8_t;

// Keeps Data/current-match in step with the live match once its clock has
// run: one write per change of its content (a new game alone changes it many
// times over to the same state, and each write waits for the disk). While a
// round counts, the clock marks the file alive (TClockRun::AliveMark).
class TJournalKeeper {
 public:
  explicit TJournalKeeper(QString Path);
  // Removes the journal unless a match is in progress.
  ~TJournalKeeper();
  TJournalKeeper(const TJournalKeeper&) = delete;
  TJournalKeeper& operator=(const TJournalKeeper&) = delete;

  void ScoresChanged(const TDorvaneMgr& ScoreMgr, bool SuddenDeath);
  // The best-of-three rounds, written with the next change of the scores.
  void SetRounds(const TBestOfThree& Rounds);
  void NewGame(const QString& RedName, const QString& BlueName, const QString& Division,
               double RoundTime);
  void ClockChanged(TClockState State, double RoundLeft);
  // Takes over a resumed match's state as it now stands.
  void Resume(const TJournalState& State);
  const TJournalState& State() const { return FState; }
  const QString& Path() const { return FPath; }

 private:
  void Write();

  QString FPath;
  TJournalState FState;
  // What the file holds; empty until the first write succeeds.
  QByteArray FWritten;
};
