#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "model/Side.h"

class QTimer;
class TBoardView;
class TDorvaneMgr;
class TSysJoySticks;
class TMatchRecords;
class TMyJoyStick;
class TJoyButton;
class TTKDConfig;
class TTimerThread;
enum TClockState : uint8_t;

// The scoreboard's side of the match clock: the round commands, the clock's
// notifications, the end of a clock run and the winner rules. The match owns
// one and forwards its commands and the score manager's events to it; the
// views are changed only through TBoardView.
class TRoundFlow {
 public:
  using TJudgeClickEvent =
      std::function<void(TMyJoyStick& Sender, TJoyButton& Button, int32_t ButtonNumber,
                         double PressStart, bool& Handled)>;
  using TJudgePollEvent = std::function<void(TSysJoySticks& Sender)>;

  TRoundFlow(TBoardView& View, TDorvaneMgr& ScoreMgr, TSysJoySticks& JoySticks,
             const TTKDConfig& Config, const TMatchRecords& Records);
  // Ends a running clock and returns once its thread can no longer call back.
  ~TRoundFlow();
  TRoundFlow(const TRoundFlow&) = delete;
  TRoundFlow& operator=(const TRoundFlow&) = delete;

  // The clock's share of the match's verbs.
  void StartRound();
  void StopRound();
  void TogglePause();
  void ToggleInjury();
  // Throws TDorvaneError("'<text>' is not a valid integer value").
  void SetRound(const QString& Text);
  // Side gives up: the clock stops and the other side wins.
  void Retire(TSide Side);
  // Moves the round time left by Seconds, within 0 and the round's length:
  // a paused round's, or, with no clock, the time the next start counts
  // from. A running clock, a break or injury time is never changed. False
  // when nothing moved.
  bool CorrectClock(double Seconds);
  void UpdateCommands();
  // Asks a running clock to stop; never waits.
  void StopClock();

  // A clock run exists (from Start until its end has been handled).
  bool ClockExists() const;
  // A clock exists and counts round time (csRunning): votes may score.
  bool ClockRunning() const;
  // The round time left at the last tick of the round, or held in a pause.
  double RoundLeft() const { return FRoundLeft; }
  // The current round is the sudden-death round.
  bool SuddenDeathActive() const { return FSuddenDeathActive; }
  // The clock as its last tick left it, for the live feed.
  struct TClockReading {
    bool Exists = false;
    TClockState State;      // the clock's state now (when it exists)
    TClockState TickState;  // the state the last tick counted in
    double Remaining = 0;   // seconds left at that tick
    double TakenAt = 0;     // Now() of that tick
  };
  TClockReading ClockReading() const;

  // The rules after the board has redrawn a change.
  void ScoreChanged();    // a score: point gap, point ceiling, first to score
  void PenaltyChanged();  // a penalty: disqualification first, then the same
  void WinnerChanged();   // the manager's OnWinnerChange: blink and record
  // The winner blink period, from the configuration dialog (400 ms until then).
  void SetWinnerBlinkInterval(int Ms);
  // New game's share: leaves the sudden-death round, forgets the shown time.
  void ResetForNewGame();

  // ---- An interrupted match taken up again ----
  // A clock run of the current round, paused with RoundLeft seconds to go.
  void ResumePausedRound(double RoundLeft, bool SuddenDeathRound);
  // The break was under way: the match moves on as at the break's end.
  void ResumeAfterBreak(bool SuddenDeathRound);
  // No clock ran: RoundLeft is shown as a stopped round leaves it.
  void ResumeStopped(double RoundLeft, bool SuddenDeathRound);

  // Each change of the clock's state, with the round time left at that moment
  // (held in a pause or injury); csEnded once the run has ended.
  std::function<void(TClockState State, double RoundLeft)> OnClockChange;

  // Electronic scoring's handlers, forwarded from the clock thread to the
  // main thread while the clock waits. Set by the match before a start.
  TJudgeClickEvent OnJudgeButtonClick;
  TJudgePollEvent OnCheckJudgeVotes;

 private:
  // The clock's notifications, run on the main thread while the clock waits.
  void ClockTick(TTimerThread& Sender, TClockState State, double Remaining);
  void ClockStateChanged(TTimerThread& Sender, TClockState State);
  void RoundEnded(TTimerThread& Sender);
  void CreateClock(double UsedRoundTime = 0, bool StartPaused = false);
  void ReportClockChange(TClockState State);
  void ShowClockColors(TClockState State, double Remaining);
  void ShowRemaining(double Remaining);
  void ShowFullRoundTime();
  void ShowButtonAvailability(bool HasClock, TClockState State);
  void WriteRoundEndRecords();
  void MoveMatchOn();
  void OpenSuddenDeathRound();

  // The winner rules.
  void CheckDisqualification();
  void CheckPointGap();
  void CheckPointCeiling();
  void CheckFirstToScore();
  void DecideWinner();
  void CheckDisqualificationAtStop();
  void DecideByLimit(TClockState DecidedState, uint8_t Winner);
  void tmrWinnerTimer();

  TBoardView& FView;
  TDorvaneMgr& FScoreMgr;
  TSysJoySticks& FJoySticks;
  const TTKDConfig& FConfig;
  const TMatchRecords& FRecords;
  bool FSuddenDeathActive = false;
  std::unique_ptr<TTimerThread> FTimerThread;
  // The remaining time last written to the clock display.
  double FShownRemaining = 0;
  // The round time left at the last tick of the round.
  double FRoundLeft = 0;
  // The time the next start counts from, once the operator corrected it.
  std::optional<double> FStartLeft;
  // The last tick's state, time left and instant.
  TClockState FTickState{};
  double FTickRemaining = 0;
  double FTickAt = 0;
  // The end-of-round warning blink left the digits black at the last tick.
  bool FClockDark = false;
  std::unique_ptr<QTimer> tmrWinner;
  // The phase of the winner's blink.
  bool FWinnerLit = false;
};

// The injury button's caption while injury time runs (it then cancels it).
QString InjuryCancelCaption();
