#pragma once

#include <QString>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

#include "input/GamepadDevices.h"
#include "model/ScoreManager.h"

enum TClockState : uint8_t {
  csRunning = 0,
  csBreak = 1,
  csPaused = 2,
  csInjury = 3,
  csEnded = 4,
  csPointGap = 5,
  csPointCeiling = 6,
};

class TTKDConfig;

// What one clock run reads of the settings and of the match, copied when the
// run is made: the clock thread reads nothing the main thread may change.
struct TClockRun {
  double RoundTime = 0;
  double BreakTime = 0;
  double InjuryTime = 0;
  int32_t Round = 1;
  int32_t Rounds = 1;
  bool UseSuddenDeath = false;
  // The round counted is the sudden-death round.
  bool SuddenDeathRound = false;
  bool UseElectronicScoring = false;
  // A resumed round: the round time already counted, and the clock starts paused.
  double UsedRoundTime = 0;
  bool StartPaused = false;

  static TClockRun Of(const TTKDConfig& Config, int32_t Round, bool SuddenDeathRound);
};

// One clock run: the count-down of a round, its pauses and injury times, the
// break after it when one is due, and the gamepad polling while it runs.
// Every report (tick, state change, forwarded click, end of a poll, error)
// runs on the main thread while the clock thread waits for it.
//
// Use from the window, all on the main thread:
//   start:    make it, assign FJoySticks and the events, Start();
//   stop:     Terminate(); nothing waits, OnTerminate follows;
//   end:      OnTerminate runs after the thread has finished; its handler may
//             destroy the object;
//   shutdown: Terminate(), ShutdownMainThreadHandOff(), then destroy it (the
//             destructor waits for the thread, which can no longer block on
//             the main thread); only then free the score manager and the
//             gamepad list. Without the shutdown, clearing the events and
//             destroying it works too: the destructor runs the clock's
//             pending hand-offs while it waits.
// The events are read only on the main thread, so the window may change them
// there at any time; CuePlayer is called on the clock thread.
class TTimerThread {
 public:
  using TTickEvent = std::function<void(TTimerThread& Sender, TClockState State, double Remaining)>;
  using TStateEvent = std::function<void(TTimerThread& Sender, TClockState State)>;
  using TErrorEvent = std::function<void(TTimerThread& Sender, const QString& Message)>;
  using TTerminateEvent = std::function<void(TTimerThread& Sender)>;
  using TCuePlayer = std::function<void(const QString& Name)>;

  TTimerThread(TDorvaneMgr& ScoreMgr, const TClockRun& Run);
  // Stops a run still in progress and waits for it; safe on the main thread.
  virtual ~TTimerThread();
  TTimerThread(const TTimerThread&) = delete;
  TTimerThread& operator=(const TTimerThread&) = delete;

  // The clock thread's name as the system lists it (at most 15 characters).
  static constexpr char ThreadName[] = "DorvaneClock";

  // Runs Execute on the clock thread, one priority step above normal, then
  // OnTerminate on the main thread. Call once.
  void Start();
  // The whole run on the calling thread; Start's thread runs it. A test may
  // call it with a fake time source, whose Sleep drives the count.
  void Execute();

  TClockState State() const;
  // Announces the state through OnStateChange on the main thread, at once
  // when called there.
  void SetState(TClockState Value);
  // Moves the clock from From to To in one locked step and announces it;
  // false, and no change, when the clock is no longer in From (it may have
  // started the break or ended between the operator's key and this call).
  bool ChangeState(TClockState From, TClockState To);

  // Moves a paused round's remaining time by Seconds (a negative value takes
  // time off); false, and no change, when the round is not paused. The caller
  // keeps the result within the round. The count takes it up at its next
  // pass, so a test stepping Execute sees it before the pause ends.
  bool CorrectPausedRound(double Seconds);

  void Terminate() { FTerminated = true; }
  bool Terminated() const { return FTerminated; }
  // 0 for a run that ended by itself, -1 for one told to terminate.
  int ReturnValue() const { return FReturnValue; }
  // Blocks until the thread has finished. On the main thread it keeps running
  // the clock's hand-offs meanwhile, so it cannot deadlock.
  void WaitForFinish();

  // Are the two sides not level? Whole-point totals, or exact points in the
  // sudden-death round; a side's penalties count for the other side.
  static bool ScoresDiffer(const TDorvaneMgr& ScoreMgr, const TClockRun& Run);

  // Hooked into every gamepad and the gamepad list while the run lasts;
  // called inside Poll on the clock thread.
  void ForwardButtonClick(TMyJoyStick& Sender, TJoyButton& Button, int32_t ButtonNumber,
                          double PressStart, bool& Handled);
  void ForwardPoll(TSysJoySticks& Sender);

  TSysJoySticks* FJoySticks = nullptr;
  TTickEvent OnTick;
  TStateEvent OnStateChange;
  TMyJoyStick::TButtonClickEvent OnButtonClick;
  TSysJoySticks::TPollEvent OnPoll;
  // Shows an error caught in the run; the window puts it in its error box.
  TErrorEvent OnError;
  TTerminateEvent OnTerminate;
  // Where the clock's sound cues go.
  TCuePlayer CuePlayer;

 private:
  void HookJoySticks();
  void UnhookJoySticks();
  void CountRun();
  void CountRound();
  bool BreakDue() const;
  void CountBreak();
  void WaitWhilePaused();
  // The pending correction, taken once; under FStateLock.
  double TakeCorrection();
  void RunInjuryTime();
  void PollIfScoring();
  void Tick();
  double SecondsSinceSegmentStart() const;
  // Stores Value and announces it unless a winner rule has decided the run.
  void SetStateUnlessDecided(TClockState Value);
  void Announce();
  // Runs Step; an error in it is shown once on the main thread.
  void Guarded(const std::function<void()>& Step);
  void ShowThreadError();
  void FinishOnMainThread();

  TClockState FState = csRunning;
  mutable std::mutex FStateLock;
  // Seconds of round time the operator added while paused, not yet counted.
  double FCorrection = 0;
  double FRemaining = 0;
  double FElapsed = 0;
  double FSegmentStart = 0;
  std::exception_ptr FException;
  TDorvaneMgr& FScoreMgr;
  const TClockRun FRun;
  std::atomic<bool> FTerminated = false;
  std::atomic<int> FReturnValue = 0;
  std::unique_ptr<QThread> FThread;
  // Expires with the object, so a finish posted to the main thread after the
  // object is gone does nothing.
  std::shared_ptr<int> FAlive = std::make_shared<int>(0);
};
