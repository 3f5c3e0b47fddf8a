// The round flow under the best-of-three rules: each round decided on its
// own, the rounds won on the board, the match to the first to win two.

#include <QCoreApplication>
#include <cmath>

#include "clock/BoardView.h"
#include "clock/RoundFlow.h"
#include "clock/TimerThread.h"
#include "model/RuleSet.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "model/StringFn.h"
#include "platform/Logging.h"
#include "record/MatchRecords.h"

namespace {

// Gam-jeoms are whole; the manager keeps them as penalty totals.
int32_t GamJeoms(double PenaltyTotal) {
  return static_cast<int32_t>(std::trunc(PenaltyTotal + 0.1));
}

}  // namespace

bool TRoundFlow::BestOfThreeRules() const { return RulesOf(FConfig) == TRules::BestOfThree; }

int32_t TRoundFlow::RoundCount() const {
  return BestOfThreeRules() ? TBestOfThree::MaxRounds : FConfig.Rounds;
}

TRoundScores TRoundFlow::RoundScores() const {
  return {FScoreMgr.RedScore(), FScoreMgr.BlueScore(), GamJeoms(FScoreMgr.RedPenalty()),
          GamJeoms(FScoreMgr.BluePenalty())};
}

// After every score and gam-jeom: the point gap wins the round, the
// gam-jeom limit loses it, both at once.
void TRoundFlow::CheckRoundLimits() {
  if (FBestOfThree.RoundDecided() || FBestOfThree.MatchWinner() != TWinner::None) return;
  const TRoundResult Result = TBestOfThree::CheckLimits(
      RoundScores(), {.PointGap = FConfig.RoundPointGap, .GamJeomLimit = FConfig.GamJeomLimit});
  if (Result.Winner == TWinner::None) return;
  // The decided state first: its state text then gives way to the round's winner.
  if (FTimerThread && Result.Reason == TRoundReason::PointGap) FTimerThread->SetState(csPointGap);
  DecideRound(Result);
  if (FTimerThread) {
    StopClock();
  } else {
    // Entered with no clock running: no run's end will move the match on.
    MoveBestOfThreeOn();
  }
  UpdateCommands();
}

// The round's time is up: the score, the tie-breaks, then the referee.
void TRoundFlow::EndRoundOnTime() {
  if (FBestOfThree.RoundDecided()) return;
  TRoundResult Result = FBestOfThree.DecideByScore(RoundScores());
  if (Result.Winner == TWinner::None) {
    if (!OnRefereeDecision) {
      qCWarning(LogRules) << "round" << FScoreMgr.Round()
                          << "tied after every tie-break and no referee to ask";
      return;
    }
    Result.Winner = WinnerOf(OnRefereeDecision(FScoreMgr.Round()));
  }
  DecideRound(Result);
}

void TRoundFlow::DecideRound(const TRoundResult& Result) {
  const int32_t Round = FScoreMgr.Round();
  FBestOfThree.RecordRound(Round, Result);
  const QString Name = PlayerName(Result.Winner == TWinner::Red ? TSide::Red : TSide::Blue);
  const QString Reason = RoundReasonWord(Result.Reason);
  if (FConfig.SaveScores) {
    FRecords.WriteScoreRecord(QStringLiteral("ROUND %1 WINNER,").arg(Round) + Name +
                              QLatin1Char(',') + Reason);
  }
  FView.ShowRoundsWon(FBestOfThree.RoundsWon(TSide::Red), FBestOfThree.RoundsWon(TSide::Blue));
  FView.SetStateText(QCoreApplication::translate("Clock", "Round %1: %2 (%3)")
                         .arg(Round)
                         .arg(Name, RoundReasonText(Result.Reason)));
  if (OnRoundDecided) OnRoundDecided();
}

// The end of a clock run. A run stopped before its round was decided keeps
// the round and the time shown, as under the classic rules.
void TRoundFlow::EndBestOfThreeRun(bool TimeUp) {
  if (TimeUp) EndRoundOnTime();
  FView.SetClockColor(FScoreMgr.RoundColor());
  if (!FBestOfThree.RoundDecided()) return;
  FView.SetClockText(FormatSecondsMS(0));
  FRoundLeft = FConfig.RoundTime;
  MoveBestOfThreeOn();
}

// The match's winner once a side has two rounds, else the next round. Its
// scores are cleared when it starts, so the board keeps the decided round's.
void TRoundFlow::MoveBestOfThreeOn() {
  const TWinner Winner = FBestOfThree.MatchWinner();
  if (Winner != TWinner::None) {
    FScoreMgr.SetWinner(Winner);
    return;
  }
  ShowFullRoundTime();
  FScoreMgr.SetRound(FScoreMgr.Round() + 1);
}

bool TRoundFlow::PenaltyIncrementRule() const {
  return BestOfThreeRules() || FConfig.UsePenaltyIncrement;
}

void TRoundFlow::ResumeRounds(const std::vector<TBestOfThree::TRoundRecord>& Rounds,
                              bool RoundDecided) {
  if (!BestOfThreeRules()) {
    FScoreMgr.SetPenaltyIncrement(FConfig.UsePenaltyIncrement);
    FScoreMgr.SetShowPenaltyTotal(FConfig.ShowTotalPenalty);
    return;
  }
  FBestOfThree.Restore(Rounds, RoundDecided);
  FScoreMgr.SetPenaltyIncrement(true);
  FScoreMgr.SetShowPenaltyTotal(true);
  FView.ShowRoundsWon(FBestOfThree.RoundsWon(TSide::Red), FBestOfThree.RoundsWon(TSide::Blue));
}

// A gam-jeom shows as the opponent's point and as the side's count.
void TRoundFlow::StartBestOfThreeRound() {
  FScoreMgr.SetPenaltyIncrement(true);
  FScoreMgr.SetShowPenaltyTotal(true);
  if (!FBestOfThree.RoundDecided()) return;
  FBestOfThree.StartNextRound();
  FScoreMgr.ResetScores();
}
