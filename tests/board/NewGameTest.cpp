#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>

#include "board/NewPlayers.h"
#include "clock/RoundFlow.h"
#include "model/ScoreManager.h"
#include "platform/ProfileFile.h"
#include "platform/ProgramDir.h"
#include "support/ui/BoardFixture.h"
#include "widgets/ColorConversion.h"

namespace {

class NewGameTest : public TBoardFixture {
 protected:
  // Points, penalties and round 3 on the board.
  void PlaySomeMatch() {
    PressKey(Qt::Key_F2);
    PressKey(Qt::Key_F3);
    PressKey(Qt::Key_F7);
    Board().ScoreMgr().SetRound(4);
  }

  void ExpectFreshBoard() {
    EXPECT_EQ(Text("lblRound"), QStringLiteral("1"));
    EXPECT_EQ(Text("lblRedScore"), QStringLiteral("0"));
    EXPECT_EQ(Text("lblBlueScore"), QStringLiteral("0"));
    EXPECT_EQ(Text("lblRedPenalty"), QStringLiteral("0"));
    EXPECT_EQ(Text("lblBluePenalty"), QStringLiteral("0"));
    EXPECT_FALSE(Visible("shpBluePenalty"));
    EXPECT_FALSE(Visible("imgSuddenDeath"));
    EXPECT_EQ(Text("lblRoundState"), QString());
    EXPECT_EQ(Text("lblCountDown"), QStringLiteral("3:00"));
  }

  // Answers the names dialog once its modal loop runs.
  static void WhenNamesDialogShows(std::function<void(TfrmNewPlayers&)> Answer) {
    QTimer::singleShot(0, [Answer] {
      auto* Dialog = qobject_cast<TfrmNewPlayers*>(QApplication::activeModalWidget());
      if (!Dialog) {
        ADD_FAILURE() << "the names dialog is not showing";
        return;
      }
      Answer(*Dialog);
    });
  }
};

TEST_F(NewGameTest, FirstShowStartsAGameWithoutQuestions) {
  WriteSettingsFile(QStringLiteral("[Config]\nQueryB4NewGame=1\nRedPlayer=Kim\nRoundTime=90.5\n"));
  EXPECT_EQ(Text("lblRedPlayerName"), QStringLiteral("Kim"));
  EXPECT_EQ(Text("lblCountDown"), QStringLiteral("1:30"));  // halves to even
  EXPECT_EQ(FBoxes.Count(), 0);
  EXPECT_TRUE(Board().PopupMenu()->actions()[1]->isChecked());
}

TEST_F(NewGameTest, CtrlNResetsTheBoard) {
  WriteSettingsFile(QStringLiteral("[Config]\nRequestNames=0\n"));
  PlaySomeMatch();
  Board().ScoreMgr().SetRoundColor(255);
  PressKey(Qt::Key_N, Qt::ControlModifier);
  ExpectFreshBoard();
  EXPECT_EQ(Board().ScoreMgr().RoundColor(), FConfig.RoundColor);
  EXPECT_EQ(Board().Label(QStringLiteral("lblCountDown"))->palette().color(QPalette::WindowText),
            ToQColor(FConfig.RoundColor));
}

TEST_F(NewGameTest, NoToTheQuestionChangesNothing) {
  WriteSettingsFile(QStringLiteral("[Config]\nQueryB4NewGame=1\n"));
  PlaySomeMatch();
  FBoxes.SetNextAnswer(false);
  PressKey(Qt::Key_N, Qt::ControlModifier);  // no names dialog follows: it would fail the test
  EXPECT_EQ(FBoxes.LastMessage().Kind, TMessageKind::Question);
  EXPECT_EQ(FBoxes.LastMessage().Text, QStringLiteral("Ready to start a new game?"));
  EXPECT_EQ(Text("lblRedScore"), QStringLiteral("1"));
  EXPECT_EQ(Text("lblRound"), QStringLiteral("4"));
}

TEST_F(NewGameTest, YesToTheQuestionStartsTheGame) {
  WriteSettingsFile(QStringLiteral("[Config]\nQueryB4NewGame=1\nRequestNames=0\n"));
  PlaySomeMatch();
  FBoxes.SetNextAnswer(true);
  PressKey(Qt::Key_N, Qt::ControlModifier);
  ExpectFreshBoard();
}

TEST_F(NewGameTest, CancelledNamesDialogKeepsTheNamesAndResets) {
  WriteSettingsFile(QStringLiteral("[Config]\nRedPlayer=Lee\nBluePlayer=Park\n"));
  PlaySomeMatch();
  QString ShownRed;
  WhenNamesDialogShows([&ShownRed](TfrmNewPlayers& Dialog) {
    ShownRed = Dialog.edtRedPlayer->text();
    Dialog.edtRedPlayer->setText(QStringLiteral("Someone else"));
    Dialog.reject();
  });
  PressKey(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(ShownRed, QStringLiteral("Lee"));
  EXPECT_EQ(FConfig.RedPlayer, QStringLiteral("Lee"));
  EXPECT_EQ(Text("lblRedPlayerName"), QStringLiteral("Lee"));
  ExpectFreshBoard();
}

TEST_F(NewGameTest, ConfirmedNamesReachTheBoard) {
  Board();
  WhenNamesDialogShows([](TfrmNewPlayers& Dialog) {
    Dialog.edtRedPlayer->setText(QStringLiteral("Choi "));
    Dialog.edtBluePlayer->setText(QStringLiteral("Jung"));
    Dialog.edtDivision->setText(QStringLiteral("Seniors -68 kg"));
    Dialog.accept();
  });
  PressKey(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(FConfig.RedPlayer, QStringLiteral("Choi "));
  EXPECT_EQ(Text("lblRedPlayerName"), QStringLiteral("Choi "));
  EXPECT_EQ(Text("lblBluePlayerName"), QStringLiteral("Jung"));
  EXPECT_EQ(Text("lblDivision"), QStringLiteral("Seniors -68 kg"));
}

TEST_F(NewGameTest, NothingHappensWhileAClockRuns) {
  WriteSettingsFile(QStringLiteral("[Config]\nQueryB4NewGame=1\n"));
  PressKey(Qt::Key_F2);
  PressKey(Qt::Key_G, Qt::ControlModifier);
  ASSERT_TRUE(Board().RoundFlow().ClockExists());
  PressKey(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(FBoxes.Count(), 0);
  EXPECT_EQ(Text("lblRedScore"), QStringLiteral("1"));
  EXPECT_FALSE(Board().PopupMenu()->actions()[0]->isEnabled());
}

TEST_F(NewGameTest, RecordsTheNewMatchSeparator) {
  WriteSettingsFile(
      QStringLiteral("[Config]\nSaveInput=1\nSaveScores=0\nSaveFileName=cup\nRequestNames=0\n"));
  Board();
  PressKey(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(RecordFileText().count(QStringLiteral("NEW MATCH")), 2);
}

TEST_F(NewGameTest, RequestNamesIsKeptInTheSettingsFile) {
  WriteSettingsFile(QStringLiteral("[Config]\nRequestNames=0\n"));
  QAction* Entry = Board().PopupMenu()->actions()[1];
  EXPECT_FALSE(Entry->isChecked());
  Entry->trigger();
  EXPECT_TRUE(Entry->isChecked());
  EXPECT_EQ(ReadProfileString(SettingsFilePath(), "Config", "RequestNames", "?"), "1");
  Entry->trigger();
  EXPECT_EQ(ReadProfileString(SettingsFilePath(), "Config", "RequestNames", "?"), "0");
}

TEST_F(NewGameTest, AnUnwritableSettingsFileShowsTheError) {
  Board();
  // Root may write any file, so the settings file is made a folder.
  ASSERT_TRUE(QDir(FDir.path()).mkdir(QStringLiteral("Dorvane.INI")));
  QAction* Entry = Board().PopupMenu()->actions()[1];
  Entry->trigger();
  EXPECT_EQ(FBoxes.LastMessage().Kind, TMessageKind::Error);
  EXPECT_EQ(
      FBoxes.LastMessage().Text,
      QStringLiteral("Unable to write to %1.").arg(QDir::toNativeSeparators(SettingsFilePath())));
  EXPECT_FALSE(Entry->isChecked());  // keeps its new state
}

}  // namespace
