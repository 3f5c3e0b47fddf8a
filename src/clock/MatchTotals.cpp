#include "clock/MatchTotals.h"

#include <cmath>

#include "model/ScoreManager.h"

TMatchScores TMatchScores::Read(const TDorvaneMgr& ScoreMgr) {
  TMatchScores Scores;
  Scores.Red = ScoreMgr.RedScore();
  Scores.Blue = ScoreMgr.BlueScore();
  Scores.RedPenalty = ScoreMgr.RedPenalty();
  Scores.BluePenalty = ScoreMgr.BluePenalty();
  return Scores;
}

double WholeTotal(const TMatchScores& Scores, bool Red) {
  return Red ? std::trunc(Scores.Red + Scores.BluePenalty + 0.1)
             : std::trunc(Scores.Blue + Scores.RedPenalty + 0.1);
}

double NetScore(const TMatchScores& Scores, bool Red) {
  return Red ? Scores.Red - std::trunc(Scores.RedPenalty + 0.1)
             : Scores.Blue - std::trunc(Scores.BluePenalty + 0.1);
}

bool HasExactLead(const TMatchScores& Scores, bool Red) {
  const double RedLead = Scores.Red + Scores.BluePenalty - Scores.Blue - Scores.RedPenalty;
  return (Red ? RedLead : -RedLead) + 0.1 > 1.0;
}

bool IsDisqualified(double PenaltyTotal, double DisqualifyPenalty) {
  // nearbyint rounds halves to even in the default rounding mode.
  return std::nearbyint(PenaltyTotal * 10) >= std::nearbyint(DisqualifyPenalty * 10);
}

TWinner LeadingSide(const TMatchScores& Scores, bool ExactPoints) {
  if (ExactPoints) {
    if (HasExactLead(Scores, true)) return TWinner::Red;
    if (HasExactLead(Scores, false)) return TWinner::Blue;
    return TWinner::None;
  }
  const double Red = WholeTotal(Scores, true);
  const double Blue = WholeTotal(Scores, false);
  if (Blue < Red) return TWinner::Red;
  if (Red < Blue) return TWinner::Blue;
  return TWinner::None;
}

bool ScoresDiffer(const TMatchScores& Scores, bool ExactPoints) {
  return LeadingSide(Scores, ExactPoints) != TWinner::None;
}
