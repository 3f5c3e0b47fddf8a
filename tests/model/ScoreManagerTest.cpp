#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/ScoreManager.h"

namespace {

// A manager whose eight events write their names into Fired.
class ScoreManagerTest : public testing::Test {
 protected:
  ScoreManagerTest() {
    const auto Record = [this](const char* Name) {
      return [this, Name](TDorvaneMgr& Sender) {
        EXPECT_EQ(&Sender, &Mgr);
        Fired.push_back(Name);
      };
    };
    Mgr.OnRoundChange = Record("Round");
    Mgr.OnRedScoreChange = Record("RedScore");
    Mgr.OnRedPenaltyChange = Record("RedPenalty");
    Mgr.OnBlueScoreChange = Record("BlueScore");
    Mgr.OnBluePenaltyChange = Record("BluePenalty");
    Mgr.OnScoresReset = Record("ScoresReset");
    Mgr.OnColorChange = Record("Color");
    Mgr.OnWinnerChange = Record("Winner");
  }

  TDorvaneMgr Mgr;
  std::vector<std::string> Fired;
};

TEST(ScoreManagerConstruction, StartsAtRoundOneWithItsOwnColours) {
  const TDorvaneMgr Mgr;
  EXPECT_EQ(Mgr.Round(), 1);
  EXPECT_EQ(Mgr.RedScore(), 0);
  EXPECT_EQ(Mgr.BlueScore(), 0);
  EXPECT_EQ(Mgr.RedPenalty(), 0);
  EXPECT_EQ(Mgr.BluePenalty(), 0);
  EXPECT_EQ(Mgr.Winner(), TWinner::None);
  EXPECT_FALSE(Mgr.PenaltyIncrement());
  EXPECT_FALSE(Mgr.ShowPenaltyTotal());
  EXPECT_FALSE(Mgr.AutoRestart());
  EXPECT_EQ(Mgr.RoundColor(), 16777215);
  EXPECT_EQ(Mgr.BreakColor(), 16776960);
  EXPECT_EQ(Mgr.InjuryColor(), 65535);
}

struct TSetterCase {
  const char* Name;
  // Sets a value that differs from the constructed one and reads it back.
  std::function<double(TDorvaneMgr&)> SetAndGet;
  double Expected;
  std::vector<std::string> Events;  // fired by two calls of the setter
};

TEST_F(ScoreManagerTest, EverySetterStoresAndFiresItsEventEachTime) {
  using TMgr = TDorvaneMgr;
  const TSetterCase Cases[] = {
      {"Round", [](TMgr& M) { return M.SetRound(2), M.Round(); }, 2, {"Round", "Round"}},
      {"RedScore",
       [](TMgr& M) { return M.SetRedScore(3), M.RedScore(); },
       3,
       {"RedScore", "RedScore"}},
      {"BlueScore",
       [](TMgr& M) { return M.SetBlueScore(4), M.BlueScore(); },
       4,
       {"BlueScore", "BlueScore"}},
      {"RedPenalty",
       [](TMgr& M) { return M.SetRedPenalty(1.5), M.RedPenalty(); },
       1.5,
       {"RedPenalty", "RedPenalty"}},
      {"BluePenalty",
       [](TMgr& M) { return M.SetBluePenalty(0.5), M.BluePenalty(); },
       0.5,
       {"BluePenalty", "BluePenalty"}},
      {"RoundColor",
       [](TMgr& M) { return M.SetRoundColor(1), M.RoundColor(); },
       1,
       {"Color", "Color"}},
      {"BreakColor",
       [](TMgr& M) { return M.SetBreakColor(2), M.BreakColor(); },
       2,
       {"Color", "Color"}},
      {"InjuryColor",
       [](TMgr& M) { return M.SetInjuryColor(3), M.InjuryColor(); },
       3,
       {"Color", "Color"}},
      {"Winner",
       [](TMgr& M) { return M.SetWinner(TWinner::Red), static_cast<double>(M.Winner()); },
       2,
       {"Winner", "Winner"}},
      {"PenaltyIncrement",
       [](TMgr& M) { return M.SetPenaltyIncrement(true), M.PenaltyIncrement(); },
       1,
       {}},
      {"ShowPenaltyTotal",
       [](TMgr& M) { return M.SetShowPenaltyTotal(true), M.ShowPenaltyTotal(); },
       1,
       {}},
      {"AutoRestart", [](TMgr& M) { return M.SetAutoRestart(true), M.AutoRestart(); }, 1, {}},
  };
  for (const TSetterCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Fired.clear();
    Case.SetAndGet(Mgr);
    EXPECT_EQ(Case.SetAndGet(Mgr), Case.Expected);  // the same value again still fires
    EXPECT_EQ(Fired, Case.Events);
  }
}

TEST_F(ScoreManagerTest, ResetScoresFiresOnlyScoresReset) {
  Mgr.SetRedScore(5);
  Mgr.SetBlueScore(6);
  Mgr.SetRedPenalty(1.5);
  Mgr.SetBluePenalty(2);
  Mgr.SetRound(3);
  Fired.clear();
  Mgr.ResetScores();
  EXPECT_EQ(Fired, std::vector<std::string>{"ScoresReset"});
  EXPECT_EQ(Mgr.RedScore(), 0);
  EXPECT_EQ(Mgr.BlueScore(), 0);
  EXPECT_EQ(Mgr.RedPenalty(), 0);
  EXPECT_EQ(Mgr.BluePenalty(), 0);
  EXPECT_EQ(Mgr.Round(), 3);
}

TEST_F(ScoreManagerTest, ResetMatchFiresSixEventsInOrder) {
  Mgr.SetRound(4);
  Mgr.SetRedScore(5);
  Mgr.SetBluePenalty(1);
  Mgr.SetWinner(TWinner::Blue);
  Mgr.SetAutoRestart(true);
  Fired.clear();
  Mgr.ResetMatch();
  EXPECT_EQ(Fired, (std::vector<std::string>{"Round", "RedScore", "BlueScore", "RedPenalty",
                                             "BluePenalty", "Winner"}));
  EXPECT_EQ(Mgr.Round(), 1);
  EXPECT_EQ(Mgr.RedScore(), 0);
  EXPECT_EQ(Mgr.BluePenalty(), 0);
  EXPECT_EQ(Mgr.Winner(), TWinner::None);
  EXPECT_TRUE(Mgr.AutoRestart());
}

TEST_F(ScoreManagerTest, HandlerSeesTheNewValueAndMayCallTheManager) {
  int Seen = -1;
  Mgr.OnRedScoreChange = [&](TDorvaneMgr& Sender) {
    Seen = Sender.RedScore();
    Sender.SetBlueScore(Seen + 1);  // would deadlock if the lock were still held
  };
  Mgr.SetRedScore(7);
  EXPECT_EQ(Seen, 7);
  EXPECT_EQ(Mgr.BlueScore(), 8);
  EXPECT_EQ(Fired, std::vector<std::string>{"BlueScore"});
}

TEST_F(ScoreManagerTest, PenaltiesKeepHalvesExactly) {
  for (int I = 0; I < 3; ++I) Mgr.SetRedPenalty(Mgr.RedPenalty() + 0.5);
  EXPECT_EQ(Mgr.RedPenalty(), 1.5);
}

TEST(ScoreManagerUnassigned, SettersWithoutHandlersJustStore) {
  TDorvaneMgr Mgr;
  Mgr.SetRedScore(2);
  Mgr.ResetScores();
  EXPECT_EQ(Mgr.RedScore(), 0);
}

}  // namespace
