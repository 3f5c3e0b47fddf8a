#include "clock/TimerThread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <algorithm>
#include <cmath>
#include <utility>

#include "clock/MatchTotals.h"
#include "model/DorvaneError.h"
#include "model/Settings.h"
#include "platform/FileTouch.h"
#include "platform/MainThread.h"
#include "platform/TimeSource.h"
#include "record/MatchJournal.h"
#include "record/SoundCues.h"

namespace {

bool IsDecided(TClockState State) { return State == csPointGap || State == csPointCeiling; }

// A segment this close to its end has ended: its last pass may not move the
// time any further. A microsecond is above the rounding of a time in
// milliseconds (half a microsecond at 4e12 ms), so a deadline that far ahead
// is always later than now; a correction worked out from a held time leaves
// less than that over.
constexpr double EndSlackMs = 1e-3;

// The whole seconds the clock text shows for Remaining, rounded as
// FormatSecondsMS rounds them.
double ShownSeconds(double Remaining) { return std::nearbyint(Remaining); }

QString ErrorMessage(const std::exception_ptr& Error) {
  try {
    std::rethrow_exception(Error);
  } catch (const TDorvaneError& E) {
    return E.Message();
  } catch (const std::exception& E) {
    return QString::fromStdString(E.what());
  } catch (...) {
    return QCoreApplication::translate("Clock", "Unknown error in the match clock");
  }
}

}  // namespace

TClockRun TClockRun::Of(const TTKDConfig& Config, int32_t Round, bool SuddenDeathRound) {
  return {.RoundTime = Config.RoundTime,
          .BreakTime = Config.CoachTime,
          .InjuryTime = Config.InjuryTime,
          .Round = Round,
          .Rounds = Config.Rounds,
          .UseSuddenDeath = Config.UseSuddenDeath,
          .SuddenDeathRound = SuddenDeathRound,
          .UseElectronicScoring = Config.UseElectronicScoring,
          .EndOfRoundWarning = Config.EndOfRoundWarning,
          .Transiency = Config.Transiency};
}

bool ClockTextDue(double ShownRemaining, double Remaining) {
  return std::abs(ShownRemaining - Remaining) * 100 > 20;
}

// fmod keeps huge times free of integer overflow.
bool WarningBlinkDark(double Warning, double Remaining) {
  if (Warning <= 0.05 || Remaining >= Warning) return false;
  return std::fmod(std::nearbyint(Remaining * 1000 / 200), 4) == 0;
}

TTimerThread::TTimerThread(TDorvaneMgr& ScoreMgr, const TClockRun& Run)
    : CuePlayer(PlayCue),
      FState(Run.StartPaused ? csPaused : Run.ResumedIn),
      FSegmentStartMs(TimeSource().MonotonicMs()),
      FInjuryLength(Run.ResumedIn == csInjury ? Run.ResumedLeft : Run.InjuryTime),
      FScoreMgr(ScoreMgr),
      FRun(Run) {}

TTimerThread::~TTimerThread() {
  Terminate();
  WaitForFinish();
}

void TTimerThread::Start() {
  FThread.reset(QThread::create([this] {
    Execute();
    PostToMainThread([this, Alive = std::weak_ptr<int>(FAlive)] {
      if (!Alive.expired() && !FWaitedFor) Finish();
    });
  }));
  // Named so a debugger, top -H or a test can tell the clock from other threads.
  FThread->setObjectName(QLatin1String(ThreadName));
  FThread->start(QThread::HighPriority);
}

// The handler may destroy this object: what the cue needs is copied first.
void TTimerThread::Finish() {
  if (FThread) FThread->wait();
  const TCuePlayer Cue = FEndCueDue ? CuePlayer : nullptr;
  // A report that failed after the last pass.
  if (FReportFailed) {
    {
      std::lock_guard Lock(FReportErrorLock);
      FException = std::exchange(FReportError, nullptr);
      FReportFailed = false;
    }
    if (OnError) OnError(*this, ErrorMessage(FException));
  }
  if (OnTerminate) {
    const TTerminateEvent Handler = OnTerminate;
    Handler(*this);
  }
  if (Cue) Cue(QStringLiteral("End"));
}

void TTimerThread::WaitForFinish() {
  if (!FThread) return;
  FWaitedFor = true;
  while (!FThread->wait(QDeadlineTimer(1))) RunPendingMainThreadHandOffs();
  // What the thread posted last, its end among it.
  RunPendingMainThreadHandOffs();
}

TClockState TTimerThread::State() const {
  std::lock_guard Lock(FStateLock);
  return FState;
}

void TTimerThread::SetState(TClockState Value) {
  {
    std::lock_guard Lock(FStateLock);
    FState = Value;
  }
  Announce();
}

// A winner rule on the main thread may decide the run at any moment; testing
// and storing under one lock keeps its state from being overwritten.
bool TTimerThread::ChangeState(TClockState From, TClockState To) {
  {
    std::lock_guard Lock(FStateLock);
    if (FState != From) return false;
    FState = To;
  }
  Announce();
  return true;
}

bool TTimerThread::CorrectPausedRound(double Seconds, double Shown) {
  std::lock_guard Lock(FStateLock);
  if (FState != csPaused) return false;
  FCorrection += Seconds;
  FCorrectedShown = Shown;
  return true;
}

double TTimerThread::TakeCorrection() {
  std::lock_guard Lock(FStateLock);
  if (FCorrectedShown) ShownRemaining = *std::exchange(FCorrectedShown, std::nullopt);
  return std::exchange(FCorrection, 0.0);
}

// The clock's own state changes wait for the reports posted before them: a
// vote agreed in a round's last pass is checked while the round still runs.
void TTimerThread::SetStateUnlessDecided(TClockState Value) {
  CatchUpWithMainThread();
  {
    std::lock_guard Lock(FStateLock);
    if (IsDecided(FState)) return;
    FState = Value;
  }
  Announce();
}

void TTimerThread::EndInjuryTime(TClockState To) {
  CatchUpWithMainThread();
  ChangeState(csInjury, To);
}

// Posted, so the main thread takes the end and the thread's finish in one
// wake-up; the state is stored there, after the reports posted before it.
void TTimerThread::PostEnd() {
  PostReport([this] {
    {
      std::lock_guard Lock(FStateLock);
      if (IsDecided(FState)) return;
      FState = csEnded;
    }
    if (OnStateChange) OnStateChange(*this, csEnded);
  });
}

void TTimerThread::Announce() {
  RunOnMainThread([this] {
    if (OnStateChange) OnStateChange(*this, State());
  });
}

// Writes the board's clock text by its 0.2 s rule, but hands the main thread
// only the rewrites that change the text (whole seconds), the blink's phases
// and the state: a tick that would change nothing on the board stays on the
// clock thread. The last pass of a segment always reaches it, as a winner
// rule may act on the time having run out. The board reads the state as it
// is when the tick arrives; a state that changed meanwhile brings another
// tick.
void TTimerThread::Tick() {
  RaiseReportError();
  const TClockState Shown = State();
  const bool Dark = Shown == csRunning && WarningBlinkDark(FRun.EndOfRoundWarning, FRemaining);
  const bool TextDue = ClockTextDue(ShownRemaining, FRemaining);
  // Until its first rewrite the board may show a text of its own (a stopped
  // round's time, a reset clock): that rewrite is always handed.
  const bool TextChanges =
      TextDue && (!FShownTextKnown || ShownSeconds(ShownRemaining) != ShownSeconds(FRemaining));
  if (TextDue) ShownRemaining = FRemaining;
  const bool Unchanged =
      FTickHanded && Shown == FHandedState && Dark == FHandedDark && !TextChanges;
  if (Unchanged && FRemaining > 0) return;
  FTickHanded = true;
  FHandedState = Shown;
  FHandedDark = Dark;
  if (TextDue) FShownTextKnown = true;
  PostReport([this, Remaining = FRemaining, Text = ShownRemaining] {
    if (OnTick) OnTick(*this, State(), Remaining, Text);
  });
}

void TTimerThread::PostReport(std::function<void()> Report) {
  FReportsPosted = true;
  PostToMainThread([this, Alive = std::weak_ptr<int>(FAlive), Report = std::move(Report)] {
    if (Alive.expired()) return;
    try {
      Report();
    } catch (...) {
      std::lock_guard Lock(FReportErrorLock);
      if (!FReportError) FReportError = std::current_exception();
      FReportFailed = true;
    }
  });
}

void TTimerThread::CatchUpWithMainThread() {
  if (!FReportsPosted) return;
  FReportsPosted = false;
  RunOnMainThread([] {});
}

void TTimerThread::RaiseReportError() {
  if (!FReportFailed) return;
  std::exception_ptr Error;
  {
    std::lock_guard Lock(FReportErrorLock);
    Error = std::exchange(FReportError, nullptr);
    FReportFailed = false;
  }
  std::rethrow_exception(Error);
}

void TTimerThread::Execute() {
  FReturnValue = 0;
  HookJoySticks();
  Guarded([this] { CountRun(); });
  if (Terminated()) FReturnValue = -1;
  Guarded([this] { PostEnd(); });
  // Sounded at Finish, after the round's record lines; reading its sound's
  // name from the settings file has no place on the clock thread.
  FEndCueDue = !FRun.SuddenDeathRound;
  // Nothing polls any more; the gamepad list may get other handlers from here on.
  UnhookJoySticks();
}

void TTimerThread::Guarded(const std::function<void()>& Step) {
  try {
    Step();
  } catch (...) {
    FException = std::current_exception();
    ShowThreadError();
  }
}

// A failure to show the error leaves nothing else to tell it with.
void TTimerThread::ShowThreadError() {
  const QString Message = ErrorMessage(FException);
  try {
    RunOnMainThread([this, &Message] {
      if (OnError) OnError(*this, Message);
    });
  } catch (...) {
  }
}

void TTimerThread::HookJoySticks() {
  if (!FJoySticks) return;
  const int32_t Count = FJoySticks->Count();
  {
    const auto Locked = FJoySticks->LockList();
    for (int32_t I = 0; I < Count && I < Locked.Count(); ++I) {
      Locked[I].OnButtonClick = [this](TMyJoyStick& Sender, TJoyButton& Button,
                                       int32_t ButtonNumber, double PressStart, bool& Handled) {
        ForwardButtonClick(Sender, Button, ButtonNumber, PressStart, Handled);
      };
    }
  }
  FJoySticks->OnPoll = [this](TSysJoySticks& Sender) { ForwardPoll(Sender); };
}

void TTimerThread::UnhookJoySticks() {
  if (!FJoySticks) return;
  const int32_t Count = FJoySticks->Count();
  {
    const auto Locked = FJoySticks->LockList();
    for (int32_t I = 0; I < Count && I < Locked.Count(); ++I) Locked[I].OnButtonClick = nullptr;
  }
  FJoySticks->OnPoll = nullptr;
}

void TTimerThread::ForwardButtonClick(TMyJoyStick& Sender, TJoyButton& Button, int32_t ButtonNumber,
                                      double PressStart, bool& Handled) {
  if (!Button.IsPendingWithin(FRun.Transiency, Now())) {
    FClicksPassedOn.erase(&Button);
    Handled = true;
    return;
  }
  Handled = false;
  // The click is raised at every poll while its press waits for a vote; the
  // board needs to hear of it once.
  const auto [Known, New] = FClicksPassedOn.try_emplace(&Button, PressStart);
  if (!New && Known->second == PressStart) return;
  Known->second = PressStart;
  // Posted, not waited for: the poll holds the pads' locks and SDL's here,
  // and the main thread may be waiting for those (a look for new pads). The
  // press stays pending here; a handler that takes it consumes it there.
  PostReport([this, &Sender, &Button, ButtonNumber, PressStart] {
    bool ForwardedHandled = false;
    if (OnButtonClick) OnButtonClick(Sender, Button, ButtonNumber, PressStart, ForwardedHandled);
    if (ForwardedHandled) Button.Pending = false;
  });
}

void TTimerThread::ForwardPoll(TSysJoySticks& Sender) {
  // The poll meets pads plugged in or out at once: the main thread need not
  // look for them itself while this clock polls.
  if (Sender.DeviceNewsPending() && !FDeviceNewsPosted.exchange(true)) {
    PostReport([this] {
      FDeviceNewsPosted = false;
      if (OnDeviceNews) OnDeviceNews();
    });
  }
  if (!FVoteCheckGate.CheckDue(Sender, FRun.Transiency, FPollCounting)) return;
  PostReport([this] {
    if (OnPoll) OnPoll(*FJoySticks);
  });
}

void TTimerThread::CountRun() {
  FElapsedMs = FRun.UsedRoundTime * 1000;
  StartSegment();
  // The journal was written as the count began: the first mark one interval on.
  FNextAliveMarkMs = FSegmentStartMs + AliveMarkIntervalMs;
  // The run starts in the state it was made with: a pause or a winner rule
  // the main thread applied before this thread got here stands (a decision
  // has been announced already).
  CatchUpWithMainThread();
  // A run taken up in the break has its round behind it.
  if (FRun.ResumedIn == csBreak) {
    CountBreak(FRun.ResumedLeft);
    return;
  }
  if (!IsDecided(State())) Announce();
  CountRound();
  if (!Terminated() && BreakDue()) CountBreak(FRun.BreakTime);
}

void TTimerThread::StartSegment() { FSegmentStartMs = TimeSource().MonotonicMs(); }

double TTimerThread::MsSinceSegmentStart() const {
  return TimeSource().MonotonicMs() - FSegmentStartMs;
}

double TTimerThread::SegmentRemaining(double Seconds) const {
  const double LeftMs = Seconds * 1000 - FElapsedMs - MsSinceSegmentStart();
  return LeftMs <= EndSlackMs ? std::min(LeftMs, 0.0) / 1000 : LeftMs / 1000;
}

// Deadlines in whole milliseconds of the segment: a slow pass shortens the
// next sleep instead of pushing every later pass back.
void TTimerThread::SleepUntilNextPass(double Remaining) const {
  const double SinceMs = MsSinceSegmentStart();
  const double NextMs = std::min(std::floor(SinceMs) + 1, SinceMs + Remaining * 1000);
  TimeSource().SleepUntilMs(FSegmentStartMs + NextMs);
}

// The round ends in the pass at its deadline.
void TTimerThread::CountRound() {
  if (Terminated()) return;
  FRemaining = SegmentRemaining(FRun.RoundTime);
  while (!Terminated() && FRemaining >= 0) {
    WaitWhilePaused();
    RunInjuryTime();
    PollIfScoring(true);
    FRemaining = SegmentRemaining(FRun.RoundTime);
    Tick();
    if (FRemaining <= 0) break;
    MarkAlive();
    SleepUntilNextPass(FRemaining);
  }
}

void TTimerThread::MarkAlive() {
  // A stopped run says nothing more of the program.
  if (FRun.AliveMark.isEmpty() || Terminated()) return;
  const double NowMs = TimeSource().MonotonicMs();
  if (NowMs < FNextAliveMarkMs) return;
  // Whole intervals on; after a pause or injury time, one from now.
  FNextAliveMarkMs += AliveMarkIntervalMs;
  if (FNextAliveMarkMs <= NowMs) FNextAliveMarkMs = NowMs + AliveMarkIntervalMs;
  QString Error;
  const bool Marked = TouchFile(FRun.AliveMark, &Error);
  if (!Marked && !FAliveMarkFailing) {
    qCWarning(lcJournal) << "match journal not marked alive:" << FRun.AliveMark << Error;
  }
  FAliveMarkFailing = !Marked;
}

// After the last regular round a break leads into the sudden-death round,
// which itself is never followed by one.
bool TTimerThread::BreakDue() const {
  if (FRun.Round < FRun.Rounds) return true;
  return FRun.Round == FRun.Rounds && FRun.UseSuddenDeath && !ScoresDiffer(FScoreMgr, FRun);
}

void TTimerThread::CountBreak(double Seconds) {
  // nearbyint rounds halves to even: a break of 0.5 s has no cue. A break
  // taken up again had its cue.
  if (FRun.ResumedIn != csBreak && std::nearbyint(Seconds) > 0 && CuePlayer)
    CuePlayer(QStringLiteral("StartBetweenRounds"));
  // A decision in the round's last pass keeps its state; its stop follows.
  SetStateUnlessDecided(csBreak);
  FElapsedMs = 0;
  StartSegment();
  FRemaining = SegmentRemaining(Seconds);
  while (!Terminated() && FRemaining >= 0) {
    FRemaining = SegmentRemaining(Seconds);
    Tick();
    if (FRemaining <= 0) break;
    MarkAlive();
    SleepUntilNextPass(FRemaining);
  }
}

void TTimerThread::WaitWhilePaused() {
  if (State() != csPaused) return;
  FElapsedMs += MsSinceSegmentStart();
  while (!Terminated() && State() == csPaused) {
    RaiseReportError();
    FElapsedMs -= TakeCorrection() * 1000;
    PollIfScoring(false);
    TimeSource().Sleep(10);
  }
  // A correction made just before the resume still counts.
  FElapsedMs -= TakeCorrection() * 1000;
  StartSegment();
}

// Injury time holds the round time: the round goes on from FElapsedMs, and
// each injury time starts from the full length because FRemaining still holds
// the round time left on its first test.
void TTimerThread::RunInjuryTime() {
  if (State() != csInjury) return;
  FElapsedMs += MsSinceSegmentStart();
  StartSegment();
  while (!Terminated() && State() == csInjury && FRemaining >= 0) {
    FRemaining = FInjuryLength - MsSinceSegmentStart() / 1000;
    Tick();
    MarkAlive();
    TimeSource().Sleep(10);
  }
  FInjuryLength = FRun.InjuryTime;
  EndInjuryTime(FScoreMgr.AutoRestart() ? csRunning : csPaused);
  StartSegment();
}

void TTimerThread::PollIfScoring(bool Counting) {
  if (!PollsPads()) return;
  FPollCounting = Counting;
  FJoySticks->Poll();
}

bool TTimerThread::ScoresDiffer(const TDorvaneMgr& ScoreMgr, const TClockRun& Run) {
  return ::ScoresDiffer(TMatchScores::Read(ScoreMgr), Run.UseSuddenDeath && Run.SuddenDeathRound);
}
