#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include "board/BoardPlacement.h"
#include "platform/ProgramDir.h"
#include "platform/UserFolders.h"
#include "support/ui/BoardFixture.h"

namespace {

TEST(BoardScreen, NumberedScreenOrThePrimary) {
  QScreen* Primary = QGuiApplication::primaryScreen();
  ASSERT_NE(Primary, nullptr);
  EXPECT_EQ(BoardScreen(std::nullopt), Primary);
  EXPECT_EQ(BoardScreen(0), Primary);
  const int Count = static_cast<int>(QGuiApplication::screens().size());
  EXPECT_EQ(BoardScreen(Count - 1), QGuiApplication::screens().last());
  EXPECT_EQ(BoardScreen(Count), Primary);
  EXPECT_EQ(BoardScreen(-1), Primary);
}

class BoardPlacementTest : public TBoardFixture {
 protected:
  ~BoardPlacementTest() override { ForgetUserFolders(); }
  TfrmDorvane& Shown(bool Windowed) {
    FPlaced.reset();  // the board goes before the match it shows
    FPlacedMatch = std::make_unique<TMatch>(FConfig);
    FPlaced = std::make_unique<TfrmDorvane>(FConfig, *FPlacedMatch);
    FPlaced->ShowOn(BoardScreen(0), Windowed);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(FPlaced.get()));
    return *FPlaced;
  }
  QAction* MenuEntry(TfrmDorvane& Board, const QString& Caption) {
    for (QAction* Entry : Board.PopupMenu()->actions())
      if (Entry->text() == Caption) return Entry;
    return nullptr;
  }
  std::unique_ptr<TMatch> FPlacedMatch;
  std::unique_ptr<TfrmDorvane> FPlaced;
};

TEST_F(BoardPlacementTest, FullScreenBoardIsFramelessOverTheScreen) {
  TfrmDorvane& Board = Shown(false);
  EXPECT_TRUE(Board.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(Board.geometry(), BoardScreen(0)->availableGeometry());
}

TEST_F(BoardPlacementTest, WindowedBoardHasAFrameAndTheDesignSize) {
  TfrmDorvane& Board = Shown(true);
  EXPECT_FALSE(Board.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(Board.size(), QSize(TfrmDorvane::DesignWidth, TfrmDorvane::DesignHeight));
  EXPECT_NE(Board.geometry(), BoardScreen(0)->availableGeometry());
}

TEST_F(BoardPlacementTest, InstalledCopyOffersNoSelfUpdate) {
  const QString Caption = QStringLiteral("Check for updates ...");
  ASSERT_NE(MenuEntry(Shown(false), Caption), nullptr);
  EXPECT_TRUE(MenuEntry(*FPlaced, Caption)->isVisible());
  UseUserFolders({SettingsFilePath(), DataDir(), true});
  EXPECT_FALSE(MenuEntry(Shown(false), Caption)->isVisible());
}

}  // namespace
