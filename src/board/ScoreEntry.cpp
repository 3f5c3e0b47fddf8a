// The operator's points and penalties, the board's redraw from the score
// manager, and the new game.

#include <QLabel>
#include <cmath>

#include "board/BoardShapes.h"
#include "board/MessageBoxes.h"
#include "board/NewPlayers.h"
#include "board/ScoreDisplay.h"
#include "clock/core/RoundFlow.h"
#include "input/ElectronicScoring.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "model/StringFn.h"
#include "record/MatchRecords.h"
#include "record/SoundCues.h"

namespace {

// Input kinds of the record file, per side: point, deduction, warning.
struct TSideKinds {
  uint8_t Point;
  uint8_t Deduction;
  uint8_t Warning;
};
constexpr TSideKinds RedKinds{7, 8, 9};
constexpr TSideKinds BlueKinds{2, 3, 4};

constexpr double DeductionAmount = 1.0;
constexpr double WarningAmount = 0.5;

int64_t WholePart(double PenaltyTotal) { return static_cast<int64_t>(std::trunc(PenaltyTotal)); }

// A total with a half in it: round(10 P - 10 trunc(P)) > 0, halves to even.
bool HalfPenaltyShown(double PenaltyTotal) {
  return std::nearbyint(10 * PenaltyTotal - 10 * std::trunc(PenaltyTotal)) > 0;
}

}  // namespace

// ---- Entry ----

namespace {
struct TSideAccess {
  int32_t (TDorvaneMgr::*Score)() const;
  void (TDorvaneMgr::*SetScore)(int32_t);
  double (TDorvaneMgr::*Penalty)() const;
  void (TDorvaneMgr::*SetPenalty)(double);
  const TSideKinds& Kinds;
  const char* PointCue;
  const char* DeductionCue;
  const char* WarningCue;
};

const TSideAccess RedAccess{&TDorvaneMgr::RedScore,
                            &TDorvaneMgr::SetRedScore,
                            &TDorvaneMgr::RedPenalty,
                            &TDorvaneMgr::SetRedPenalty,
                            RedKinds,
                            "RedPoint",
                            "RedFullPenalty",
                            "RedHalfPenalty"};
const TSideAccess BlueAccess{&TDorvaneMgr::BlueScore,
                             &TDorvaneMgr::SetBlueScore,
                             &TDorvaneMgr::BluePenalty,
                             &TDorvaneMgr::SetBluePenalty,
                             BlueKinds,
                             "BluePoint",
                             "BlueFullPenalty",
                             "BlueHalfPenalty"};

const TSideAccess& AccessOf(bool Red) { return Red ? RedAccess : BlueAccess; }
}  // namespace

void TfrmDorvane::AddToScore(TSide Side) {
  const TSideAccess& Access = AccessOf(Side == TSide::Red);
  RecordInput(Access.Kinds.Point, 1);
  TDorvaneMgr& Mgr = *FScoreMgr;
  (Mgr.*Access.SetScore)((Mgr.*Access.Score)() + 1);
  PlayCue(QLatin1String(Access.PointCue));
}

void TfrmDorvane::TakeBackScore(TSide Side) {
  const TSideAccess& Access = AccessOf(Side == TSide::Red);
  TDorvaneMgr& Mgr = *FScoreMgr;
  const int32_t Score = (Mgr.*Access.Score)();
  if (Score > 0) RecordInput(Access.Kinds.Point, -1);
  // Written also at 0: the board redraws and the rules run again.
  (Mgr.*Access.SetScore)(std::max(0, Score - 1));
}

void TfrmDorvane::AddPenalty(TSide Side, double Amount) {
  const TSideAccess& Access = AccessOf(Side == TSide::Red);
  const bool Deduction = Amount == DeductionAmount;
  RecordInput(Deduction ? Access.Kinds.Deduction : Access.Kinds.Warning, Amount);
  TDorvaneMgr& Mgr = *FScoreMgr;
  (Mgr.*Access.SetPenalty)((Mgr.*Access.Penalty)() + Amount);
  PlayCue(QLatin1String(Deduction ? Access.DeductionCue : Access.WarningCue));
}

void TfrmDorvane::TakeBackPenalty(TSide Side, double Amount) {
  const TSideAccess& Access = AccessOf(Side == TSide::Red);
  TDorvaneMgr& Mgr = *FScoreMgr;
  const double Total = (Mgr.*Access.Penalty)();
  // A deduction comes back from a total of 1 up, a warning from 0.5 up.
  if (Total < Amount - 0.1) return;
  const bool Deduction = Amount == DeductionAmount;
  RecordInput(Deduction ? Access.Kinds.Deduction : Access.Kinds.Warning, -Amount);
  (Mgr.*Access.SetPenalty)(std::max(Total - Amount, 0.0));
}

void TfrmDorvane::mniRedAddClick() { AddToScore(TSide::Red); }
void TfrmDorvane::mniRedMinusClick() { TakeBackScore(TSide::Red); }
void TfrmDorvane::mniRed1PenaltyClick() { AddPenalty(TSide::Red, DeductionAmount); }
void TfrmDorvane::mniRed1PenaltyMinusClick() { TakeBackPenalty(TSide::Red, DeductionAmount); }
void TfrmDorvane::mniRedHalfPointClick() { AddPenalty(TSide::Red, WarningAmount); }
void TfrmDorvane::mniRedHalfPointMinusClick() { TakeBackPenalty(TSide::Red, WarningAmount); }
void TfrmDorvane::mniBlueAddClick() { AddToScore(TSide::Blue); }
void TfrmDorvane::mniBlueMinusClick() { TakeBackScore(TSide::Blue); }
void TfrmDorvane::mniBlue1PenaltyClick() { AddPenalty(TSide::Blue, DeductionAmount); }
void TfrmDorvane::mniBlue1PenaltyMinusClick() { TakeBackPenalty(TSide::Blue, DeductionAmount); }
void TfrmDorvane::mniBlueHalfPointClick() { AddPenalty(TSide::Blue, WarningAmount); }
void TfrmDorvane::mniBlueHalfPointMinusClick() { TakeBackPenalty(TSide::Blue, WarningAmount); }

// ---- Display ----

void TfrmDorvane::ShowRound() {
  const int32_t Round = FScoreMgr->Round();
  SetLabelText(lblRound, QString::number(Round));
  imgSuddenDeath->setVisible(Round > Settings->Rounds);
}

void TfrmDorvane::WriteShownScore(TSide Side) {
  const TDorvaneMgr& Mgr = *FScoreMgr;
  const bool Red = Side == TSide::Red;
  int64_t Shown = Red ? Mgr.RedScore() : Mgr.BlueScore();
  // With penalty increment the opponent's whole penalty points count here.
  if (Mgr.PenaltyIncrement()) Shown += WholePart(Red ? Mgr.BluePenalty() : Mgr.RedPenalty());
  SetLabelText(Red ? lblRedScore : lblBlueScore, QString::number(Shown));
}

void TfrmDorvane::WritePenaltyCount(TSide Side, bool Whole) {
  const bool Red = Side == TSide::Red;
  const double Total = Red ? FScoreMgr->RedPenalty() : FScoreMgr->BluePenalty();
  SetLabelText(Red ? lblRedPenalty : lblBluePenalty,
               Whole ? QString::number(WholePart(Total)) : QStringLiteral("0"));
}

void TfrmDorvane::ShowMarker(TSide Side) {
  const bool Red = Side == TSide::Red;
  const double Total = Red ? FScoreMgr->RedPenalty() : FScoreMgr->BluePenalty();
  (Red ? shpRedPenalty : shpBluePenalty)->setVisible(HalfPenaltyShown(Total));
}

void TfrmDorvane::ShowScore(TSide Side) {
  WriteShownScore(Side);
  if (FScoreMgr->PenaltyIncrement() && !FScoreMgr->ShowPenaltyTotal()) {
    WritePenaltyCount(Side, false);
    ShowMarker(Side);
  }
  if (FRoundFlow) FRoundFlow->ScoreChanged();
}

void TfrmDorvane::ShowPenalty(TSide Side) {
  if (FScoreMgr->PenaltyIncrement()) {
    WriteShownScore(Side == TSide::Red ? TSide::Blue : TSide::Red);
    WritePenaltyCount(Side, FScoreMgr->ShowPenaltyTotal());
  } else {
    WritePenaltyCount(Side, true);
  }
  ShowMarker(Side);
  if (FRoundFlow) FRoundFlow->PenaltyChanged();
}

void TfrmDorvane::ShowRedScore() { ShowScore(TSide::Red); }
void TfrmDorvane::ShowBlueScore() { ShowScore(TSide::Blue); }
void TfrmDorvane::ShowRedPenalty() { ShowPenalty(TSide::Red); }
void TfrmDorvane::ShowBluePenalty() { ShowPenalty(TSide::Blue); }

void TfrmDorvane::ShowAllScores() {
  const bool Whole = !FScoreMgr->PenaltyIncrement() || FScoreMgr->ShowPenaltyTotal();
  for (TSide Side : {TSide::Red, TSide::Blue}) {
    WriteShownScore(Side);
    WritePenaltyCount(Side, Whole);
    ShowMarker(Side);
  }
}

// ---- New game ----

void TfrmDorvane::mniNewGameClick(QObject* Sender) {
  // Ctrl+N reaches here while a round runs although the entry is disabled.
  if (FRoundFlow->ClockExists()) return;
  if (Sender && Settings->QueryB4NewGame &&
      !AskYesNo(this, QStringLiteral("Ready to start a new game?"))) {
    return;
  }
  if (Sender && mniRequestPlayer->isChecked()) {
    // Cancel keeps the names; the new game goes on either way.
    AskPlayerNames(this, Settings->RedPlayer, Settings->BluePlayer, Settings->Division);
  }
  FRoundFlow->ResetForNewGame();
  TDorvaneMgr& Mgr = *FScoreMgr;
  Mgr.SetWinner(0);
  Mgr.SetRound(1);
  Mgr.SetRedScore(0);
  Mgr.SetRedPenalty(0);
  Mgr.SetBlueScore(0);
  Mgr.SetBluePenalty(0);
  SetLabelText(lblRedPlayerName, Settings->RedPlayer);
  SetLabelText(lblBluePlayerName, Settings->BluePlayer);
  SetLabelText(lblDivision, Settings->Division);
  Mgr.SetRoundColor(Settings->RoundColor);
  Mgr.SetBreakColor(Settings->BreakColor);
  Mgr.SetInjuryColor(Settings->InjuryColor);
  SetClockColor(Mgr.RoundColor());
  SetClockText(FormatSecondsMS(Settings->RoundTime));
  SetStateText(QString());
  RecordNewMatch();
  FElectronicScoring->PressLog().StartMatch();
  FRoundFlow->UpdateCommands();
}
