#include "match/JournalKeeper.h"

#include <QDateTime>

#include "clock/TimerThread.h"
#include "model/ScoreManager.h"

namespace {

TJournalState::TSegment SegmentOf(TClockState State) {
  switch (State) {
    case csRunning:
      return TJournalState::TSegment::Round;
    case csPaused:
      return TJournalState::TSegment::Paused;
    case csInjury:
      return TJournalState::TSegment::Injury;
    case csBreak:
      return TJournalState::TSegment::Break;
    default:
      return TJournalState::TSegment::None;
  }
}

}  // namespace

TJournalKeeper::TJournalKeeper(QString Path) : FPath(std::move(Path)) {
  const TJournalRead Found = ReadJournal(FPath);
  FHeld = Found.State && Found.State->InProgress();
}

TJournalKeeper::~TJournalKeeper() {
  QString Error;
  if (!FHeld && !FState.InProgress() && !RemoveJournal(FPath, Error)) {
    qCWarning(lcJournal) << "match journal" << FPath << Error;
  }
}

void TJournalKeeper::ScoresChanged(const TDorvaneMgr& ScoreMgr, bool SuddenDeath) {
  FState.RedScore = ScoreMgr.RedScore();
  FState.BlueScore = ScoreMgr.BlueScore();
  FState.RedPenalty = ScoreMgr.RedPenalty();
  FState.BluePenalty = ScoreMgr.BluePenalty();
  FState.Round = ScoreMgr.Round();
  FState.Winner = static_cast<int32_t>(ScoreMgr.Winner());
  FState.SuddenDeath = SuddenDeath;
  Write();
}

void TJournalKeeper::SetRounds(const TBestOfThree& Rounds) {
  FState.DecidedRounds = Rounds.Rounds();
  FState.RoundDecided = Rounds.RoundDecided();
}

void TJournalKeeper::NewGame(const QString& RedName, const QString& BlueName,
                             const QString& Division, double RoundTime) {
  FState = TJournalState{};
  FState.RedName = RedName;
  FState.BlueName = BlueName;
  FState.Division = Division;
  FState.RoundLeft = RoundTime;
  Write();
}

void TJournalKeeper::ClockChanged(TClockState State, double RoundLeft, double SegmentLeft) {
  FState.Started = true;
  FState.Segment = SegmentOf(State);
  FState.RoundLeft = RoundLeft;
  FState.SegmentLeft = SegmentLeft;
  FState.SegmentStartMs = QDateTime::currentMSecsSinceEpoch();
  Write();
}

void TJournalKeeper::Resume(const TJournalState& State) {
  FHeld = false;
  FState = State;
  Write();
}

QString TJournalKeeper::SetAside() {
  const QString Kept = FHeld ? KeepInterruptedJournal(FPath) : QString();
  FHeld = false;
  Write();
  return Kept;
}

void TJournalKeeper::RetryWrite() {
  if (FCannotWrite) Write();
}

void TJournalKeeper::Write() {
  if (FHeld) return;
  // A game whose clock never ran is not offered back at the next start, so
  // it needs no journal, nor the disk waits of writing one; an earlier
  // game's journal must go, or a crash now would offer that game back.
  QString Error;
  if (!FState.Started) {
    FWritten.clear();
    SetCannotWrite(!RemoveJournal(FPath, Error), Error);
    return;
  }
  QByteArray Content = JournalContent(FState);
  if (Content == FWritten) return;
  const bool Written = WriteJournalContent(FPath, Content, Error);
  FWritten = Written ? std::move(Content) : QByteArray();
  SetCannotWrite(!Written, Error);
}

void TJournalKeeper::SetCannotWrite(bool Value, const QString& Why) {
  if (Value == FCannotWrite) return;
  // Retries keep failing for as long as the trouble lasts: the first of a
  // row is logged.
  if (Value) qCWarning(lcJournal) << "match journal" << FPath << "does not follow the match:" << Why;
  FCannotWrite = Value;
  if (OnWriteStateChange) OnWriteStateChange();
}
