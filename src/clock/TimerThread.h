#pragma once

#include <QByteArray>
#include <QString>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>

#include "input/GamepadDevices.h"
#include "input/VoteCheckGate.h"
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
  // A run taken up in injury time (csInjury) or in the break after its round
  // (csBreak), with ResumedLeft seconds of it to go; csRunning for any other.
  TClockState ResumedIn = csRunning;
  double ResumedLeft = 0;
  double EndOfRoundWarning = 0;
  // Milliseconds after its start in which a press may still agree with another.
  int32_t Transiency = 0;
  // The match journal, in the file system's encoding: while the round, injury
  // time or the break counts, its time is set every AliveMarkIntervalMs to
  // say the program still runs.
  // Marked here, from passes the clock makes anyway, rather than by waking
  // another thread ten times a second. None when empty.
  QByteArray AliveMark = {};

  static TClockRun Of(const TTKDConfig& Config, int32_t Round, bool SuddenDeathRound);
};

// The board rewrites the clock text once the time has moved by more than
// 0.2 s from the time the text was last written from.
bool ClockTextDue(double ShownRemaining, double Remaining);
// The digits go dark for one 200 ms step in every four during the last
// Warning seconds of a running round.
bool WarningBlinkDark(double Warning, double Remaining);

// One clock run: the count-down of a round, its pauses and injury times, the
// break after it when one is due, and the gamepad polling while it runs.
// A pass runs at every whole millisecond of a segment, but the main thread
// hears only of what changes the board: a tick when the clock text is due,
// the blink phase or the state changes; the end of a poll when a button
// changed or a vote can still agree. Ticks, polls and the run's end are
// posted; the other state changes, forwarded clicks and errors run on the
// main thread while the clock thread waits for them. All of them run in the
// order they were made.
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
// there at any time; CuePlayer too, which sounds the cues (the end's after
// OnTerminate, once the round's record lines are written).
class TTimerThread {
 public:
  // Shown is the time the clock text is written from (see ClockTextDue).
  using TTickEvent =
      std::function<void(TTimerThread& Sender, TClockState State, double Remaining, double Shown)>;
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
  // Finish on the main thread. Call once.
  void Start();
  // The whole run on the calling thread; Start's thread runs it. A test may
  // call it with a fake time source, whose sleeps drive the count.
  void Execute();
  // On the main thread once Execute has returned: OnTerminate, then the End
  // cue unless the round was the sudden-death round. The handler may destroy
  // the object; nothing here touches it afterwards.
  void Finish();

  // The time the board's clock text was last written from (see
  // ClockTextDue): a run after a stop goes on from what the board shows.
  // Set before Start; the clock thread's own from then on.
  double ShownRemaining = 0;
  // The warning blink's length, taken from the settings when the clock is made.
  double EndOfRoundWarning() const { return FRun.EndOfRoundWarning; }
  // The run reads the pads while its round counts or is paused.
  bool PollsPads() const { return FJoySticks && FRun.UseElectronicScoring; }

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
  // keeps the result within the round and writes the clock text from Shown.
  // The count takes it up at its next pass, so a test stepping Execute sees
  // it before the pause ends.
  bool CorrectPausedRound(double Seconds, double Shown);

  void Terminate() { FTerminated = true; }
  bool Terminated() const { return FTerminated; }
  // 0 for a run that ended by itself, -1 for one told to terminate.
  int ReturnValue() const { return FReturnValue; }
  // Blocks until the thread has finished. On the main thread it keeps running
  // the clock's hand-offs meanwhile, so it cannot deadlock, and the reports
  // the thread posted; Finish then no longer runs.
  void WaitForFinish();

  // Are the two sides not level? Whole-point totals, or exact points in the
  // sudden-death round; a side's penalties count for the other side.
  static bool ScoresDiffer(const TDorvaneMgr& ScoreMgr, const TClockRun& Run);

  // Hooked into every gamepad and the gamepad list while the run lasts;
  // called inside Poll on the clock thread.
  // A press too old to agree with another judge's (older than Transiency) is
  // dropped here instead: consumed without a hand-off.
  void ForwardButtonClick(TMyJoyStick& Sender, TJoyButton& Button, int32_t ButtonNumber,
                          double PressStart, bool& Handled);
  void ForwardPoll(TSysJoySticks& Sender);

  TSysJoySticks* FJoySticks = nullptr;
  TTickEvent OnTick;
  TStateEvent OnStateChange;
  TMyJoyStick::TButtonClickEvent OnButtonClick;
  TSysJoySticks::TPollEvent OnPoll;
  // A poll met pads plugged in or out: someone should take the news
  // (TSysJoySticks::TakeDeviceChanges). Raised again while the news waits,
  // once the last one has run.
  std::function<void()> OnDeviceNews;
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
  // The break, Seconds long from its start.
  void CountBreak(double Seconds);
  void WaitWhilePaused();
  // The pending correction, taken once, with the time the board's text was
  // written from for it; under FStateLock.
  double TakeCorrection();
  void RunInjuryTime();
  // Counting: a pass of the running round, not of a pause.
  void PollIfScoring(bool Counting);
  // Sets the journal's time at each AliveMarkIntervalMs of a counting segment.
  void MarkAlive();
  // Hands the tick to the main thread when it changes what the board shows.
  void Tick();
  void StartSegment();
  double MsSinceSegmentStart() const;
  // Remaining of a segment that lasts Seconds, from the time counted before it.
  double SegmentRemaining(double Seconds) const;
  // Sleeps until the next whole millisecond of the segment, or until its end
  // (Remaining seconds from now) when that comes first.
  void SleepUntilNextPass(double Remaining) const;
  // Stores Value and announces it unless a winner rule has decided the run.
  void SetStateUnlessDecided(TClockState Value);
  // Injury time over: To, unless the state has left injury time meanwhile
  // (the operator's cancel and a pause right after it, a winner rule): what
  // the main thread set stands.
  void EndInjuryTime(TClockState To);
  // The run's end: csEnded unless a winner rule has decided the run.
  void PostEnd();
  void Announce();
  // Runs Step; an error in it is shown once on the main thread.
  void Guarded(const std::function<void()>& Step);
  // Posts a report to the main thread. An error in it comes back to the
  // clock thread, which raises it at its next pass as if it had waited for
  // the report; after the run's last pass Finish shows it.
  void PostReport(std::function<void()> Report);
  void RaiseReportError();
  // Waits until the main thread has run the reports posted so far.
  void CatchUpWithMainThread();
  void ShowThreadError();

  TClockState FState = csRunning;
  mutable std::mutex FStateLock;
  // Seconds of round time the operator added while paused, not yet counted.
  double FCorrection = 0;
  std::optional<double> FCorrectedShown;
  double FRemaining = 0;
  // Milliseconds of the round counted before the current segment.
  double FElapsedMs = 0;
  double FSegmentStartMs = 0;
  // The length of the next injury time: a resumed one's time left, then the settings'.
  double FInjuryLength = 0;
  // What the last tick handed to the main thread showed (clock thread only).
  bool FTickHanded = false;
  TClockState FHandedState = csRunning;
  bool FHandedDark = false;
  // The board's clock text is the one ShownRemaining gives: it has been
  // written from it since the run began.
  bool FShownTextKnown = false;
  // When the next alive mark is due, monotonic (clock thread only).
  double FNextAliveMarkMs = 0;
  bool FAliveMarkFailing = false;
  // Whether the End cue sounds at Finish; decided as the run ends.
  bool FEndCueDue = false;
  // WaitForFinish has run (main thread only).
  bool FWaitedFor = false;
  std::exception_ptr FException;
  std::mutex FReportErrorLock;
  std::exception_ptr FReportError;
  std::atomic<bool> FReportFailed = false;
  // Reports posted since the main thread last caught up (clock thread only).
  bool FReportsPosted = false;
  // A report of pads plugged in or out is on its way to the main thread.
  std::atomic<bool> FDeviceNewsPosted = false;
  // Clock thread only: whether the poll under way is one of a counting
  // round, when the votes want checking, and the press of each button whose
  // click the board has heard of.
  bool FPollCounting = false;
  TVoteCheckGate FVoteCheckGate;
  std::unordered_map<const TJoyButton*, double> FClicksPassedOn;
  TDorvaneMgr& FScoreMgr;
  const TClockRun FRun;
  std::atomic<bool> FTerminated = false;
  std::atomic<int> FReturnValue = 0;
  std::unique_ptr<QThread> FThread;
  // Expires with the object, so a finish posted to the main thread after the
  // object is gone does nothing.
  std::shared_ptr<int> FAlive = std::make_shared<int>(0);
};
