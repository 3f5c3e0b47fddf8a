#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include "board/BoardPlacement.h"
#include "board/OperatorConsole.h"
#include "platform/ProfileFile.h"
#include "platform/ProgramDir.h"
#include "support/ui/BoardFixture.h"
#include "support/ui/OffscreenScreens.h"

namespace {

struct TChoiceCase {
  const char* Name;
  std::optional<int> CommandLine;
  const char* Setting;  // BoardScreen's text in [Config], or null for none
  std::optional<int> Expected;
};

const TChoiceCase ChoiceCases[] = {
    {"Nothing", std::nullopt, nullptr, std::nullopt},
    {"Setting", std::nullopt, "1", 1},
    {"SettingZeroIsThePrimary", std::nullopt, "0", std::nullopt},
    {"CommandLineWins", 2, "1", 2},
    {"CommandLineZero", 0, "1", 0},
    {"NotANumber", std::nullopt, "left", std::nullopt},
    {"Negative", std::nullopt, "-1", std::nullopt},
};

class ChosenScreen : public TBoardFixture, public testing::WithParamInterface<TChoiceCase> {};

TEST_P(ChosenScreen, CommandLineThenSetting) {
  const TChoiceCase& Case = GetParam();
  if (Case.Setting) {
    WriteSettingsFile(QStringLiteral("[Config]\nBoardScreen=%1\n").arg(Case.Setting));
  }
  EXPECT_EQ(ChosenBoardScreen(Case.CommandLine), Case.Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChosenScreen, testing::ValuesIn(ChoiceCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

class BoardScreensTest : public TBoardFixture {
 protected:
  BoardScreensTest() { FScreens.Add(QStringLiteral("Projector"), QRect(800, 0, 1280, 720)); }
  QScreen* Projector() const {
    for (QScreen* Screen : QGuiApplication::screens())
      if (Screen->name() == QLatin1String("Projector")) return Screen;
    return nullptr;
  }
  // The board fills Screen, as the audience sees it.
  void ExpectBoardFills(QScreen* Screen) {
    ASSERT_NE(Screen, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Board().geometry() == Screen->availableGeometry(); }))
        << "board at " << Board().geometry().x() << "," << Board().geometry().y() << " "
        << Board().width() << "x" << Board().height();
    EXPECT_EQ(Board().screen(), Screen);
  }
  TOffscreenScreens FScreens;
};

TEST_F(BoardScreensTest, TheBoardFollowsItsScreenAwayAndBack) {
  ASSERT_EQ(QGuiApplication::screens().size(), 2);
  Board().ShowOnScreen(1, false);
  ExpectBoardFills(Projector());
  FScreens.Remove(QStringLiteral("Projector"));
  ExpectBoardFills(QGuiApplication::primaryScreen());
  EXPECT_TRUE(Board().isVisible());
  FScreens.Add(QStringLiteral("Projector"), QRect(800, 0, 1280, 720));
  ExpectBoardFills(Projector());
}

TEST_F(BoardScreensTest, BoardScreenMenuListsTheScreensAndMovesTheBoard) {
  Board().ShowOnScreen(std::nullopt, false);
  ExpectBoardFills(QGuiApplication::primaryScreen());
  auto* Screens = Board().PopupMenu()->findChild<QMenu*>(QStringLiteral("mnuBoardScreen"));
  ASSERT_NE(Screens, nullptr);
  emit Screens->aboutToShow();
  QStringList Captions;
  for (QAction* Entry : Screens->actions()) Captions << Entry->text();
  ASSERT_EQ(Captions.size(), 2);
  EXPECT_EQ(Captions[1], QStringLiteral("Projector (1280 × 720)"));
  EXPECT_TRUE(Screens->actions()[0]->isChecked());
  Screens->actions()[1]->trigger();
  ExpectBoardFills(Projector());
  EXPECT_EQ(Board().ChosenScreen(), 1);
}

TEST_F(BoardScreensTest, TheConsoleOpensOnTheOtherScreen) {
  Board().ShowOnScreen(1, false);
  EXPECT_EQ(ConsoleScreen(Projector()), QGuiApplication::primaryScreen());
  EXPECT_EQ(ConsoleScreen(QGuiApplication::primaryScreen()), Projector());
  FScreens.Remove(QStringLiteral("Projector"));
  EXPECT_EQ(ConsoleScreen(QGuiApplication::primaryScreen()), QGuiApplication::primaryScreen())
      << "one screen: the console shares it";
}

}  // namespace
