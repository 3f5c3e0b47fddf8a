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

namespace {

constexpr uint8_t NoWinner = 0;
constexpr uint8_t BlueWins = 1;
constexpr uint8_t RedWins = 2;

}  // namespace

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
    FScoreMgr.SetWinner(RedWins);
  } else if (IsDisqualified(FScoreMgr.RedPenalty(), Limit)) {
    StopClock();
    FScoreMgr.SetWinner(BlueWins);
  } else {
    FScoreMgr.SetWinner(NoWinner);
  }
  UpdateCommands();
}

void TRoundFlow::CheckPointGap() {
  if (!FConfig.UsePointGap || FScoreMgr.Winner() != NoWinner) return;
  const TMatchScores Scores = TMatchScores::Read(FScoreMgr);
  const double Gap = NetScore(Scores, true) - NetScore(Scores, false);
  if (std::abs(Gap) < FConfig.PointGap) return;
  DecideByLimit(csPointGap, Gap >= 0 ? RedWins : BlueWins);
}

void TRoundFlow::CheckPointCeiling() {
  if (!FConfig.UsePointCeiling || FScoreMgr.Winner() != NoWinner) return;
  const TMatchScores Scores = TMatchScores::Read(FScoreMgr);
  const double Red = NetScore(Scores, true);
  const double Blue = NetScore(Scores, false);
  if (Blue < Red && Red >= FConfig.PointCeiling)
    DecideByLimit(csPointCeiling, RedWins);
  else if (Red < Blue && Blue >= FConfig.PointCeiling)
    DecideByLimit(csPointCeiling, BlueWins);
}

void TRoundFlow::DecideByLimit(TClockState DecidedState, uint8_t Winner) {
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
    FScoreMgr.SetWinner(RedWins);
  } else if (IsDisqualified(FScoreMgr.RedPenalty(), Limit)) {
    FScoreMgr.SetWinner(BlueWins);
  }
}

void TRoundFlow::Retire(TSide Side) {
  StopClock();
  FScoreMgr.SetWinner(Side == TSide::Red ? BlueWins : RedWins);
  UpdateCommands();
}

void TRoundFlow::WinnerChanged() {
  const uint8_t Winner = FScoreMgr.Winner();
  if (Winner == NoWinner) {
    if (!tmrWinner->isActive()) return;
    tmrWinner->stop();
    FView.HideWinner();
    return;
  }
  if (Winner != RedWins && Winner != BlueWins) return;
  const bool RedWon = Winner == RedWins;
  FWinnerLit = true;
  FView.ShowWinner(RedWon ? TSide::Red : TSide::Blue, FWinnerLit);
  tmrWinner->start();
  if (FConfig.SaveScores) {
    FRecords.WriteScoreRecord(QStringLiteral("WINNER,") +
                              (RedWon ? FConfig.RedPlayer : FConfig.BluePlayer));
  }
}

// The winner's display alternates its phase, one timer interval each.
void TRoundFlow::tmrWinnerTimer() {
  tmrWinner->stop();
  const uint8_t Winner = FScoreMgr.Winner();
  if (Winner == RedWins || Winner == BlueWins) {
    FWinnerLit = !FWinnerLit;
    FView.ShowWinner(Winner == RedWins ? TSide::Red : TSide::Blue, FWinnerLit);
  }
  if (FScoreMgr.Winner() != NoWinner) tmrWinner->start();
}

void TRoundFlow::SetWinnerBlinkInterval(int Ms) { tmrWinner->setInterval(std::max(Ms, 100)); }
