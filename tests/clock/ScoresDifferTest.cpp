#include <gtest/gtest.h>

#include "clock/TimerThread.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"

namespace {

struct TScoresCase {
  const char* Name;
  int32_t Red;
  int32_t Blue;
  double RedPenalty;
  double BluePenalty;
  bool SuddenDeath;  // exact points
  bool Differ;
};

class ScoresDifferTest : public testing::TestWithParam<TScoresCase> {
 protected:
  TClockRun Run;
  TDorvaneMgr Mgr;
};

TEST_P(ScoresDifferTest, ComparesTotalsWithPenaltiesForTheOtherSide) {
  const TScoresCase& Case = GetParam();
  Run.UseSuddenDeath = true;
  Run.SuddenDeathRound = Case.SuddenDeath;
  Mgr.SetRedScore(Case.Red);
  Mgr.SetBlueScore(Case.Blue);
  Mgr.SetRedPenalty(Case.RedPenalty);
  Mgr.SetBluePenalty(Case.BluePenalty);
  EXPECT_EQ(TTimerThread::ScoresDiffer(Mgr, Run), Case.Differ);
}

INSTANTIATE_TEST_SUITE_P(
    Totals, ScoresDifferTest,
    testing::Values(TScoresCase{"RedAheadByOne", 3, 2, 0, 0.5, false, true},
                    TScoresCase{"HalfPenaltyDropped", 2, 2, 0, 0.5, false, false},
                    TScoresCase{"TwoHalvesMakeAPoint", 2, 2, 0, 1.0, false, true},
                    TScoresCase{"PenaltiesEvenOut", 3, 2, 1.0, 0, false, false},
                    TScoresCase{"BlueAheadByPenalty", 2, 2, 1.5, 0, false, true},
                    TScoresCase{"Level", 0, 0, 0, 0, false, false},
                    TScoresCase{"SuddenDeathHalfPenaltyLevel", 0, 0, 0, 0.5, true, false},
                    TScoresCase{"SuddenDeathFullPenaltyDiffers", 0, 0, 0, 1.0, true, true},
                    TScoresCase{"SuddenDeathBlueLeadsByOne", 0, 1, 0, 0, true, true},
                    TScoresCase{"SuddenDeathHalfPointsLevel", 1, 1, 0.5, 0.5, true, false}),
    [](const auto& Info) { return std::string(Info.param.Name); });

// Red 1 with a half penalty: ahead in whole points, level in exact points.
// The exact comparison needs both the setting and the sudden-death round.
TEST(ScoresDifferRule, ExactPointsOnlyInTheSuddenDeathRound) {
  TClockRun Run;
  TDorvaneMgr Mgr;
  Mgr.SetRedScore(1);
  Mgr.SetRedPenalty(0.5);
  struct {
    bool UseSuddenDeath;
    bool Active;
    bool Differ;
  } const Cases[] = {
      {false, false, true}, {false, true, true}, {true, false, true}, {true, true, false}};
  for (const auto& Case : Cases) {
    Run.UseSuddenDeath = Case.UseSuddenDeath;
    Run.SuddenDeathRound = Case.Active;
    EXPECT_EQ(TTimerThread::ScoresDiffer(Mgr, Run), Case.Differ)
        << Case.UseSuddenDeath << " " << Case.Active;
  }
}

}  // namespace
