#include <gmock/gmock.h>

#include "RoundFlowFixture.h"
#include "clock/MatchTotals.h"

using testing::Each;
using testing::Ne;

namespace {

constexpr TWinner None = TWinner::None;
constexpr TWinner Blue = TWinner::Blue;
constexpr TWinner Red = TWinner::Red;

}  // namespace

struct TLeadCase {
  double R, B, RP, BP;
  bool ExactPoints;
  TWinner Leader;
};

// The end-of-match decision: whole-point totals, or exact points in the
// sudden-death round; a side's penalties count for the other side.
TEST(MatchTotalsTest, LeadingSideDecidesTheEndOfAMatch) {
  const TLeadCase Cases[] = {
      {5, 5, 0, 0.5, false, None},  // half a point is dropped
      {5, 5, 0, 1.0, false, Red},  {3, 2, 0, 0.5, false, Red}, {2, 2, 0, 0.5, false, None},
      {2, 2, 1.5, 0, false, Blue}, {0, 0, 0, 0.5, true, None}, {0, 0, 0, 1.0, true, Red},
      {0, 1, 0, 0, true, Blue},    {1, 0, 0.5, 0, true, None}, {0, 0, 1.5, 0, true, Blue},
      {7, 7, 0, 0, false, None},   {7, 7, 0, 0, true, None},
  };
  for (const TLeadCase& Case : Cases) {
    const TMatchScores Scores{Case.R, Case.B, Case.RP, Case.BP};
    EXPECT_EQ(LeadingSide(Scores, Case.ExactPoints), Case.Leader)
        << Case.R << ":" << Case.B << " penalties " << Case.RP << ":" << Case.BP
        << (Case.ExactPoints ? " exact" : " whole");
    EXPECT_EQ(ScoresDiffer(Scores, Case.ExactPoints), Case.Leader != None);
  }
}

struct TDisqualifyCase {
  double Limit, RP, BP;
  TWinner Winner;
};

class WinnerRulesTest : public RoundFlowTest {};

TEST_F(WinnerRulesTest, APenaltyTotalAtTheLimitDisqualifies) {
  const TDisqualifyCase Cases[] = {
      {4, 0, 3.5, None},   {4, 0, 4, Red},  {4, 4, 0, Blue}, {4, 4, 4, Red},  // blue first
      {4, 3.5, 3.5, None}, {4, 5, 0, Blue}, {0, 0, 0, Red},  // a limit of 0 is always reached
      {0.25, 0, 0.2, Red},                                   // round(2.5) is 2: halves go to even
  };
  for (const TDisqualifyCase& Case : Cases) {
    Config.DisqualifyPenalty = Case.Limit;
    Mgr.SetRedPenalty(Case.RP);
    Mgr.SetBluePenalty(Case.BP);
    EXPECT_EQ(Mgr.Winner(), Case.Winner)
        << "limit " << Case.Limit << " penalties " << Case.RP << ":" << Case.BP;
  }
}

TEST_F(WinnerRulesTest, TakingTheDisqualifyingHalfPenaltyBackClearsTheWinner) {
  Mgr.SetBluePenalty(3.5);
  EXPECT_EQ(Mgr.Winner(), None);
  Mgr.SetBluePenalty(4.0);
  EXPECT_EQ(Mgr.Winner(), Red);
  Mgr.SetBluePenalty(3.5);
  EXPECT_EQ(Mgr.Winner(), None);
  EXPECT_TRUE(View.Board.Winner.isEmpty()) << "the blink has stopped";
}

TEST_F(WinnerRulesTest, APenaltyChangeClearsARetirementUnlessARuleDecidesAgain) {
  Mgr.SetRedScore(10);
  Mgr.SetBlueScore(3);
  Flow->Retire(TSide::Red);
  EXPECT_EQ(Mgr.Winner(), Blue);
  Mgr.SetRedPenalty(0.5);
  EXPECT_EQ(Mgr.Winner(), None);

  Config.UsePointGap = true;
  Flow->Retire(TSide::Red);
  Mgr.SetRedPenalty(0.5);
  EXPECT_EQ(Mgr.Winner(), Red) << "net 10 against 3 is a gap of 7";
}

struct TLimitCase {
  int32_t R, B;
  double RP, BP;
  TWinner Winner;
};

// The match stands one point and one red penalty before the case, with the
// rule off; then, with the rule on, the point and the penalty arrive in
// either order.
void ExpectWinnersInBothOrders(TDorvaneMgr& Mgr, bool& Rule, const TLimitCase& Case) {
  for (const bool PenaltyFirst : {false, true}) {
    Rule = false;
    Mgr.SetRedPenalty(0);  // clears the winner of the last round
    Mgr.SetRedScore(Case.R - 1);
    Mgr.SetBlueScore(Case.B);
    Mgr.SetBluePenalty(Case.BP);
    ASSERT_EQ(Mgr.Winner(), None);
    Rule = true;
    if (PenaltyFirst) Mgr.SetRedPenalty(Case.RP);
    Mgr.SetRedScore(Case.R);
    if (!PenaltyFirst) Mgr.SetRedPenalty(Case.RP);
    EXPECT_EQ(Mgr.Winner(), Case.Winner)
        << Case.R << ":" << Case.B << " penalties " << Case.RP << ":" << Case.BP
        << (PenaltyFirst ? " penalty first" : " point first");
  }
}

TEST_F(WinnerRulesTest, PointGapComparesNetScores) {
  Config.PointGap = 7;
  const TLimitCase Cases[] = {
      {10, 3, 0, 0, Red},   {3, 10, 0, 0, Blue},  {10, 3, 1.0, 0, None},  // net 9 against 3
      {10, 3, 0.5, 0, Red},  // a half penalty is no whole point
      {9, 3, 0, 0, None},   {10, 3, 0, 1.0, Red},
  };
  for (const TLimitCase& Case : Cases) ExpectWinnersInBothOrders(Mgr, Config.UsePointGap, Case);
}

TEST_F(WinnerRulesTest, AZeroPointGapDecidesAtOnceAndLevelGoesToRed) {
  Config.UsePointGap = true;
  Config.PointGap = 0;
  Mgr.SetBlueScore(0);
  EXPECT_EQ(Mgr.Winner(), Red);
}

TEST_F(WinnerRulesTest, PointCeilingNeedsALeader) {
  Config.PointCeiling = 12;
  const TLimitCase Cases[] = {
      {12, 12, 0, 0, None}, {12, 11, 0, 0, Red},    {11, 12, 0, 0, Blue},
      {11, 10, 0, 0, None}, {13, 12, 1.0, 0, None},  // net 12 against 12
      {20, 0, 0, 0, Red},
  };
  for (const TLimitCase& Case : Cases) {
    Config.UsePointCeiling = false;
    Mgr.SetRedPenalty(Case.RP);  // clears the winner of the last case
    Mgr.SetBluePenalty(Case.BP);
    Mgr.SetRedScore(Case.R);
    Mgr.SetBlueScore(Case.B);
    Config.UsePointCeiling = true;
    Mgr.SetBlueScore(Case.B);  // the rules run on every write
    EXPECT_EQ(Mgr.Winner(), Case.Winner)
        << Case.R << ":" << Case.B << " penalties " << Case.RP << ":" << Case.BP;
  }
}

TEST_F(WinnerRulesTest, EachPenaltyKeepingADisqualificationWritesAWinnerLine) {
  Config.SaveScores = true;
  Mgr.SetBluePenalty(4);
  Mgr.SetBluePenalty(4.5);
  EXPECT_EQ(RecordLines(), QStringList({"WINNER,Red player", "WINNER,Red player"}));
}

TEST_F(WinnerRulesTest, TheWinnerBlinksInPhasesWhileBothScoresKeepTheirNumbers) {
  Flow->SetWinnerBlinkInterval(100);
  Mgr.SetRedScore(3);
  Mgr.SetBlueScore(12);
  Flow->Retire(TSide::Red);
  EXPECT_EQ(View.Board.Winner, "blue");
  View.RedScoreTexts.clear();
  View.BlueScoreTexts.clear();

  ASSERT_TRUE(RunUntil([this] { return View.WinnerPhases.size() >= 5; }));
  // Lit first, then alternating, one interval each.
  const std::vector<bool> Phases(View.WinnerPhases.begin(), View.WinnerPhases.begin() + 5);
  EXPECT_EQ(Phases, (std::vector<bool>{true, false, true, false, true}));
  EXPECT_TRUE(View.RedScoreTexts.isEmpty());
  EXPECT_TRUE(View.BlueScoreTexts.isEmpty());
  EXPECT_EQ(View.Board.RedScoreText, "3");
  EXPECT_EQ(View.Board.BlueScoreText, "12");

  Mgr.SetWinner(None);
  EXPECT_TRUE(View.Board.Winner.isEmpty());
  const size_t PhasesAtStop = View.WinnerPhases.size();
  QTimer Later;
  Later.setSingleShot(true);
  Later.start(300);
  ASSERT_TRUE(RunUntil([&Later] { return !Later.isActive(); }));
  EXPECT_EQ(View.WinnerPhases.size(), PhasesAtStop) << "the blink has stopped";
}

struct TDecidingLimitCase {
  const char* Name;
  bool PointGap;
  const char* StateText;
};

class DecidingLimitTest : public WinnerRulesTest,
                          public testing::WithParamInterface<TDecidingLimitCase> {};

// The rule stops the clock, names the rule on the state line and keeps the round.
TEST_P(DecidingLimitTest, ALimitReachedInARoundStopsTheClock) {
  Config.UsePointGap = GetParam().PointGap;
  Config.UsePointCeiling = !GetParam().PointGap;
  Config.PointGap = 7;
  Config.PointCeiling = 12;
  Mgr.SetBlueScore(5);
  Mgr.SetRedScore(11);
  ASSERT_EQ(Mgr.Winner(), None);
  Time.After(500, [this] { Mgr.SetRedScore(12); });
  const int64_t Start = Time.NowMs();
  PlayRound();
  EXPECT_LT(Time.NowMs() - Start, 600);
  EXPECT_EQ(Mgr.Winner(), Red);
  EXPECT_EQ(View.Board.StateText, GetParam().StateText);
  EXPECT_EQ(Mgr.Round(), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, DecidingLimitTest,
                         testing::Values(TDecidingLimitCase{"PointGap", true, "Point gap"},
                                         TDecidingLimitCase{"PointCeiling", false,
                                                            "Point ceiling"}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(WinnerRulesTest, AStopBringsBackADisqualificationThatStartCleared) {
  Mgr.SetBluePenalty(4);
  ASSERT_EQ(Mgr.Winner(), Red);
  Flow->StartRound();
  EXPECT_EQ(Mgr.Winner(), None);
  Flow->StopRound();
  ASSERT_TRUE(RunUntil([this] { return !Flow->ClockExists(); }));
  EXPECT_EQ(Mgr.Winner(), Red);
}

struct TFirstToScoreCase {
  const char* Name;
  std::function<void(TDorvaneMgr&)> Change;
  bool Stops;
  TWinner Winner;
};

class FirstToScoreTest : public WinnerRulesTest,
                         public testing::WithParamInterface<TFirstToScoreCase> {};

TEST_P(FirstToScoreTest, TheFirstWholePointEndsTheSuddenDeathRound) {
  Config.UseSuddenDeath = true;
  Config.FirstToScore = true;
  Config.AutoCalcWinner = true;
  Flow->SetRound(QStringLiteral("4"));
  ASSERT_TRUE(Flow->SuddenDeathActive());
  Time.After(500, [this] { GetParam().Change(Mgr); });
  const int64_t Start = Time.NowMs();
  PlayRound();
  EXPECT_EQ(Time.NowMs() - Start < 600, GetParam().Stops);
  EXPECT_EQ(Mgr.Winner(), GetParam().Winner);
  EXPECT_EQ(View.Board.ClockText, "0:00");
  EXPECT_EQ(Mgr.Round(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirstToScoreTest,
    testing::Values(
        TFirstToScoreCase{"RedPoint", [](TDorvaneMgr& Mgr) { Mgr.SetRedScore(1); }, true, Red},
        TFirstToScoreCase{"BlueHalfPenalty", [](TDorvaneMgr& Mgr) { Mgr.SetBluePenalty(0.5); },
                          false, None},
        TFirstToScoreCase{"BlueWholePenalty", [](TDorvaneMgr& Mgr) { Mgr.SetBluePenalty(1); }, true,
                          Red}),
    [](const auto& Info) { return std::string(Info.param.Name); });
