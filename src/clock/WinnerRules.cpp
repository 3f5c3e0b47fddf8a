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
#include "model/StringFn.h"
#include "record/MatchRecords.h"

namespace {

constexpr uint8_t NoWinner = 0;
constexpr uint8_t BlueWins = 1;
constexpr uint8_t RedWins = 2;

// Writing a score back to itself makes the board redraw its number.
void RedrawScore(TDorvaneMgr& ScoreMgr, bool Red) {
  if (Red) {
    ScoreMgr.SetRedScore(ScoreMgr.RedScore());
  } else {
    ScoreMgr.SetBlueScore(ScoreMgr.BlueScore());
  }
}

}  // namespace

void TRoundFlow::ScoreChanged() {
  CheckPointGap();
  CheckPointCeiling();
  CheckFirstToScore();
}

// Disqualification always writes the winner, so the gap and ceiling rules
// after it decide again.
void TRoundFlow::PenaltyChanged() {
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

void TRoundFlow::mniBlueRetiresClick() {
  StopClock();
  FScoreMgr.SetWinner(RedWins);
  UpdateCommands();
}

void TRoundFlow::mniRedRetiresClick() {
  StopClock();
  FScoreMgr.SetWinner(BlueWins);
  UpdateCommands();
}

void TRoundFlow::WinnerChanged() {
  const uint8_t Winner = FScoreMgr.Winner();
  if (Winner == NoWinner) {
    if (!tmrWinner->isActive()) return;
    tmrWinner->stop();
    RedrawScore(FScoreMgr, true);
    RedrawScore(FScoreMgr, false);
    return;
  }
  if (Winner != RedWins && Winner != BlueWins) return;
  const bool RedWon = Winner == RedWins;
  RedrawScore(FScoreMgr, !RedWon);  // the loser's label shows its number
  tmrWinner->start();
  if (FConfig.SaveScores) {
    FRecords.WriteScoreRecord(QStringLiteral("WINNER,") +
                              (RedWon ? FConfig.RedPlayer : FConfig.BluePlayer));
  }
}

// The winner's score alternates between "W" and its number.
void TRoundFlow::tmrWinnerTimer() {
  tmrWinner->stop();
  const uint8_t Winner = FScoreMgr.Winner();
  if (Winner == RedWins || Winner == BlueWins) {
    const bool Red = Winner == RedWins;
    if (IsNumeric(FView.ScoreText(Red))) {
      FView.SetScoreText(Red, QStringLiteral("W"));
    } else {
      RedrawScore(FScoreMgr, Red);
    }
  }
  if (FScoreMgr.Winner() != NoWinner) tmrWinner->start();
}

void TRoundFlow::SetWinnerBlinkInterval(int Ms) { tmrWinner->setInterval(std::max(Ms, 100)); }
