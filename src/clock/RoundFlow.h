#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "model/BestOfThree.h"
#include "model/Side.h"

class QTimer;
class TBoardView;
class TDorvaneMgr;
class TElectronicScoring;
class TSysJoySticks;
class TMatchRecords;
class TTKDConfig;
class TTimerThread;
enum TClockState : uint8_t;

// The scoreboard's side of the match clock: the round commands, the clock's
// notifications, the end of a clock run and the winner rules. The match owns
// one and forwards its commands and the score manager's events to it; the
// views are changed only through TBoardView.
class TRoundFlow {
 public:
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
  // Injury time's or the break's time left as it started: its length, or
  // what a resumed one had left. Set before OnClockChange tells of it.
  double SegmentLeft() const { return FSegmentLeft; }
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
  // New game's share: leaves the sudden-death round, forgets the shown time,
  // and under the best-of-three rules forgets the rounds won.
  void ResetForNewGame();

  // ---- The best-of-three rules ----
  // The rules chosen in the settings are the best-of-three ones.
  bool BestOfThreeRules() const;
  // The rounds of this match: Rounds, or three under best of three.
  int32_t RoundCount() const;
  // A started round counts a side's whole penalties in the opponent's score:
  // always under best of three, else when UsePenaltyIncrement is on.
  bool PenaltyIncrementRule() const;
  // The techniques of the round under way and the rounds decided so far.
  TBestOfThree& BestOfThree() { return FBestOfThree; }
  const TBestOfThree& BestOfThree() const { return FBestOfThree; }
  // The referee's superiority decision on a round still tied after every
  // tie-break: the side the operator names. Without it such a round stays
  // undecided.
  std::function<TSide(int32_t Round)> OnRefereeDecision;
  // A round has been decided (its winner is in BestOfThree()).
  std::function<void()> OnRoundDecided;
  // The file each clock run marks alive while its round counts (TClockRun::AliveMark).
  QByteArray AliveMark;

  // The players' names in the record lines: the settings' own, or those an
  // interrupted match was taken up with, until the next new game.
  QString PlayerName(TSide Side) const;
  void SetPlayerNames(const QString& RedName, const QString& BlueName);

  // ---- An interrupted match taken up again ----
  // A clock run of the current round, paused with RoundLeft seconds to go.
  void ResumePausedRound(double RoundLeft, bool SuddenDeathRound);
  // Injury time was under way: it counts on from InjuryLeft with the round
  // held at RoundLeft.
  void ResumeInjury(double RoundLeft, double InjuryLeft, bool SuddenDeathRound);
  // The break was under way: it counts on from BreakLeft, and at its end the
  // match moves on as after any break.
  void ResumeBreak(double BreakLeft, bool SuddenDeathRound);
  // No clock ran: RoundLeft is shown as a stopped round leaves it.
  void ResumeStopped(double RoundLeft, bool SuddenDeathRound);
  // The best-of-three rounds decided before the interruption, and the
  // penalty counting of the round that had started.
  void ResumeRounds(const std::vector<TBestOfThree::TRoundRecord>& Rounds, bool RoundDecided);

  // Each change of the clock's state, with the round time left at that moment
  // (held in a pause or injury); csEnded once the run has ended.
  std::function<void(TClockState State, double RoundLeft)> OnClockChange;
  // The clock reads the pads in State, and meets pads plugged in or out as
  // it reads them (OnPadNews).
  bool ClockPollsPads(TClockState State) const;
  // A clock's poll met pads plugged in or out (TTimerThread::OnDeviceNews).
  std::function<void()> OnPadNews;

  // The judges' scoring gets each released press and the end of each poll
  // of the clocks started from now on (on the main thread, while the clock
  // waits). Set by the match before a start.
  void ScoreJudgesWith(TElectronicScoring& Scoring) { FScoring = &Scoring; }

 private:
  // The clock's notifications, run on the main thread while the clock waits.
  void ClockTick(TTimerThread& Sender, TClockState State, double Remaining, double Shown);
  void ClockStateChanged(TTimerThread& Sender, TClockState State);
  void RoundEnded(TTimerThread& Sender);
  void CreateClock(double UsedRoundTime = 0, bool StartPaused = false);
  // Starts a resumed run: the round at RoundLeft, in State (csPaused,
  // csInjury or csBreak) with SegmentLeft of an injury time or break to go.
  void ResumeRun(double RoundLeft, TClockState State, double SegmentLeft, bool SuddenDeathRound);
  void ReportClockChange(TClockState State);
  // The round time left as the clock enters State.
  double HeldRoundLeft(TClockState State) const;
  void ShowClockColors(TClockState State, double Remaining);
  void ShowRemaining(double Shown);
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
  void DecideByLimit(TClockState DecidedState, TWinner Winner);
  void tmrWinnerTimer();

  // The best-of-three rules (BestOfThreeFlow.cpp).
  TRoundScores RoundScores() const;
  void CheckRoundLimits();
  void EndRoundOnTime();
  void DecideRound(const TRoundResult& Result);
  void EndBestOfThreeRun(bool TimeUp);
  void MoveBestOfThreeOn();
  void StartBestOfThreeRound();

  TBoardView& FView;
  TDorvaneMgr& FScoreMgr;
  TSysJoySticks& FJoySticks;
  const TTKDConfig& FConfig;
  const TMatchRecords& FRecords;
  TElectronicScoring* FScoring = nullptr;
  bool FSuddenDeathActive = false;
  std::unique_ptr<TTimerThread> FTimerThread;
  // The remaining time last written to the clock display.
  double FShownRemaining = 0;
  // The round time left at the last tick of the round.
  double FRoundLeft = 0;
  double FSegmentLeft = 0;
  // A resumed injury time or break (FResumedIn) and its time left, until it
  // is under way.
  TClockState FResumedIn{};
  std::optional<double> FResumedSegmentLeft;
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
  TBestOfThree FBestOfThree;
  // Red's and blue's names when they are not the settings' ones.
  std::optional<std::pair<QString, QString>> FPlayerNames;
};

// The injury button's caption while injury time runs (it then cancels it).
QString InjuryCancelCaption();
