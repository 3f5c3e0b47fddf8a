// The board under the best-of-three rules: technique keys, gam-jeoms for the
// opponent, no warnings, the rounds-won markers and the referee's prompt.
#include <gtest/gtest.h>

#include <QJsonObject>

#include "board/BoardFeed.h"
#include "clock/RoundFlow.h"
#include "model/ScoreManager.h"
#include "support/core/RunUntil.h"
#include "support/ui/BoardFixture.h"
#include "widgets/BoardShapes.h"

namespace {

class BestOfThreeBoardTest : public TBoardFixture {
 protected:
  BestOfThreeBoardTest() {
    WriteSettingsFile(
        QStringLiteral("[Config]\r\nRules=BestOfThree\r\nRoundTime=2\r\n"
                       "CoachTime=1\r\nSaveScores=1\r\nSaveFileName=bo3\r\n"));
  }

  TColor MarkerColor(const char* Name) {
    auto* Marker = dynamic_cast<TBoardShape*>(Board().Element(QLatin1String(Name)));
    return Marker ? Marker->LightColor() : -1;
  }
};

TEST_F(BestOfThreeBoardTest, KeysScoreTechniquesAndGamJeomsCountForTheOpponent) {
  Board();
  EXPECT_TRUE(Visible("shpRedRound1"));
  EXPECT_TRUE(Visible("shpBlueRound2"));
  PressKey(Qt::Key_5);
  PressKey(Qt::Key_4, Qt::ControlModifier);
  PressKey(Qt::Key_F2);  // a punch
  PressKey(Qt::Key_F6);  // a gam-jeom against blue
  PressKey(Qt::Key_F4);  // no half penalties under these rules
  PressKey(Qt::Key_F7);
  EXPECT_EQ(Text("lblRedScore"), "7");
  EXPECT_EQ(Text("lblBlueScore"), "4");
  EXPECT_EQ(Text("lblBluePenalty"), "1");
  EXPECT_EQ(Text("lblRedPenalty"), "0");
  EXPECT_EQ(Match().ScoreMgr().RedPenalty(), 0.0);
  PressKey(Qt::Key_F2, Qt::ShiftModifier);  // takes back the punch
  EXPECT_EQ(Text("lblRedScore"), "6");
  PressKey(Qt::Key_F2, Qt::ShiftModifier);  // and then the 5
  EXPECT_EQ(Text("lblRedScore"), "1");
}

TEST_F(BestOfThreeBoardTest, MarkersLightForRoundsWonAndTheRefereeDecidesATie) {
  Board();
  EXPECT_EQ(MarkerColor("shpRedRound1"), clUnlitLight);
  // Round 1 by the gap, entered between runs of the clock.
  for (int Kick = 0; Kick < 3; ++Kick) PressKey(Qt::Key_4);
  EXPECT_EQ(MarkerColor("shpRedRound1"), FConfig.RedPlayerColor);
  EXPECT_EQ(MarkerColor("shpRedRound2"), clUnlitLight);
  EXPECT_EQ(Text("lblRound"), "2");
  EXPECT_EQ(Text("lblRoundState"), "Round 1: Red player (point gap)");

  // Round 2 runs out level: the operator gives it to blue.
  FBoxes.SetNextAnswer(false);
  Match().StartRound();
  EXPECT_EQ(Text("lblRedScore"), "0") << "each round starts from nothing";
  ASSERT_TRUE(RunUntil([this] { return !Match().RoundFlow().ClockExists(); }));
  EXPECT_TRUE(FBoxes.LastMessage().Text.startsWith("Round 2 is tied"));
  EXPECT_EQ(MarkerColor("shpBlueRound1"), FConfig.BluePlayerColor);
  EXPECT_EQ(Text("lblRound"), "3");
  EXPECT_TRUE(RecordFileText().contains("ROUND 1 WINNER,Red player,point gap\r\n"));
  EXPECT_TRUE(RecordFileText().contains("ROUND 2 WINNER,Blue player,referee\r\n"));

  // The live feed carries the rounds won and the three rounds of the match.
  const std::optional<TMatchSnapshot> Snapshot = BoardSnapshot(Board(), Match(), 0);
  ASSERT_TRUE(Snapshot.has_value());
  EXPECT_EQ(Snapshot->Rounds, 3);
  const QJsonObject Json = Snapshot->ToJson();
  EXPECT_EQ(Json["red"].toObject()["roundsWon"].toInt(), 1);
  EXPECT_EQ(Json["blue"].toObject()["roundsWon"].toInt(), 1);
}

}  // namespace
