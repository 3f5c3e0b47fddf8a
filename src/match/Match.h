#pragma once

#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "input/Judges.h"
#include "match/MatchJudgeLights.h"
#include "match/MatchViews.h"
#include "model/Side.h"

class TDorvaneError;
class TDorvaneMgr;
class TElectronicScoring;
class TGamepadWatch;
class TMatchRecords;
class TRoundFlow;
class TSysJoySticks;
class TTKDConfig;
class TJournalKeeper;
struct TJournalState;
struct TJudgeSummary;

// The live match, without any window: the score manager, the gamepads and
// their judges, the round flow with its clock and winner rules, electronic
// scoring and the record file. Views attach to it and draw what it says; the
// windows forward the operator's commands to its verbs. Main thread only.
class TMatch {
 public:
  // When the gamepads are looked for: at once, or at StartGamepads, which
  // lets the board show first (the joystick driver takes a while to start).
  enum class TGamepadStart { Now, Later };

  // Config is read, never written, for the whole life of the match.
  explicit TMatch(const TTKDConfig& Config, TGamepadStart Start = TGamepadStart::Now);
  // Ends a running clock first, then frees what it used.
  ~TMatch();
  TMatch(const TMatch&) = delete;
  TMatch& operator=(const TMatch&) = delete;

  void Attach(TMatchView& View);
  void Detach(TMatchView& View);
  // Why the gamepads could not be opened at start; empty when they could.
  const QString& GamepadError() const { return FGamepadError; }
  // A match started with TGamepadStart::Later: looks for the pads now and
  // seats their judges. Once; later calls do nothing.
  void StartGamepads();
  // The pads have been looked for: until then none counts as missing.
  bool GamepadsLookedFor() const { return FGamepadsLookedFor; }

  const TTKDConfig& Config() const { return FConfig; }
  TDorvaneMgr& ScoreMgr() { return *FScoreMgr; }
  TSysJoySticks& JoySticks() { return *FJoySticks; }
  TJudgeList& Judges() { return *FJudges; }
  TRoundFlow& RoundFlow() { return *FRoundFlow; }
  const TMatchRecords& Records() const { return *FRecords; }
  // The judges' light refresh, running while some light is lit.
  QTimer& JudgeLightTimer() { return FJudgeLightTimer; }
  const TGamepadWatch& GamepadWatch() const { return *FGamepadWatch; }
  // Each judge's presses in this match; a press still waiting for a partner
  // counts as alone.
  std::vector<TJudgeSummary> JudgesReport();

  // ---- The operator's score entry ----
  // One point; under the best-of-three rules a punch.
  void AddPoint(TSide Side);
  // Under the best-of-three rules the side's last technique of the round.
  void TakeBackPoint(TSide Side);
  // A technique of Points (1 to 5) under the best-of-three rules; nothing
  // under the classic ones.
  void AddTechnique(TSide Side, int32_t Points);
  void AddDeduction(TSide Side);
  void TakeBackDeduction(TSide Side);
  // Warnings are half penalties, which the best-of-three rules do not have.
  void AddWarning(TSide Side);
  void TakeBackWarning(TSide Side);

  // ---- The round ----
  // Scores, penalties, winner and round back to the start, with the names,
  // colours and round time of the settings. Nothing while a clock runs.
  void NewGame();
  void StartRound();
  void StopRound();
  void TogglePause();
  void ToggleInjury();
  // Throws TDorvaneError for a text that is not a whole number.
  void SetRound(const QString& Text);
  // Side gives up: the other side wins.
  void Retire(TSide Side);
  // Moves a paused or stopped round's time left by Seconds (+1 or -1),
  // within 0 and the round's length, and records it. Never a running clock.
  void CorrectClock(int Seconds);
  // A round has started since the new game and no winner is decided yet:
  // what a new game or the end of the program would throw away.
  bool InProgress() const;
  // The buttons and menu entries follow the clock's state.
  void UpdateCommands();
  // Takes up an interrupted match: scores, penalties, round, winner, names,
  // division and sudden death, with the clock paused at the round time it had
  // at AliveMs. Nothing while a clock runs.
  void Resume(const TJournalState& State, int64_t AliveMs);
  // The interrupted match is not taken up: its journal is moved aside as
  // Data/interrupted-<date-time> (the path returned; empty when it could not
  // be) and this match's journal is kept from now on.
  QString SetInterruptedMatchAside();
  // The journal does not follow the match: its last write failed.
  bool JournalCannotWrite() const;
  // What the operator must know of files that cannot be written: "Journal:
  // cannot write", "Record: cannot write", both, or empty. Views hear of
  // each change (TMatchView::ShowWriteTrouble).
  QString WriteTrouble() const;
  // Runs while a file cannot be written, so the trouble clears by itself once
  // the disk takes the files again, even with the match standing still.
  QTimer& WriteRetryTimer() { return FWriteRetryTimer; }
  // What the retry timer does: the journal's and the record's failed writes again.
  void RetryWrites();
  static constexpr int WriteRetryMs = 2000;

 private:
  void OpenGamepads(TGamepadStart Start);
  void KeepGamepadsOut(const TDorvaneError& Error);
  void ConnectScoreEvents();
  void ConnectElectronicScoring();
  void JournalScores();
  // Each judge's newest vote press, seen after every poll of a round.
  void AddPenalty(TSide Side, double Amount);
  void TakeBackPenalty(TSide Side, double Amount);

  const TTKDConfig& FConfig;
  TMatchViews FViews;
  TMatchJudgeLights FJudgeLights{FViews};
  bool FRoundStarted = false;
  bool FGamepadsLookedFor = false;
  QString FGamepadError;
  QTimer FJudgeLightTimer;
  QTimer FWriteRetryTimer;
  std::unique_ptr<TMatchRecords> FRecords;
  std::unique_ptr<TJournalKeeper> FJournal;
  std::unique_ptr<TJudgeList> FJudges;
  std::unique_ptr<TSysJoySticks> FJoySticks;
  std::unique_ptr<TDorvaneMgr> FScoreMgr;
  std::unique_ptr<TRoundFlow> FRoundFlow;
  std::unique_ptr<TElectronicScoring> FElectronicScoring;
  // Pads plugged in and out; a judge seated later gets the match's lights.
  std::unique_ptr<TGamepadWatch> FGamepadWatch;
};
