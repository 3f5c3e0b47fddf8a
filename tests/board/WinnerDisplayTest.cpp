// The decided match on the real board: both scores stay numbers, the winner
// is named in the state line's place, the winner's score blinks in colour.

#include <QLabel>
#include <QTest>
#include <vector>

#include "match/Match.h"
#include "model/ScoreManager.h"
#include "support/ui/BoardFixture.h"

namespace {

QColor TextColor(const QLabel* Label) { return Label->palette().color(QPalette::WindowText); }

struct TWinnerCase {
  const char* Name;
  // The sides that retire, in order: the last one's opponent wins.
  std::vector<TSide> Retiring;
};

class WinnerDisplayTest : public TBoardFixture, public testing::WithParamInterface<TWinnerCase> {};

TEST_P(WinnerDisplayTest, TheWinnerIsNamedAndBothScoresStayReadable) {
  FConfig.RedPlayer = QStringLiteral("Kim Tae-hun");
  FConfig.BluePlayer = QStringLiteral("Lee Dae-hoon");
  TDorvaneMgr& Mgr = Board().ScoreMgr();
  Mgr.SetRedScore(7);
  Mgr.SetBlueScore(12);
  const TSide Winner = OpponentOf(GetParam().Retiring.back());
  const QString Colour = Winner == TSide::Red ? QStringLiteral("Red") : QStringLiteral("Blue");
  const QString Other = Winner == TSide::Red ? QStringLiteral("Blue") : QStringLiteral("Red");
  const QLabel* WinnerScore = Board().Label(QStringLiteral("lbl%1Score").arg(Colour));
  const QLabel* LoserScore = Board().Label(QStringLiteral("lbl%1Score").arg(Other));
  const QColor PlayerColor = TextColor(WinnerScore);
  const QColor LoserColor = TextColor(LoserScore);
  const QColor NameColor = TextColor(Board().Label(QStringLiteral("lblRoundHeader")));
  ASSERT_NE(PlayerColor, NameColor);
  ASSERT_NE(LoserColor, NameColor);

  for (const TSide Side : GetParam().Retiring) Match().Retire(Side);
  EXPECT_TRUE(Visible("lblWinner"));
  EXPECT_FALSE(Visible("lblRoundState"));
  EXPECT_EQ(Text("lblWinner"), (Winner == TSide::Red ? FConfig.RedPlayer : FConfig.BluePlayer) +
                                   QStringLiteral(" wins"));
  // Both phases of the blink show the numbers; only the winner's colour
  // changes, and a former winner's score keeps its player colour.
  for (const QColor& Phase : {NameColor, PlayerColor, NameColor}) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return TextColor(WinnerScore) == Phase; }, 2000));
    EXPECT_EQ(Text("lblBlueScore"), QStringLiteral("12"));
    EXPECT_EQ(Text("lblRedScore"), QStringLiteral("7"));
    EXPECT_TRUE(Visible("lblWinner"));
    EXPECT_EQ(TextColor(LoserScore), LoserColor);
  }

  Board().mniNewGameClick(nullptr);
  EXPECT_FALSE(Visible("lblWinner"));
  EXPECT_TRUE(Visible("lblRoundState"));
  EXPECT_EQ(TextColor(WinnerScore), PlayerColor);
  EXPECT_EQ(TextColor(LoserScore), LoserColor);
}

INSTANTIATE_TEST_SUITE_P(
    Retirements, WinnerDisplayTest,
    testing::Values(TWinnerCase{"RedRetires", {TSide::Red}},
                    // The former winner's score has just been lit in the name colour.
                    TWinnerCase{"BlueThenRedRetire", {TSide::Blue, TSide::Red}},
                    TWinnerCase{"RedThenBlueRetire", {TSide::Red, TSide::Blue}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

}  // namespace
