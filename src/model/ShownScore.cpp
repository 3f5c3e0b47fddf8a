#include "model/ShownScore.h"

#include <cmath>

#include "model/ScoreManager.h"

int64_t ShownScore(int32_t Score, double OpponentPenalty, bool PenaltyIncrement) {
  if (!PenaltyIncrement) return Score;
  return Score + static_cast<int64_t>(std::trunc(OpponentPenalty));
}

int64_t ShownScore(const TDorvaneMgr& ScoreMgr, TSide Side) {
  const bool Red = Side == TSide::Red;
  return ShownScore(Red ? ScoreMgr.RedScore() : ScoreMgr.BlueScore(),
                    Red ? ScoreMgr.BluePenalty() : ScoreMgr.RedPenalty(),
                    ScoreMgr.PenaltyIncrement());
}
