// The winner rules and the winner's blink.

#include <QTimer>
#include <algorithm>
#include <cmath>

#include "clock/BoardView.h"
#include "clock/MatchTotals.h"
#include "clock/RoundFlow.h"
#include "clock/TimerThread.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "record/MatchRecords.h"

namespace {}  // namespace

void TRoundFlow::ScoreChanged() {
  if (BestOfThreeRules()) {
    CheckRoundLimits();
    return;
  }
  CheckPointGap();
  CheckPointCeiling();
  CheckFirstToScore();
}

// Disqualification always writes the winner, so the gap and ceiling rules
// after it decide again.
void TRoundFlow::PenaltyChanged() {
  if (BestOfThreeRules()) {
    CheckRoundLimits();
    return;
  }
  CheckDisqualification();
  ScoreChanged();
}

void TRoundFlow::CheckDisqualification() {
  const double Limit = FConfig.DisqualifyPenalty;
  if (IsDisqualified(FScoreMgr.BluePenalty(), Limit)) {
    StopClock();
    FScoreMgr.SetWinner(TWinner::Red);
  } else if (IsDisqualified(FScoreMgr.RedPenalty(), Limit)) {
    StopClock();
    FScoreMgr.SetWinner(TWinner::Blue);
  } else {
    FScoreMgr.SetWinner(TWinner::None);
  }
  UpdateCommands();
}

void TRoundFlow::CheckPointGap() {
  if (!FConfig.UsePointGap || FScoreMgr.Winner() != TWinner::None) return;
  const TMatchScores Scores = TMatchScores::Read(FScoreMgr);
  const double Gap = NetScore(Scores, true) - NetScore(Scores, false);
  if (std::abs(Gap) < FConfig.PointGap) return;
  DecideByLimit(csPointGap, Gap >= 0 ? TWinner::Red : TWinner::Blue);
}

void TRoundFlow::CheckPointCeiling() {
  if (!FConfig.UsePointCeiling || FScoreMgr.Winner() != TWinner::None) return;
  const TMatchScores Scores = TMatchScores::Read(FScoreMgr);
  const double Red = NetScore(Scores, true);
  const double Blue = NetScore(Scores, false);
  if (Blue < Red && Red >= FConfig.PointCeiling)
    DecideByLimit(csPointCeiling, TWinner::Red);
  else if (Red < Blue && Blue >= FConfig.PointCeiling)
    DecideByLimit(csPointCeiling, TWinner::Blue);
}

void TRoundFlow::DecideByLimit(TClockState DecidedState, TWinner Winner) {
  if (FTimerThread) FTimerThread->SetState(DecidedState);
  StopClock();
  FScoreMgr.SetWinner(Winner);
  UpdateCommands();
}

// Stops the sudden-death round at the first lead; the end of the run then
// names the winner.
void TRoundFlow::CheckFirstToScore() {
  if (!FConfig.UseSuddenDeath || !FConfig.FirstToScore || !FSuddenDeathActive) return;
  if (!ScoresDiffer(TMatchScores::Read(FScoreMgr), true)) return;
  StopClock();
  UpdateCommands();
}

void TRoundFlow::DecideWinner() {
  const bool ExactPoints = FConfig.UseSuddenDeath && FSuddenDeathActive;
  FScoreMgr.SetWinner(LeadingSide(TMatchScores::Read(FScoreMgr), ExactPoints));
}

void TRoundFlow::CheckDisqualificationAtStop() {
  const double Limit = FConfig.DisqualifyPenalty;
  if (IsDisqualified(FScoreMgr.BluePenalty(), Limit)) {
    FScoreMgr.SetWinner(TWinner::Red);
  } else if (IsDisqualified(FScoreMgr.RedPenalty(), Limit)) {
    FScoreMgr.SetWinner(TWinner::Blue);
  }
}

void TRoundFlow::Retire(TSide Side) {
  StopClock();
  FScoreMgr.SetWinner(Side == TSide::Red ? TWinner::Blue : TWinner::Red);
  UpdateCommands();
}

void TRoundFlow::WinnerChanged() {
  const TWinner Winner = FScoreMgr.Winner();
  if (Winner == TWinner::None) {
    if (!tmrWinner->isActive()) return;
    tmrWinner->stop();
    FView.HideWinner();
    return;
  }
  if (Winner != TWinner::Red && Winner != TWinner::Blue) return;
  const bool RedWon = Winner == TWinner::Red;
  FWinnerLit = true;
  FView.ShowWinner(RedWon ? TSide::Red : TSide::Blue, FWinnerLit);
  tmrWinner->start();
  if (FConfig.SaveScores) {
    FRecords.WriteScoreRecord(QStringLiteral("WINNER,") +
                              PlayerName(RedWon ? TSide::Red : TSide::Blue));
  }
}

// The winner's display alternates its phase, one timer interval each.
void TRoundFlow::tmrWinnerTimer() {
  tmrWinner->stop();
  const TWinner Winner = FScoreMgr.Winner();
  if (Winner == TWinner::Red || Winner == TWinner::Blue) {
    FWinnerLit = !FWinnerLit;
    FView.ShowWinner(Winner == TWinner::Red ? TSide::Red : TSide::Blue, FWinnerLit);
  }
  if (FScoreMgr.Winner() != TWinner::None) tmrWinner->start();
}

void TRoundFlow::SetWinnerBlinkInterval(int Ms) { tmrWinner->setInterval(std::max(Ms, 100)); }
