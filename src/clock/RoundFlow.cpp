#include "clock/RoundFlow.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>

#include "clock/BoardView.h"
#include "clock/TimerThread.h"
#include "input/ElectronicScoring.h"
#include "model/DorvaneError.h"
#include "model/Labels.h"
#include "model/NumberText.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "model/ShownScore.h"
#include "model/StringFn.h"
#include "platform/TimeSource.h"
#include "record/MatchRecords.h"

namespace {

QString ResumeCaption() { return QCoreApplication::translate("Clock", "Resume"); }

}  // namespace

TRoundFlow::TRoundFlow(TBoardView& View, TDorvaneMgr& ScoreMgr, TSysJoySticks& JoySticks,
                       const TTKDConfig& Config, const TMatchRecords& Records)
    : FView(View),
      FScoreMgr(ScoreMgr),
      FJoySticks(JoySticks),
      FConfig(Config),
      FRecords(Records),
      tmrWinner(new QTimer) {
  tmrWinner->setInterval(400);
  QObject::connect(tmrWinner.get(), &QTimer::timeout, [this] { tmrWinnerTimer(); });
}

TRoundFlow::~TRoundFlow() {
  tmrWinner->stop();
  if (!FTimerThread) return;
  // The board and the manager go away right after us: hand-offs still to come
  // must reach none of our handlers while the clock winds down. The clock's
  // destructor then waits for its thread, running those hand-offs meanwhile,
  // so the thread cannot stay blocked on us.
  TTimerThread& Clock = *FTimerThread;
  Clock.OnTick = nullptr;
  Clock.OnStateChange = nullptr;
  Clock.OnButtonClick = nullptr;
  Clock.OnPoll = nullptr;
  Clock.OnDeviceNews = nullptr;
  Clock.OnError = nullptr;
  Clock.OnTerminate = nullptr;
  Clock.Terminate();
  FTimerThread.reset();
}

bool TRoundFlow::ClockExists() const { return FTimerThread != nullptr; }

bool TRoundFlow::ClockPollsPads(TClockState State) const {
  return FTimerThread && FTimerThread->PollsPads() && (State == csRunning || State == csPaused);
}

bool TRoundFlow::ClockRunning() const { return FTimerThread && FTimerThread->State() == csRunning; }

TRoundFlow::TClockReading TRoundFlow::ClockReading() const {
  TClockReading Result{FTimerThread != nullptr, csEnded, FTickState, FTickRemaining, FTickAt};
  if (FTimerThread) Result.State = FTimerThread->State();
  return Result;
}

void TRoundFlow::StopClock() {
  if (FTimerThread) FTimerThread->Terminate();
}

void TRoundFlow::StartRound() {
  if (FTimerThread) return;
  const bool BestOfThree = BestOfThreeRules();
  // A decided best-of-three match starts again only with a new game.
  if (BestOfThree && FBestOfThree.MatchWinner() != TWinner::None) return;
  FScoreMgr.SetPenaltyIncrement(FConfig.UsePenaltyIncrement);
  FScoreMgr.SetShowPenaltyTotal(FConfig.ShowTotalPenalty);
  if (BestOfThree) StartBestOfThreeRound();
  FScoreMgr.SetRoundColor(FConfig.RoundColor);
  FScoreMgr.SetBreakColor(FConfig.BreakColor);
  FScoreMgr.SetInjuryColor(FConfig.InjuryColor);
  FScoreMgr.SetAutoRestart(FConfig.AutoRestartAfterInjury);
  FScoreMgr.SetWinner(TWinner::None);
  FRecords.WriteScoreRecord(
      QStringLiteral("ROUND %1 OF %2").arg(FScoreMgr.Round()).arg(RoundCount()));
  CreateClock(FConfig.RoundTime -
              std::exchange(FStartLeft, std::nullopt).value_or(FConfig.RoundTime));
  FTimerThread->Start();
  UpdateCommands();
}

void TRoundFlow::CreateClock(double UsedRoundTime, bool StartPaused) {
  TClockRun Run = TClockRun::Of(FConfig, FScoreMgr.Round(), FSuddenDeathActive);
  Run.UsedRoundTime = UsedRoundTime;
  Run.StartPaused = StartPaused;
  Run.AliveMark = AliveMark;
  if (FResumedSegmentLeft) {
    Run.ResumedIn = FResumedIn;
    Run.ResumedLeft = *FResumedSegmentLeft;
  }
  if (BestOfThreeRules()) {
    // Three rounds at most, and no golden round after them.
    Run.Rounds = TBestOfThree::MaxRounds;
    Run.UseSuddenDeath = false;
  }
  FRoundLeft = Run.RoundTime - UsedRoundTime;
  FTimerThread = std::make_unique<TTimerThread>(FScoreMgr, Run);
  // Until its first tick the new clock stands where this run starts.
  FTickState = Run.ResumedIn;
  FTickRemaining = FResumedSegmentLeft.value_or(FRoundLeft);
  FTickAt = Now();
  TTimerThread& Clock = *FTimerThread;
  Clock.FJoySticks = &FJoySticks;
  Clock.ShownRemaining = FShownRemaining;
  Clock.OnTick = [this](TTimerThread& Sender, TClockState State, double Remaining, double Shown) {
    ClockTick(Sender, State, Remaining, Shown);
  };
  Clock.OnStateChange = [this](TTimerThread& Sender, TClockState State) {
    ClockStateChanged(Sender, State);
  };
  Clock.OnDeviceNews = [this] {
    if (OnPadNews) OnPadNews();
  };
  if (FScoring) {
    TElectronicScoring& Scoring = *FScoring;
    Clock.OnButtonClick = [&Scoring](TMyJoyStick&, TJoyButton&, int32_t, double, bool&) {
      Scoring.PressReleased();
    };
    Clock.OnPoll = [&Scoring](TSysJoySticks&) { Scoring.CheckJudgeVotes(); };
  }
  Clock.OnError = [this](TTimerThread&, const QString& Message) { FView.ShowError(Message); };
  Clock.OnTerminate = [this](TTimerThread& Sender) { RoundEnded(Sender); };
}

void TRoundFlow::StopRound() {
  StopClock();
  UpdateCommands();
}

void TRoundFlow::TogglePause() {
  if (FTimerThread) {
    switch (FTimerThread->State()) {
      case csRunning:
        if (!FTimerThread->ChangeState(csRunning, csPaused)) break;
        // A warning blink must not stay dark while the time is held.
        FView.SetClockColor(FScoreMgr.RoundColor());
        FView.SetPauseButtonCaption(ResumeCaption());
        break;
      case csPaused:
        if (!FTimerThread->ChangeState(csPaused, csRunning)) break;
        FView.SetPauseButtonCaption(PauseText());
        break;
      default:
        break;
    }
  }
  UpdateCommands();
}

void TRoundFlow::ToggleInjury() {
  if (FTimerThread) {
    switch (FTimerThread->State()) {
      case csRunning:
        if (!FTimerThread->ChangeState(csRunning, csInjury)) break;
        FView.SetInjuryButtonCaption(InjuryCancelCaption());
        break;
      case csInjury: {
        const bool Restart = FScoreMgr.AutoRestart();
        if (!FTimerThread->ChangeState(csInjury, Restart ? csRunning : csPaused)) break;
        FView.SetInjuryButtonCaption(InjuryText());
        FView.SetPauseButtonCaption(Restart ? PauseText() : ResumeCaption());
        break;
      }
      default:
        break;
    }
  }
  UpdateCommands();
}

bool TRoundFlow::CorrectClock(double Seconds) {
  const bool Paused = FTimerThread && FTimerThread->State() == csPaused;
  if (FTimerThread && !Paused) return false;
  const double Before = Paused ? FRoundLeft : FStartLeft.value_or(FConfig.RoundTime);
  const double After = std::clamp(Before + Seconds, 0.0, FConfig.RoundTime);
  if (After == Before) return false;
  if (Paused) {
    if (!FTimerThread->CorrectPausedRound(After - Before, After)) return false;
    FRoundLeft = After;
    FTickRemaining = After;
    FTickAt = Now();
  } else {
    FStartLeft = After;
  }
  FView.SetClockText(FormatSecondsMS(After));
  FShownRemaining = After;
  if (Paused) ReportClockChange(csPaused);
  return true;
}

void TRoundFlow::SetRound(const QString& Text) {
  const std::optional<int32_t> Round = ParseIntegerText(Text);
  if (!Round)
    throw TDorvaneError(
        QCoreApplication::translate("Clock", "'%1' is not a valid integer value").arg(Text));
  FScoreMgr.SetRound(*Round);
  FSuddenDeathActive =
      FScoreMgr.Round() > FConfig.Rounds && FConfig.UseSuddenDeath && !BestOfThreeRules();
  if (FSuddenDeathActive && FConfig.ResetScoreForSuddenDeath) FScoreMgr.ResetScores();
}

QString TRoundFlow::PlayerName(TSide Side) const {
  const bool Red = Side == TSide::Red;
  if (FPlayerNames) return Red ? FPlayerNames->first : FPlayerNames->second;
  return Red ? FConfig.RedPlayer : FConfig.BluePlayer;
}

void TRoundFlow::SetPlayerNames(const QString& RedName, const QString& BlueName) {
  FPlayerNames.emplace(RedName, BlueName);
}

void TRoundFlow::ResetForNewGame() {
  FPlayerNames.reset();
  FStartLeft.reset();
  FSuddenDeathActive = false;
  FShownRemaining = 0;
  if (!BestOfThreeRules()) return;
  FBestOfThree.NewMatch();
  FScoreMgr.SetPenaltyIncrement(true);
  FScoreMgr.SetShowPenaltyTotal(true);
  FView.ShowRoundsWon(0, 0);
}

void TRoundFlow::ResumePausedRound(double RoundLeft, bool SuddenDeathRound) {
  ResumeRun(RoundLeft, csPaused, 0, SuddenDeathRound);
}

void TRoundFlow::ResumeInjury(double RoundLeft, double InjuryLeft, bool SuddenDeathRound) {
  ResumeRun(RoundLeft, csInjury, InjuryLeft, SuddenDeathRound);
}

void TRoundFlow::ResumeBreak(double BreakLeft, bool SuddenDeathRound) {
  ResumeRun(0, csBreak, BreakLeft, SuddenDeathRound);
}

void TRoundFlow::ResumeRun(double RoundLeft, TClockState State, double SegmentLeft,
                           bool SuddenDeathRound) {
  if (FTimerThread) return;
  FSuddenDeathActive = SuddenDeathRound;
  FScoreMgr.SetAutoRestart(FConfig.AutoRestartAfterInjury);
  if (State != csPaused) {
    FResumedIn = State;
    FResumedSegmentLeft = SegmentLeft;
  }
  CreateClock(std::clamp(FConfig.RoundTime - RoundLeft, 0.0, FConfig.RoundTime), State == csPaused);
  // The clock shows what counts: the round's time, or the segment's.
  FShownRemaining = State == csPaused ? FRoundLeft : SegmentLeft;
  FView.SetClockText(FormatSecondsMS(FShownRemaining));
  FTimerThread->ShownRemaining = FShownRemaining;
  FTimerThread->Start();
  UpdateCommands();
}

void TRoundFlow::ResumeStopped(double RoundLeft, bool SuddenDeathRound) {
  FSuddenDeathActive = SuddenDeathRound;
  FRoundLeft = RoundLeft;
  FView.SetClockText(FormatSecondsMS(RoundLeft));
  UpdateCommands();
}

void TRoundFlow::UpdateCommands() {
  const bool HasClock = FTimerThread != nullptr;
  const TClockState State = HasClock ? FTimerThread->State() : csEnded;
  FView.SetClockCommandsEnabled(HasClock);
  ShowButtonAvailability(HasClock, State);
  FView.SetInjuryButtonCaption(HasClock && State == csInjury ? InjuryCancelCaption()
                                                             : InjuryText());
  if (HasClock && State == csRunning) FView.SetPauseButtonCaption(PauseText());
  if (HasClock && State == csPaused) FView.SetPauseButtonCaption(ResumeCaption());
  FView.SetRoundField(FScoreMgr.Round());
}

void TRoundFlow::ShowButtonAvailability(bool HasClock, TClockState State) {
  FView.SetInjuryButtonEnabled(HasClock && (State == csRunning || State == csInjury));
  FView.SetPauseButtonEnabled(HasClock && (State == csRunning || State == csPaused));
}

void TRoundFlow::ClockTick(TTimerThread&, TClockState State, double Remaining, double Shown) {
  if (State == csRunning) FRoundLeft = Remaining;
  FTickState = State;
  FTickRemaining = Remaining;
  FTickAt = Now();
  ShowClockColors(State, Remaining);
  ShowRemaining(Shown);
  ShowButtonAvailability(true, State);
}

void TRoundFlow::ShowClockColors(TClockState State, double Remaining) {
  TColor Color;
  switch (State) {
    case csRunning:
    case csPaused:
    case csEnded:
      Color = FScoreMgr.RoundColor();
      break;
    case csBreak:
      Color = FScoreMgr.BreakColor();
      break;
    case csInjury:
      Color = FScoreMgr.InjuryColor();
      break;
    default:  // a decided run keeps the colours it had
      return;
  }
  FView.SetStateColor(Color);
  FClockDark = State == csRunning && WarningBlinkDark(FTimerThread->EndOfRoundWarning(), Remaining);
  FView.SetClockColor(FClockDark ? 0 : Color);
}

// The clock keeps the rewrite rule (ClockTextDue) and sends no tick that
// would change nothing on screen.
void TRoundFlow::ShowRemaining(double Shown) {
  if (Shown == FShownRemaining) return;
  FView.SetClockText(FormatSecondsMS(Shown));
  FShownRemaining = Shown;
}

void TRoundFlow::ShowFullRoundTime() { FView.SetClockText(FormatSecondsMS(FConfig.RoundTime)); }

void TRoundFlow::ClockStateChanged(TTimerThread&, TClockState State) {
  // The time held from here on: what the journal keeps and a correction
  // while paused starts from, not the last tick's.
  FRoundLeft = HeldRoundLeft(State);
  if (State == csInjury || State == csBreak) {
    FSegmentLeft = std::exchange(FResumedSegmentLeft, std::nullopt)
                       .value_or(State == csInjury ? FConfig.InjuryTime : FConfig.CoachTime);
  }
  switch (State) {
    case csRunning:
    case csEnded:
      FView.SetStateText(QString());
      break;
    case csBreak:
      FView.SetStateText(QCoreApplication::translate("Clock", "Between rounds"));
      FView.SetStateColor(FScoreMgr.BreakColor());
      if (BestOfThreeRules()) {
        EndRoundOnTime();
        // Two rounds won: no break, the match is over.
        if (FBestOfThree.MatchWinner() != TWinner::None) StopClock();
      }
      break;
    case csPaused:
      FView.SetStateText(PauseText());
      FView.SetStateColor(FScoreMgr.RoundColor());
      break;
    case csInjury:
      FView.SetStateText(InjuryText());
      FView.SetStateColor(FScoreMgr.InjuryColor());
      break;
    case csPointGap:
      FView.SetStateText(QCoreApplication::translate("Clock", "Point gap"));
      FView.SetStateColor(FScoreMgr.RoundColor());
      break;
    case csPointCeiling:
      FView.SetStateText(QCoreApplication::translate("Clock", "Point ceiling"));
      FView.SetStateColor(FScoreMgr.RoundColor());
      break;
  }
  UpdateCommands();
  // The run's end is reported once its record lines are written
  // (RoundEnded): the journal's write waits for the disk.
  if (State != csEnded) ReportClockChange(State);
}

// Ticks reach the main thread only when the shown text changes: a round
// that counted until this pause stands where the last tick left it, less the
// time since.
double TRoundFlow::HeldRoundLeft(TClockState State) const {
  if (FTimerThread && FTickState == csRunning && (State == csPaused || State == csInjury)) {
    return FTickRemaining - (Now() - FTickAt) * MsPerDay / 1000;
  }
  return FRoundLeft;
}

void TRoundFlow::ReportClockChange(TClockState State) {
  if (OnClockChange) OnClockChange(State, std::max(FRoundLeft, 0.0));
}

void TRoundFlow::RoundEnded(TTimerThread& Sender) {
  WriteRoundEndRecords();
  if (BestOfThreeRules()) {
    EndBestOfThreeRun(Sender.ReturnValue() == 0);
  } else if (Sender.ReturnValue() != 0 && !FSuddenDeathActive) {
    // A stop keeps the round and the time shown; the next start counts it again.
    // Digits caught in the dark phase of the warning blink would stay black
    // on the black board: they show lit.
    if (FClockDark) FView.SetClockColor(FScoreMgr.RoundColor());
    CheckDisqualificationAtStop();
  } else {
    FView.SetClockColor(FScoreMgr.RoundColor());
    FView.SetClockText(FormatSecondsMS(0));
    FRoundLeft = FConfig.RoundTime;
    MoveMatchOn();
  }
  FView.SetPauseButtonCaption(PauseText());
  FView.SetInjuryButtonCaption(InjuryText());
  FClockDark = false;
  FTimerThread.reset();  // Sender is gone from here on
  UpdateCommands();
  ReportClockChange(csEnded);
}

void TRoundFlow::WriteRoundEndRecords() {
  if (!FConfig.SaveScores) return;
  const QString Round = QString::number(FScoreMgr.Round());
  FRecords.WriteScoreRecord(QStringLiteral("END OF ROUND ") + Round);
  // Under the best-of-three rules a round's scores are the board's, the
  // opponent's gam-jeom points in them: those decided the round.
  const bool AsShown = BestOfThreeRules();
  const auto Score = [this, AsShown](TSide Side) {
    if (AsShown) return QString::number(ShownScore(FScoreMgr, Side));
    return QString::number(Side == TSide::Red ? FScoreMgr.RedScore() : FScoreMgr.BlueScore());
  };
  const QStringList Fields{FormatRecordTime(TimeSource().WallNow()),
                           Round,
                           PlayerName(TSide::Red),
                           Score(TSide::Red),
                           FormatOneDecimal(FScoreMgr.RedPenalty()),
                           PlayerName(TSide::Blue),
                           Score(TSide::Blue),
                           FormatOneDecimal(FScoreMgr.BluePenalty())};
  FRecords.WriteScoreRecord(Fields.join(QLatin1Char(',')));
}

// The next round, the winner decision or the sudden-death round.
void TRoundFlow::MoveMatchOn() {
  const int32_t Round = FScoreMgr.Round();
  if (Round < FConfig.Rounds && FScoreMgr.Winner() == TWinner::None) {
    ShowFullRoundTime();
    FScoreMgr.SetRound(Round + 1);
    return;
  }
  if (!FConfig.AutoCalcWinner) return;
  if (FScoreMgr.Winner() == TWinner::None) DecideWinner();
  if (FScoreMgr.Winner() == TWinner::None && FConfig.UseSuddenDeath &&
      FScoreMgr.Round() == FConfig.Rounds) {
    OpenSuddenDeathRound();
  }
}

void TRoundFlow::OpenSuddenDeathRound() {
  const int32_t Round = FScoreMgr.Round();
  // A round count at the top of the range has no round after it.
  if (Round == std::numeric_limits<int32_t>::max()) return;
  ShowFullRoundTime();
  FScoreMgr.SetRound(Round + 1);
  FSuddenDeathActive = true;
  if (FConfig.ResetScoreForSuddenDeath) FScoreMgr.ResetScores();
}

QString InjuryCancelCaption() { return QCoreApplication::translate("Clock", "Cancel"); }
