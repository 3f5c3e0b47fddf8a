#include "clock/TimerThread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <cmath>
#include <utility>

#include "clock/MatchTotals.h"
#include "model/DorvaneError.h"
#include "model/Settings.h"
#include "platform/MainThread.h"
#include "platform/TimeSource.h"
#include "record/SoundCues.h"

namespace {

bool IsDecided(TClockState State) { return State == csPointGap || State == csPointCeiling; }

double SecondsSince(double DateTime) { return (Now() - DateTime) * SecondsPerDay; }

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
          .UseElectronicScoring = Config.UseElectronicScoring};
}

TTimerThread::TTimerThread(TDorvaneMgr& ScoreMgr, const TClockRun& Run)
    : CuePlayer(PlayCue),
      FState(Run.StartPaused ? csPaused : csRunning),
      FSegmentStart(Now()),
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
      if (!Alive.expired()) FinishOnMainThread();
    });
  }));
  // Named so a debugger, top -H or a test can tell the clock from other threads.
  FThread->setObjectName(QLatin1String(ThreadName));
  FThread->start(QThread::HighPriority);
}

// The handler may destroy this object: nothing here touches it afterwards.
void TTimerThread::FinishOnMainThread() {
  FThread->wait();
  if (OnTerminate) {
    const TTerminateEvent Handler = OnTerminate;
    Handler(*this);
  }
}

void TTimerThread::WaitForFinish() {
  if (!FThread) return;
  while (!FThread->wait(QDeadlineTimer(1))) RunPendingMainThreadHandOffs();
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

bool TTimerThread::CorrectPausedRound(double Seconds) {
  std::lock_guard Lock(FStateLock);
  if (FState != csPaused) return false;
  FCorrection += Seconds;
  return true;
}

double TTimerThread::TakeCorrection() {
  std::lock_guard Lock(FStateLock);
  return std::exchange(FCorrection, 0.0);
}

void TTimerThread::SetStateUnlessDecided(TClockState Value) {
  {
    std::lock_guard Lock(FStateLock);
    if (IsDecided(FState)) return;
    FState = Value;
  }
  Announce();
}

void TTimerThread::Announce() {
  RunOnMainThread([this] {
    if (OnStateChange) OnStateChange(*this, State());
  });
}

void TTimerThread::Tick() {
  RunOnMainThread([this] {
    if (OnTick) OnTick(*this, State(), FRemaining);
  });
}

void TTimerThread::Execute() {
  FReturnValue = 0;
  HookJoySticks();
  Guarded([this] { CountRun(); });
  if (Terminated()) FReturnValue = -1;
  Guarded([this] { SetStateUnlessDecided(csEnded); });
  if (!FRun.SuddenDeathRound && CuePlayer) CuePlayer(QStringLiteral("End"));
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
  bool ForwardedHandled = false;
  RunOnMainThread([&] {
    if (OnButtonClick) OnButtonClick(Sender, Button, ButtonNumber, PressStart, ForwardedHandled);
  });
  Handled = ForwardedHandled;
}

void TTimerThread::ForwardPoll(TSysJoySticks&) {
  RunOnMainThread([this] {
    if (OnPoll) OnPoll(*FJoySticks);
  });
}

void TTimerThread::CountRun() {
  FElapsed = FRun.UsedRoundTime;
  FSegmentStart = Now();
  // The run starts in the state it was made with: a pause or a winner rule
  // the main thread applied before this thread got here stands (a decision
  // has been announced already).
  if (!IsDecided(State())) Announce();
  CountRound();
  if (!Terminated() && BreakDue()) CountBreak();
}

double TTimerThread::SecondsSinceSegmentStart() const { return SecondsSince(FSegmentStart); }

void TTimerThread::CountRound() {
  if (Terminated()) return;
  FRemaining = FRun.RoundTime - (FElapsed + SecondsSinceSegmentStart());
  while (!Terminated() && FRemaining >= 0) {
    WaitWhilePaused();
    RunInjuryTime();
    PollIfScoring();
    FRemaining = FRun.RoundTime - (FElapsed + SecondsSinceSegmentStart());
    Tick();
    TimeSource().Sleep(1);
  }
}

// After the last regular round a break leads into the sudden-death round,
// which itself is never followed by one.
bool TTimerThread::BreakDue() const {
  if (FRun.Round < FRun.Rounds) return true;
  return FRun.Round == FRun.Rounds && FRun.UseSuddenDeath && !ScoresDiffer(FScoreMgr, FRun);
}

void TTimerThread::CountBreak() {
  // nearbyint rounds halves to even: a break of 0.5 s has no cue.
  if (std::nearbyint(FRun.BreakTime) > 0 && CuePlayer)
    CuePlayer(QStringLiteral("StartBetweenRounds"));
  // A decision in the round's last pass keeps its state; its stop follows.
  SetStateUnlessDecided(csBreak);
  FElapsed = 0;
  FSegmentStart = Now();
  FRemaining = FRun.BreakTime - (FElapsed + SecondsSinceSegmentStart());
  while (!Terminated() && FRemaining >= 0) {
    FRemaining = FRun.BreakTime - (FElapsed + SecondsSinceSegmentStart());
    Tick();
    TimeSource().Sleep(1);
  }
}

void TTimerThread::WaitWhilePaused() {
  if (State() != csPaused) return;
  FElapsed += SecondsSinceSegmentStart();
  while (!Terminated() && State() == csPaused) {
    FElapsed -= TakeCorrection();
    PollIfScoring();
    FSegmentStart = Now();
    TimeSource().Sleep(10);
  }
  // A correction made just before the resume still counts.
  FElapsed -= TakeCorrection();
  FSegmentStart = Now();
}

// Injury time holds the round time: the round goes on from FElapsed, and each
// injury time starts from the full length because FRemaining still holds
// the round time left on its first test.
void TTimerThread::RunInjuryTime() {
  if (State() != csInjury) return;
  const double InjuryStart = Now();
  FElapsed += SecondsSinceSegmentStart();
  while (!Terminated() && State() == csInjury && FRemaining >= 0) {
    FRemaining = FRun.InjuryTime - SecondsSince(InjuryStart);
    Tick();
    TimeSource().Sleep(10);
  }
  SetStateUnlessDecided(FScoreMgr.AutoRestart() ? csRunning : csPaused);
  FSegmentStart = Now();
}

void TTimerThread::PollIfScoring() {
  if (FJoySticks && FRun.UseElectronicScoring) FJoySticks->Poll();
}

bool TTimerThread::ScoresDiffer(const TDorvaneMgr& ScoreMgr, const TClockRun& Run) {
  return ::ScoresDiffer(TMatchScores::Read(ScoreMgr), Run.UseSuddenDeath && Run.SuddenDeathRound);
}
