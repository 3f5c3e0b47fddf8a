#include "match/Match.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include "clock/RoundFlow.h"
#include "clock/TimerThread.h"
#include "input/ElectronicScoring.h"
#include "input/GamepadDevices.h"
#include "input/GamepadWatch.h"
#include "input/JudgePressLog.h"
#include "match/JournalKeeper.h"
#include "model/DorvaneError.h"
#include "model/NumberText.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "model/StringFn.h"
#include "platform/Joystick.h"
#include "platform/Logging.h"
#include "platform/SoundPlayer.h"
#include "platform/TimeSource.h"
#include "record/MatchRecords.h"
#include "record/SoundCues.h"

namespace {

// Stands in for a joystick driver that is missing, so the match still runs.
class TNoJoysticks : public TJoystickApi {
 public:
  uint32_t joyGetNumDevs() override { return 0; }
  uint32_t joyGetPos(uint32_t, TJoyInfo&) override { return JOYERR_PARMS; }
  uint32_t joyGetDevCapsA(uint32_t, TJoyCaps&) override { return JOYERR_PARMS; }
};

constexpr double DeductionAmount = 1.0;
constexpr double WarningAmount = 0.5;

// What score entry does to one side: its manager fields, record input kinds
// and sound cues.
struct TSideEntry {
  int32_t (TDorvaneMgr::*Score)() const;
  void (TDorvaneMgr::*SetScore)(int32_t);
  double (TDorvaneMgr::*Penalty)() const;
  void (TDorvaneMgr::*SetPenalty)(double);
  TInputKind PointKind;
  TInputKind DeductionKind;
  TInputKind WarningKind;
  const char* PointCue;
  const char* DeductionCue;
  const char* WarningCue;
};

const TSideEntry RedEntry{&TDorvaneMgr::RedScore,   &TDorvaneMgr::SetRedScore,
                          &TDorvaneMgr::RedPenalty, &TDorvaneMgr::SetRedPenalty,
                          TInputKind::RedPoint,     TInputKind::RedDeduction,
                          TInputKind::RedWarning,   "RedPoint",
                          "RedFullPenalty",         "RedHalfPenalty"};
const TSideEntry BlueEntry{&TDorvaneMgr::BlueScore,   &TDorvaneMgr::SetBlueScore,
                           &TDorvaneMgr::BluePenalty, &TDorvaneMgr::SetBluePenalty,
                           TInputKind::BluePoint,     TInputKind::BlueDeduction,
                           TInputKind::BlueWarning,   "BluePoint",
                           "BlueFullPenalty",         "BlueHalfPenalty"};

const TSideEntry& EntryOf(TSide Side) { return Side == TSide::Red ? RedEntry : BlueEntry; }

}  // namespace

TMatch::TMatch(const TTKDConfig& Config, TGamepadStart Start)
    : FConfig(Config),
      FRecords(std::make_unique<TMatchRecords>(Config)),
      FJournal(std::make_unique<TJournalKeeper>(JournalPath())) {
  FJudgeLightTimer.setInterval(1);
  FJudges = std::make_unique<TJudgeList>();
  OpenGamepads(Start);
  BuildJudges(*FJudges, *FJoySticks, FConfig, FJudgeLights.Of(TSide::Red),
              FJudgeLights.Of(TSide::Blue));
  FScoreMgr = std::make_unique<TDorvaneMgr>();
  ConnectScoreEvents();
  FRoundFlow = std::make_unique<TRoundFlow>(FViews, *FScoreMgr, *FJoySticks, FConfig, *FRecords);
  FRoundFlow->OnClockChange = [this](TClockState State, double RoundLeft) {
    FJournal->ClockChanged(State, RoundLeft, FRoundFlow->SegmentLeft());
    // The watch is gone when the match's end stops a running clock.
    if (FGamepadWatch) {
      FGamepadWatch->SetClockRunning(State != csEnded, FRoundFlow->ClockPollsPads(State));
    }
  };
  FRoundFlow->OnPadNews = [this] {
    if (FGamepadWatch) FGamepadWatch->Check();
  };
  FRoundFlow->OnRoundDecided = [this] { JournalScores(); };
  FRoundFlow->AliveMark = QFile::encodeName(FJournal->Path());
  FWriteRetryTimer.setInterval(WriteRetryMs);
  QObject::connect(&FWriteRetryTimer, &QTimer::timeout, [this] { RetryWrites(); });
  const auto ShowWriteTrouble = [this] {
    const QString Notice = WriteTrouble();
    if (Notice.isEmpty()) {
      FWriteRetryTimer.stop();
    } else if (!FWriteRetryTimer.isActive()) {
      FWriteRetryTimer.start();
    }
    FViews.ForEach([&Notice](TMatchView& View) { View.ShowWriteTrouble(Notice); });
  };
  FJournal->OnWriteStateChange = ShowWriteTrouble;
  FRecords->OnWriteStateChange = ShowWriteTrouble;
  ConnectElectronicScoring();
  FGamepadWatch = std::make_unique<TGamepadWatch>(
      *FJoySticks, *FJudges, FConfig, FJudgeLights.Of(TSide::Red), FJudgeLights.Of(TSide::Blue));
  FGamepadWatch->OnChecked = [this] {
    FViews.ForEach([](TMatchView& View) { View.ShowJudgePads(); });
  };
}

TMatch::~TMatch() {
  FGamepadWatch.reset();
  // The round flow goes first: it ends a running clock before what the clock uses goes away.
  FRoundFlow.reset();
  FWriteRetryTimer.stop();
  FJournal.reset();
  FJudgeLightTimer.stop();
  FElectronicScoring.reset();
  FScoreMgr.reset();
  FJoySticks.reset();
  FJudges.reset();
  SoundPlayer().StopAll();
}

void TMatch::OpenGamepads(TGamepadStart Start) {
  FGamepadsLookedFor = Start == TGamepadStart::Now;
  try {
    FJoySticks = std::make_unique<TSysJoySticks>(
        Start == TGamepadStart::Now ? TSysJoySticks::TStart::Now : TSysJoySticks::TStart::Later);
  } catch (const TDorvaneError& Error) {
    // Without a joystick driver the match is still kept by hand.
    KeepGamepadsOut(Error);
    TNoJoysticks NoJoysticks;
    SetJoystickApi(&NoJoysticks);
    FJoySticks = std::make_unique<TSysJoySticks>();
    SetJoystickApi(nullptr);
  }
}

void TMatch::StartGamepads() {
  if (FGamepadsLookedFor) return;
  FGamepadsLookedFor = true;
  try {
    FJoySticks->Open();
    FGamepadWatch->Check();
  } catch (const TDorvaneError& Error) {
    KeepGamepadsOut(Error);
  }
}

void TMatch::KeepGamepadsOut(const TDorvaneError& Error) {
  FGamepadError = Error.Message();
  qCWarning(LogPads) << "gamepads kept out of the match:" << FGamepadError;
}

// Every change of the manager: each view redraws first, then the winner
// rules judge what the views now show.
void TMatch::ConnectScoreEvents() {
  TDorvaneMgr& Mgr = *FScoreMgr;
  Mgr.OnRoundChange = [this](TDorvaneMgr& Sender) {
    const int32_t Round = Sender.Round();
    const bool SuddenDeathRound = Round > FConfig.Rounds;
    FViews.ForEach([&](TMatchView& View) { View.ShowRound(Round, SuddenDeathRound); });
    JournalScores();
  };
  auto ScoreShown = [this](TSide Side) {
    return [this, Side](TDorvaneMgr& Sender) {
      FViews.ForEach([&](TMatchView& View) { View.ShowScore(Side, Sender); });
      if (FRoundFlow) FRoundFlow->ScoreChanged();
      JournalScores();
    };
  };
  auto PenaltyShown = [this](TSide Side) {
    return [this, Side](TDorvaneMgr& Sender) {
      FViews.ForEach([&](TMatchView& View) { View.ShowPenalty(Side, Sender); });
      if (FRoundFlow) FRoundFlow->PenaltyChanged();
      JournalScores();
    };
  };
  Mgr.OnRedScoreChange = ScoreShown(TSide::Red);
  Mgr.OnBlueScoreChange = ScoreShown(TSide::Blue);
  Mgr.OnRedPenaltyChange = PenaltyShown(TSide::Red);
  Mgr.OnBluePenaltyChange = PenaltyShown(TSide::Blue);
  Mgr.OnScoresReset = [this](TDorvaneMgr& Sender) {
    FViews.ForEach([&](TMatchView& View) { View.ShowAllScores(Sender); });
    JournalScores();
  };
  Mgr.OnWinnerChange = [this](TDorvaneMgr&) {
    if (FRoundFlow) FRoundFlow->WinnerChanged();
    JournalScores();
  };
}

void TMatch::JournalScores() {
  if (FRoundFlow) FJournal->SetRounds(FRoundFlow->BestOfThree());
  FJournal->ScoresChanged(*FScoreMgr, FRoundFlow && FRoundFlow->SuddenDeathActive());
}

// The clock hands each click and the end of each poll to the judges' scoring.
void TMatch::ConnectElectronicScoring() {
  FElectronicScoring = std::make_unique<TElectronicScoring>(
      *FJudges, *FScoreMgr, FJudgeLightTimer, FConfig,
      [this] { return FRoundFlow->ClockRunning(); }, PlayCue);
  TElectronicScoring& Scoring = *FElectronicScoring;
  Scoring.OnTechnique = [this](TSide Side, int32_t Points) {
    if (FRoundFlow->BestOfThreeRules()) FRoundFlow->BestOfThree().AddTechnique(Side, Points);
  };
  FRoundFlow->ScoreJudgesWith(Scoring);
  QObject::connect(&FJudgeLightTimer, &QTimer::timeout, [&Scoring] { Scoring.tmrHandSetTimer(); });
}

std::vector<TJudgeSummary> TMatch::JudgesReport() {
  TJudgePressLog& Log = FElectronicScoring->PressLog();
  Log.Observe(*FJudges, Now(), FConfig.Transiency);
  return Log.Summary(FJudges->Count());
}

void TMatch::Attach(TMatchView& View) { FViews.Attach(View); }

void TMatch::Detach(TMatchView& View) { FViews.Detach(View); }

// ---- Score entry ----

void TMatch::AddPoint(TSide Side) {
  if (FRoundFlow->BestOfThreeRules()) {
    AddTechnique(Side, 1);
    return;
  }
  const TSideEntry& Entry = EntryOf(Side);
  FRecords->RecordInput(Entry.PointKind, 1);
  TDorvaneMgr& Mgr = *FScoreMgr;
  (Mgr.*Entry.SetScore)((Mgr.*Entry.Score)() + 1);
  PlayCue(QLatin1String(Entry.PointCue));
}

void TMatch::AddTechnique(TSide Side, int32_t Points) {
  if (!FRoundFlow->BestOfThreeRules() || Points < 1 || Points > TBestOfThree::MaxTechniquePoints)
    return;
  const TSideEntry& Entry = EntryOf(Side);
  FRecords->RecordInput(Entry.PointKind, Points);
  FRoundFlow->BestOfThree().AddTechnique(Side, Points);
  TDorvaneMgr& Mgr = *FScoreMgr;
  (Mgr.*Entry.SetScore)((Mgr.*Entry.Score)() + Points);
  PlayCue(QLatin1String(Entry.PointCue));
}

void TMatch::TakeBackPoint(TSide Side) {
  const TSideEntry& Entry = EntryOf(Side);
  TDorvaneMgr& Mgr = *FScoreMgr;
  const int32_t Score = (Mgr.*Entry.Score)();
  if (FRoundFlow->BestOfThreeRules()) {
    const int32_t Points = FRoundFlow->BestOfThree().TakeBackTechnique(Side);
    if (Points == 0) return;
    FRecords->RecordInput(Entry.PointKind, -Points);
    (Mgr.*Entry.SetScore)(std::max(0, Score - Points));
    return;
  }
  if (Score > 0) FRecords->RecordInput(Entry.PointKind, -1);
  // Written also at 0: the views redraw and the rules run again.
  (Mgr.*Entry.SetScore)(std::max(0, Score - 1));
}

void TMatch::AddPenalty(TSide Side, double Amount) {
  const TSideEntry& Entry = EntryOf(Side);
  const bool Deduction = Amount == DeductionAmount;
  FRecords->RecordInput(Deduction ? Entry.DeductionKind : Entry.WarningKind, Amount);
  TDorvaneMgr& Mgr = *FScoreMgr;
  (Mgr.*Entry.SetPenalty)((Mgr.*Entry.Penalty)() + Amount);
  PlayCue(QLatin1String(Deduction ? Entry.DeductionCue : Entry.WarningCue));
}

void TMatch::TakeBackPenalty(TSide Side, double Amount) {
  const TSideEntry& Entry = EntryOf(Side);
  TDorvaneMgr& Mgr = *FScoreMgr;
  const double Total = (Mgr.*Entry.Penalty)();
  // A deduction comes back from a total of 1 up, a warning from 0.5 up.
  if (Total < Amount - 0.1) return;
  const bool Deduction = Amount == DeductionAmount;
  FRecords->RecordInput(Deduction ? Entry.DeductionKind : Entry.WarningKind, -Amount);
  (Mgr.*Entry.SetPenalty)(std::max(Total - Amount, 0.0));
}

void TMatch::AddDeduction(TSide Side) { AddPenalty(Side, DeductionAmount); }
void TMatch::TakeBackDeduction(TSide Side) { TakeBackPenalty(Side, DeductionAmount); }
void TMatch::AddWarning(TSide Side) {
  if (!FRoundFlow->BestOfThreeRules()) AddPenalty(Side, WarningAmount);
}
void TMatch::TakeBackWarning(TSide Side) {
  if (!FRoundFlow->BestOfThreeRules()) TakeBackPenalty(Side, WarningAmount);
}

// ---- The round ----

void TMatch::NewGame() {
  if (FRoundFlow->ClockExists()) return;
  FRoundStarted = false;
  FRoundFlow->ResetForNewGame();
  TDorvaneMgr& Mgr = *FScoreMgr;
  Mgr.SetWinner(TWinner::None);
  Mgr.SetRound(1);
  Mgr.SetRedScore(0);
  Mgr.SetRedPenalty(0);
  Mgr.SetBlueScore(0);
  Mgr.SetBluePenalty(0);
  FViews.ForEach([this](TMatchView& View) {
    View.ShowPlayers(FConfig.RedPlayer, FConfig.BluePlayer, FConfig.Division);
  });
  Mgr.SetRoundColor(FConfig.RoundColor);
  Mgr.SetBreakColor(FConfig.BreakColor);
  Mgr.SetInjuryColor(FConfig.InjuryColor);
  FViews.SetClockColor(Mgr.RoundColor());
  FViews.SetClockText(FormatSecondsMS(FConfig.RoundTime));
  FViews.SetStateText(QString());
  FRecords->RecordNewMatch();
  FElectronicScoring->PressLog().StartMatch();
  FJournal->NewGame(FConfig.RedPlayer, FConfig.BluePlayer, FConfig.Division, FConfig.RoundTime);
  FRoundFlow->UpdateCommands();
}

void TMatch::StartRound() {
  FRoundFlow->StartRound();
  FRoundStarted = FRoundStarted || FRoundFlow->ClockExists();
}
void TMatch::StopRound() { FRoundFlow->StopRound(); }
void TMatch::TogglePause() { FRoundFlow->TogglePause(); }
void TMatch::ToggleInjury() { FRoundFlow->ToggleInjury(); }
void TMatch::SetRound(const QString& Text) { FRoundFlow->SetRound(Text); }

void TMatch::Retire(TSide Side) { FRoundFlow->Retire(Side); }

void TMatch::CorrectClock(int Seconds) {
  if (FRoundFlow->CorrectClock(Seconds)) FRecords->RecordClockCorrection(Seconds);
}

bool TMatch::InProgress() const { return FRoundStarted && FScoreMgr->Winner() == TWinner::None; }

void TMatch::UpdateCommands() { FRoundFlow->UpdateCommands(); }

void TMatch::Resume(const TJournalState& State, int64_t AliveMs) {
  if (FRoundFlow->ClockExists()) return;
  FJournal->Resume(State);
  // The decided rounds first: the scores written next must not decide again.
  FRoundFlow->ResumeRounds(State.DecidedRounds, State.RoundDecided);
  TDorvaneMgr& Mgr = *FScoreMgr;
  Mgr.SetRound(State.Round);
  Mgr.SetRedScore(State.RedScore);
  Mgr.SetRedPenalty(State.RedPenalty);
  Mgr.SetBlueScore(State.BlueScore);
  Mgr.SetBluePenalty(State.BluePenalty);
  Mgr.SetWinner(static_cast<TWinner>(State.Winner));
  FRoundFlow->SetPlayerNames(State.RedName, State.BlueName);
  FViews.ForEach([&State](TMatchView& View) {
    View.ShowPlayers(State.RedName, State.BlueName, State.Division);
  });
  FRecords->WriteScoreRecord(
      QStringLiteral("RESUMED INTERRUPTED MATCH, ROUND %1").arg(State.Round));
  const double RoundLeft = State.RoundLeftAt(AliveMs);
  const double SegmentLeft = State.SegmentLeftAt(AliveMs);
  switch (State.Segment) {
    case TJournalState::TSegment::Injury:
      // An injury time that had run out (or an earlier journal's, without its
      // time left) comes back as the round held.
      if (SegmentLeft > 0) {
        FRoundFlow->ResumeInjury(RoundLeft, SegmentLeft, State.SuddenDeath);
        break;
      }
      [[fallthrough]];
    case TJournalState::TSegment::Round:
    case TJournalState::TSegment::Paused:
      FRoundFlow->ResumePausedRound(RoundLeft, State.SuddenDeath);
      break;
    case TJournalState::TSegment::Break:
      FRoundFlow->ResumeBreak(SegmentLeft, State.SuddenDeath);
      break;
    case TJournalState::TSegment::None:
      FRoundFlow->ResumeStopped(RoundLeft, State.SuddenDeath);
      break;
  }
  JournalScores();
}

QString TMatch::SetInterruptedMatchAside() { return FJournal->SetAside(); }

bool TMatch::JournalCannotWrite() const { return FJournal->CannotWrite(); }

void TMatch::RetryWrites() {
  FJournal->RetryWrite();
  FRecords->RetryWrite();
}

QString TMatch::WriteTrouble() const {
  QStringList Troubles;
  if (FJournal->CannotWrite()) Troubles << QCoreApplication::translate("Console", "Journal: cannot write");
  if (FRecords->WriteState() == TMatchRecords::TWriteState::CannotWrite) {
    Troubles << QCoreApplication::translate("Console", "Record: cannot write");
  }
  return Troubles.join(QStringLiteral(", "));
}
