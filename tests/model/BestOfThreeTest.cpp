// The best-of-three round decisions on their own: the limits while a round
// runs, the tie-breaks in their order, and the rounds won.
#include <gtest/gtest.h>

#include "model/BestOfThree.h"

namespace {

struct TTechniques {
  std::vector<int32_t> Red;
  std::vector<int32_t> Blue;
};

struct TDecisionCase {
  const char* Name;
  TTechniques Techniques;
  TRoundScores Scores;
  TRoundResult Expected;
};

// Scores follow the techniques unless a case says otherwise: an interrupted
// match taken up again brings its scores but not its techniques.
const TDecisionCase DecisionCases[] = {
    {"HigherScore", {{3}, {1}}, {3, 1, 0, 0}, {TWinner::Red, TRoundReason::Score}},
    {"GamJeomsCountForTheOpponent", {{1}, {}}, {1, 0, 0, 2}, {TWinner::Red, TRoundReason::Score}},
    {"TurningKicksFirst", {{4}, {3, 1}}, {4, 4, 0, 0}, {TWinner::Red, TRoundReason::TurningKicks}},
    {"TurningHeadKickBeatsTurningBodyPlusPunch",
     {{4, 1}, {5}},
     {5, 5, 0, 0},
     {TWinner::Blue, TRoundReason::TurningKicks}},
    {"HeadKicksNext", {{2, 1}, {3}}, {3, 3, 0, 0}, {TWinner::Blue, TRoundReason::HeadKicks}},
    {"BodyKicksNext", {{2}, {1, 1}}, {2, 2, 0, 0}, {TWinner::Red, TRoundReason::BodyKicks}},
    {"PunchesNext", {{1}, {}}, {1, 0, 1, 0}, {TWinner::Red, TRoundReason::Punches}},
    {"FewerGamJeomsLast", {{}, {}}, {2, 3, 0, 1}, {TWinner::Red, TRoundReason::FewerGamJeoms}},
    {"RefereeWhenAllIsEqual",
     {{2, 1}, {1, 2}},
     {3, 3, 1, 1},
     {TWinner::None, TRoundReason::Referee}},
};

class RoundDecision : public testing::TestWithParam<TDecisionCase> {};

TEST_P(RoundDecision, FollowsTheTieBreaksInOrder) {
  const TDecisionCase& Case = GetParam();
  TBestOfThree Rules;
  for (int32_t Points : Case.Techniques.Red) Rules.AddTechnique(TSide::Red, Points);
  for (int32_t Points : Case.Techniques.Blue) Rules.AddTechnique(TSide::Blue, Points);
  const TRoundResult Result = Rules.DecideByScore(Case.Scores);
  EXPECT_EQ(Result.Winner, Case.Expected.Winner);
  EXPECT_EQ(RoundReasonWord(Result.Reason), RoundReasonWord(Case.Expected.Reason));
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundDecision, testing::ValuesIn(DecisionCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(BestOfThreeTest, LimitsDecideOnlyWhenReachedAndOnlyWhenSet) {
  const TRoundLimits Limits{.PointGap = 12, .GamJeomLimit = 5};
  EXPECT_EQ(TBestOfThree::CheckLimits({11, 0, 0, 0}, Limits).Winner, TWinner::None);
  const TRoundResult Gap = TBestOfThree::CheckLimits({2, 10, 4, 0}, Limits);
  EXPECT_EQ(Gap.Winner, TWinner::Blue) << "blue 10 + 4 of red's gam-jeoms against 2";
  EXPECT_EQ(Gap.Reason, TRoundReason::PointGap);
  const TRoundResult Limit = TBestOfThree::CheckLimits({0, 0, 5, 0}, Limits);
  EXPECT_EQ(Limit.Winner, TWinner::Blue);
  EXPECT_EQ(Limit.Reason, TRoundReason::GamJeoms);
  EXPECT_EQ(TBestOfThree::CheckLimits({40, 0, 0, 9}, {.PointGap = 0, .GamJeomLimit = 0}).Winner,
            TWinner::None)
      << "a limit of 0 is off";
}

TEST(BestOfThreeTest, TakeBackRemovesTheSidesLastTechnique) {
  TBestOfThree Rules;
  Rules.AddTechnique(TSide::Red, 4);
  Rules.AddTechnique(TSide::Red, 2);
  Rules.AddTechnique(TSide::Blue, 5);
  Rules.AddTechnique(TSide::Red, 6);  // no such technique
  EXPECT_EQ(Rules.TakeBackTechnique(TSide::Red), 2);
  EXPECT_EQ(Rules.PointsOf(TSide::Red, 2), 0);
  EXPECT_EQ(Rules.PointsOf(TSide::Red, 4), 4);
  EXPECT_EQ(Rules.TakeBackTechnique(TSide::Red), 4);
  EXPECT_EQ(Rules.TakeBackTechnique(TSide::Red), 0);
  EXPECT_EQ(Rules.PointsOf(TSide::Blue, 5), 5);
}

TEST(BestOfThreeTest, TwoRoundsWinTheMatchAndEachRoundCountsOnce) {
  TBestOfThree Rules;
  Rules.RecordRound(1, {TWinner::Red, TRoundReason::Score});
  Rules.RecordRound(1, {TWinner::Blue, TRoundReason::Score});
  EXPECT_EQ(Rules.RoundsWon(TSide::Blue), 0) << "a decided round keeps its winner";
  Rules.StartNextRound();
  Rules.RecordRound(2, {TWinner::Blue, TRoundReason::PointGap});
  EXPECT_EQ(Rules.MatchWinner(), TWinner::None);
  Rules.StartNextRound();
  Rules.RecordRound(3, {TWinner::Red, TRoundReason::Referee});
  EXPECT_EQ(Rules.MatchWinner(), TWinner::Red);
  ASSERT_EQ(Rules.Rounds().size(), 3U);
  EXPECT_EQ(Rules.Rounds()[2].Round, 3);
  Rules.NewMatch();
  EXPECT_EQ(Rules.RoundsWon(TSide::Red), 0);
  EXPECT_FALSE(Rules.RoundDecided());
}

}  // namespace
