// The operator's points and penalties, forwarded to the match; the board's
// redraw of the score manager's changes; and the new game's questions.

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "board/NewPlayers.h"
#include "board/ScoreDisplay.h"
#include "clock/RoundFlow.h"
#include "match/Match.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "model/ShownScore.h"
#include "widgets/BoardShapes.h"
#include "widgets/MessageBoxes.h"

namespace {

int64_t WholePart(double PenaltyTotal) { return static_cast<int64_t>(std::trunc(PenaltyTotal)); }

// A total with a half in it: round(10 P - 10 trunc(P)) > 0, halves to even.
bool HalfPenaltyShown(double PenaltyTotal) {
  return std::nearbyint(10 * PenaltyTotal - 10 * std::trunc(PenaltyTotal)) > 0;
}

double PenaltyOf(TSide Side, const TDorvaneMgr& Mgr) {
  return Side == TSide::Red ? Mgr.RedPenalty() : Mgr.BluePenalty();
}

}  // namespace

// ---- Entry ----

void TfrmDorvane::mniRedAddClick() { FMatch.AddPoint(TSide::Red); }
void TfrmDorvane::mniRedMinusClick() { FMatch.TakeBackPoint(TSide::Red); }
void TfrmDorvane::mniRed1PenaltyClick() { FMatch.AddDeduction(TSide::Red); }
void TfrmDorvane::mniRed1PenaltyMinusClick() { FMatch.TakeBackDeduction(TSide::Red); }
void TfrmDorvane::mniRedHalfPointClick() { FMatch.AddWarning(TSide::Red); }
void TfrmDorvane::mniRedHalfPointMinusClick() { FMatch.TakeBackWarning(TSide::Red); }
void TfrmDorvane::mniBlueAddClick() { FMatch.AddPoint(TSide::Blue); }
void TfrmDorvane::mniBlueMinusClick() { FMatch.TakeBackPoint(TSide::Blue); }
void TfrmDorvane::mniBlue1PenaltyClick() { FMatch.AddDeduction(TSide::Blue); }
void TfrmDorvane::mniBlue1PenaltyMinusClick() { FMatch.TakeBackDeduction(TSide::Blue); }
void TfrmDorvane::mniBlueHalfPointClick() { FMatch.AddWarning(TSide::Blue); }
void TfrmDorvane::mniBlueHalfPointMinusClick() { FMatch.TakeBackWarning(TSide::Blue); }

// ---- Display ----

void TfrmDorvane::ShowRound(int32_t Round, bool SuddenDeathRound) {
  SetLabelText(lblRound, QString::number(Round));
  imgSuddenDeath->setVisible(SuddenDeathRound);
}

void TfrmDorvane::WriteShownScore(TSide Side, const TDorvaneMgr& Mgr) {
  SetLabelText(Side == TSide::Red ? lblRedScore : lblBlueScore,
               QString::number(ShownScore(Mgr, Side)));
}

void TfrmDorvane::WritePenaltyCount(TSide Side, const TDorvaneMgr& Mgr, bool Whole) {
  const double Total = PenaltyOf(Side, Mgr);
  SetLabelText(Side == TSide::Red ? lblRedPenalty : lblBluePenalty,
               Whole ? QString::number(WholePart(Total)) : QStringLiteral("0"));
}

void TfrmDorvane::ShowMarker(TSide Side, const TDorvaneMgr& Mgr) {
  (Side == TSide::Red ? shpRedPenalty : shpBluePenalty)
      ->setVisible(HalfPenaltyShown(PenaltyOf(Side, Mgr)));
}

void TfrmDorvane::ShowScore(TSide Side, const TDorvaneMgr& Mgr) {
  WriteShownScore(Side, Mgr);
  if (Mgr.PenaltyIncrement() && !Mgr.ShowPenaltyTotal()) {
    WritePenaltyCount(Side, Mgr, false);
    ShowMarker(Side, Mgr);
  }
}

void TfrmDorvane::ShowPenalty(TSide Side, const TDorvaneMgr& Mgr) {
  if (Mgr.PenaltyIncrement()) {
    WriteShownScore(OpponentOf(Side), Mgr);
    WritePenaltyCount(Side, Mgr, Mgr.ShowPenaltyTotal());
  } else {
    WritePenaltyCount(Side, Mgr, true);
  }
  ShowMarker(Side, Mgr);
}

void TfrmDorvane::ShowAllScores(const TDorvaneMgr& Mgr) {
  const bool Whole = !Mgr.PenaltyIncrement() || Mgr.ShowPenaltyTotal();
  for (TSide Side : {TSide::Red, TSide::Blue}) {
    WriteShownScore(Side, Mgr);
    WritePenaltyCount(Side, Mgr, Whole);
    ShowMarker(Side, Mgr);
  }
}

void TfrmDorvane::ShowPlayers(const QString& RedName, const QString& BlueName,
                              const QString& Division) {
  SetLabelText(lblRedPlayerName, RedName);
  SetLabelText(lblBluePlayerName, BlueName);
  SetLabelText(lblDivision, Division);
}

// ---- New game ----

void TfrmDorvane::mniNewGameClick(QObject* Sender) {
  // Ctrl+N reaches here while a round runs although the entry is disabled.
  if (FMatch.RoundFlow().ClockExists()) return;
  // From a console a running match is asked about, once, in place of the usual question.
  const bool MatchAsked = Sender && FOperatorWindow && FMatch.InProgress();
  if (MatchAsked && !ConfirmWhileMatchRuns(NewGameQuestion())) return;
  if (Sender && !MatchAsked && FConfig.QueryB4NewGame &&
      !AskYesNo(OperatorWindow(),
                QCoreApplication::translate("Board", "Ready to start a new game?"))) {
    return;
  }
  if (Sender && FRequestNames) {
    // Cancel keeps the names; the new game goes on either way.
    AskPlayerNames(OperatorWindow(), FConfig.RedPlayer, FConfig.BluePlayer, FConfig.Division);
  }
  FMatch.NewGame();
}
