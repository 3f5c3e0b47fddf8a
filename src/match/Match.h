#pragma once

#include <QString>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>

#include "input/Judges.h"
#include "match/MatchViews.h"
#include "model/Side.h"

class TDorvaneMgr;
class TElectronicScoring;
class TMatchRecords;
class TRoundFlow;
class TSysJoySticks;
class TTKDConfig;
class TJournalKeeper;
class TMyJoyStick;
struct TJournalState;

// The live match, without any window: the score manager, the gamepads and
// their judges, the round flow with its clock and winner rules, electronic
// scoring and the record file. Views attach to it and draw what it says; the
// windows forward the operator's commands to its verbs. Main thread only.
class TMatch {
 public:
  // Config is read, never written, for the whole life of the match.
  explicit TMatch(const TTKDConfig& Config);
  // Ends a running clock first, then frees what it used.
  ~TMatch();
  TMatch(const TMatch&) = delete;
  TMatch& operator=(const TMatch&) = delete;

  void Attach(TMatchView& View);
  void Detach(TMatchView& View);
  // Judge n's lights at position n - 1 (null where the view has none).
  void SetJudgeLights(const TJudgeLights& RedLights, const TJudgeLights& BlueLights);
  // Why the gamepads could not be opened at start; empty when they could.
  const QString& GamepadError() const { return FGamepadError; }

  const TTKDConfig& Config() const { return FConfig; }
  TDorvaneMgr& ScoreMgr() { return *FScoreMgr; }
  TSysJoySticks& JoySticks() { return *FJoySticks; }
  TJudgeList& Judges() { return *FJudges; }
  TRoundFlow& RoundFlow() { return *FRoundFlow; }
  const TMatchRecords& Records() const { return *FRecords; }
  // A judge's last vote press the match saw (while a round ran): the
  // gamepad's button number and the press's date-time.
  struct TJudgePress {
    int32_t Button = 0;
    double At = 0;
  };
  std::optional<TJudgePress> LastJudgePress(const TMyJoyStick& Pad) const;
  // The judges' light refresh, running while some light is lit.
  QTimer& JudgeLightTimer() { return FJudgeLightTimer; }

  // ---- The operator's score entry ----
  void AddPoint(TSide Side);
  void TakeBackPoint(TSide Side);
  void AddDeduction(TSide Side);
  void TakeBackDeduction(TSide Side);
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

 private:
  void OpenGamepads();
  void ConnectScoreEvents();
  void ConnectElectronicScoring();
  void JournalScores();
  // Each judge's newest vote press, seen after every poll of a round.
  void NoteJudgePresses();
  void AddPenalty(TSide Side, double Amount);
  void TakeBackPenalty(TSide Side, double Amount);

  const TTKDConfig& FConfig;
  TMatchViews FViews;
  bool FRoundStarted = false;
  std::map<const TMyJoyStick*, TJudgePress> FJudgePresses;
  QString FGamepadError;
  QTimer FJudgeLightTimer;
  std::unique_ptr<TMatchRecords> FRecords;
  std::unique_ptr<TJournalKeeper> FJournal;
  std::unique_ptr<TJudgeList> FJudges;
  std::unique_ptr<TSysJoySticks> FJoySticks;
  std::unique_ptr<TDorvaneMgr> FScoreMgr;
  std::unique_ptr<TRoundFlow> FRoundFlow;
  std::unique_ptr<TElectronicScoring> FElectronicScoring;
};
