// The decided match on the real board: both scores stay numbers, the winner
// is named in the state line's place, the winner's score blinks in colour.

#include <QLabel>
#include <QTest>

#include "model/ScoreManager.h"
#include "support/ui/BoardFixture.h"

namespace {

QColor TextColor(const QLabel* Label) { return Label->palette().color(QPalette::WindowText); }

TEST_F(TBoardFixture, TheWinnerIsNamedAndBothScoresStayReadable) {
  FConfig.BluePlayer = QStringLiteral("Lee Dae-hoon");
  TDorvaneMgr& Mgr = Board().ScoreMgr();
  Mgr.SetRedScore(7);
  Mgr.SetBlueScore(12);
  const QLabel* BlueScore = Board().Label(QStringLiteral("lblBlueScore"));
  const QColor PlayerColor = TextColor(BlueScore);
  const QColor NameColor = TextColor(Board().Label(QStringLiteral("lblRoundHeader")));
  ASSERT_NE(PlayerColor, NameColor);

  Mgr.SetWinner(TWinner::Blue);
  EXPECT_TRUE(Visible("lblWinner"));
  EXPECT_FALSE(Visible("lblRoundState"));
  EXPECT_EQ(Text("lblWinner"), QStringLiteral("Lee Dae-hoon wins"));
  // Both phases of the blink show the numbers; only the winner's colour changes.
  for (const QColor& Phase : {NameColor, PlayerColor, NameColor}) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return TextColor(BlueScore) == Phase; }, 2000));
    EXPECT_EQ(Text("lblBlueScore"), QStringLiteral("12"));
    EXPECT_EQ(Text("lblRedScore"), QStringLiteral("7"));
    EXPECT_TRUE(Visible("lblWinner"));
  }
  EXPECT_EQ(TextColor(Board().Label(QStringLiteral("lblRedScore"))),
            TextColor(Board().Label(QStringLiteral("lblRedPenaltyCaption"))));

  Board().mniNewGameClick(nullptr);
  EXPECT_FALSE(Visible("lblWinner"));
  EXPECT_TRUE(Visible("lblRoundState"));
  EXPECT_EQ(TextColor(BlueScore), PlayerColor);
}

}  // namespace
