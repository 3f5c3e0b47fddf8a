#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocalSocket>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "board/AppMessageServer.h"
#include "board/FormResizer.h"
#include "clock/RoundFlow.h"
#include "clock/TimerThread.h"
#include "model/ScoreManager.h"
#include "support/ui/BoardFixture.h"

namespace {

struct TModeCase {
  const char* Name;
  bool PenaltyIncrement;
  bool ShowPenaltyTotal;
  const char* RedScore;
  const char* BlueScore;
  const char* RedCount;
  const char* BlueCount;
};

// Red 2 points and 1.5 penalties, blue 1 point and 2.5 penalties.
const TModeCase ModeCases[] = {
    {"OwnPoints", false, false, "2", "1", "1", "2"},
    {"PenaltyIncrement", true, false, "4", "2", "0", "0"},
    {"PenaltyIncrementWithTotals", true, true, "4", "2", "1", "2"},
};

class DisplayModeTest : public TBoardFixture, public testing::WithParamInterface<TModeCase> {};

TEST_P(DisplayModeTest, ScoresCountsAndMarkers) {
  const TModeCase& Case = GetParam();
  TDorvaneMgr& Mgr = Board().ScoreMgr();
  Mgr.SetPenaltyIncrement(Case.PenaltyIncrement);
  Mgr.SetShowPenaltyTotal(Case.ShowPenaltyTotal);
  Mgr.SetRedScore(2);
  Mgr.SetBlueScore(1);
  Mgr.SetRedPenalty(1.5);
  Mgr.SetBluePenalty(2.5);
  EXPECT_EQ(Text("lblRedScore"), QLatin1String(Case.RedScore));
  EXPECT_EQ(Text("lblBlueScore"), QLatin1String(Case.BlueScore));
  EXPECT_EQ(Text("lblRedPenalty"), QLatin1String(Case.RedCount));
  EXPECT_EQ(Text("lblBluePenalty"), QLatin1String(Case.BlueCount));
  EXPECT_TRUE(Visible("shpRedPenalty"));
  EXPECT_TRUE(Visible("shpBluePenalty"));
  // A reset of the scores redraws everything the same way.
  Mgr.ResetScores();
  EXPECT_EQ(Text("lblRedScore"), QStringLiteral("0"));
  EXPECT_EQ(Text("lblBluePenalty"), QStringLiteral("0"));
  EXPECT_FALSE(Visible("shpRedPenalty"));
}

INSTANTIATE_TEST_SUITE_P(Modes, DisplayModeTest, testing::ValuesIn(ModeCases),
                         [](const testing::TestParamInfo<TModeCase>& Info) {
                           return std::string(Info.param.Name);
                         });

TEST_F(TBoardFixture, PenaltyIncrementShowsTheOpponentsWholePenaltyOnly) {
  TDorvaneMgr& Mgr = Board().ScoreMgr();
  Mgr.SetPenaltyIncrement(true);
  PressKey(Qt::Key_F7);  // a blue warning alone
  EXPECT_EQ(Text("lblRedScore"), QStringLiteral("0"));
  EXPECT_TRUE(Visible("shpBluePenalty"));
  PressKey(Qt::Key_F6);  // and a deduction: 1.5
  EXPECT_EQ(Text("lblRedScore"), QStringLiteral("1"));
  EXPECT_EQ(Mgr.RedScore(), 0);
  EXPECT_EQ(Text("lblBluePenalty"), QStringLiteral("0"));
}

TEST_F(TBoardFixture, HalfPenaltyMarkerFollowsTheTotal) {
  Board();
  PressKey(Qt::Key_F3);
  PressKey(Qt::Key_F4);
  EXPECT_EQ(Text("lblRedPenalty"), QStringLiteral("1"));
  EXPECT_TRUE(Visible("shpRedPenalty"));
  PressKey(Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(Text("lblRedPenalty"), QStringLiteral("0"));
  EXPECT_TRUE(Visible("shpRedPenalty"));
  PressKey(Qt::Key_F4, Qt::ShiftModifier);
  EXPECT_FALSE(Visible("shpRedPenalty"));
  PressKey(Qt::Key_F7);
  PressKey(Qt::Key_F7);
  EXPECT_EQ(Text("lblBluePenalty"), QStringLiteral("1"));
  EXPECT_FALSE(Visible("shpBluePenalty"));
}

TEST_F(TBoardFixture, SuddenDeathPictureShowsAboveTheLastRound) {
  TDorvaneMgr& Mgr = Board().ScoreMgr();
  Mgr.SetRound(4);
  EXPECT_EQ(Text("lblRound"), QStringLiteral("4"));
  EXPECT_TRUE(Visible("imgSuddenDeath"));
  Mgr.SetRound(3);
  EXPECT_FALSE(Visible("imgSuddenDeath"));
}

QStringList EntryCaptions(const QMenu* Menu) {
  QStringList Captions;
  for (const QAction* Entry : Menu->actions()) {
    Captions << (Entry->isSeparator() ? QStringLiteral("-")
                                      : Entry->text().section(QLatin1Char('\t'), 0, 0));
  }
  return Captions;
}

TEST_F(TBoardFixture, RightClickOnAScoreOpensThePopupMenu) {
  QMenu* Menu = Board().PopupMenu();
  QTest::mouseClick(Board().Label("lblBlueScore"), Qt::LeftButton);
  EXPECT_FALSE(Menu->isVisible());
  QTest::mouseClick(Board().Label("lblRedScore"), Qt::RightButton);
  EXPECT_TRUE(Menu->isVisible());
  const QStringList Expected = {"New game",
                                "Request player names",
                                "-",
                                "Start",
                                "Stop",
                                "-",
                                "",  // the "Set round" field
                                "-",
                                "Injury",
                                "Pause",
                                "Clock +1 s",
                                "Clock -1 s",
                                "Red",
                                "Blue",
                                "Blue retires",
                                "Red retires",
                                "-",
                                "Board screen",
                                "Configuration",
                                "Gamepad manager ...",
                                "Judges' report",
                                "-",
                                "Check for updates ...",
                                "Product news ...",
                                "-",
                                "Exit"};
  EXPECT_EQ(EntryCaptions(Menu), Expected);
  const QStringList Red = {"Hong",
                           "Hong",
                           "-",
                           "GAMJEOM",
                           "Red 1 point penalty -",
                           "KYONGGO",
                           "Red half point penalty -"};
  EXPECT_EQ(EntryCaptions(Menu->actions()[12]->menu()), Red);
  Menu->hide();
}

TEST_F(TBoardFixture, CaretButtonAndLightOpenThePopupMenu) {
  auto* Caret = Board().findChild<QPushButton*>(QStringLiteral("btnPopupMenu"));
  ASSERT_NE(Caret, nullptr);
  QTest::mouseClick(Caret, Qt::LeftButton);
  EXPECT_TRUE(Board().PopupMenu()->isVisible());
  Board().PopupMenu()->hide();
  QTest::mouseClick(Board().Element(QStringLiteral("shpB3")), Qt::RightButton);
  EXPECT_TRUE(Board().PopupMenu()->isVisible());
  Board().PopupMenu()->hide();
}

// Types Text into the popup's "Set round" field and confirms it.
void EnterRound(TfrmDorvane& Board, const QString& Text) {
  Board.PopupMenu()->popup(QPoint(10, 10));
  auto* Field = Board.PopupMenu()->findChild<QLineEdit*>(QStringLiteral("mniSetRound"));
  ASSERT_NE(Field, nullptr);
  Field->selectAll();
  QTest::keyClicks(Field, Text);
  QTest::keyClick(Field, Qt::Key_Return);
  Board.PopupMenu()->hide();
}

TEST_F(TBoardFixture, SetRoundWithANonNumberShowsTheErrorAndChangesNothing) {
  EnterRound(Board(), QStringLiteral("abc"));
  EXPECT_EQ(FBoxes.LastMessage().Kind, TMessageKind::Error);
  EXPECT_EQ(FBoxes.LastMessage().Text, QStringLiteral("'abc' is not a valid integer value."));
  EXPECT_EQ(Board().ScoreMgr().Round(), 1);
  EXPECT_EQ(Text("lblRound"), QStringLiteral("1"));
}

TEST_F(TBoardFixture, SetRoundAboveTheLastRoundOpensSuddenDeath) {
  EnterRound(Board(), QStringLiteral("4"));
  EXPECT_EQ(FBoxes.Count(), 0);
  EXPECT_EQ(Text("lblRound"), QStringLiteral("4"));
  EXPECT_TRUE(Visible("imgSuddenDeath"));
}

// The program makes the menu after the board's first paint: a menu made
// once the match has moved on shows it as it stands.
TEST_F(TBoardFixture, AMenuMadeLateShowsTheMatchAsItStands) {
  WriteSettingsFile(QStringLiteral("[Config]\nRequestNames=0\n[Labels]\nInjury=KYESHI\n"));
  Match().SetRound(QStringLiteral("2"));
  PressKey(Qt::Key_G, Qt::ControlModifier);
  PressKey(Qt::Key_I, Qt::ControlModifier);
  ASSERT_EQ(Board().RoundFlow().ClockReading().State, csInjury);
  QMenu* Menu = Board().PopupMenu();
  const QList<QAction*> Entries = Menu->actions();
  EXPECT_FALSE(Entries[0]->isEnabled()) << "New game, with a clock";
  EXPECT_FALSE(Entries[1]->isChecked()) << "Request player names";
  EXPECT_FALSE(Entries[3]->isEnabled()) << "Start";
  EXPECT_TRUE(Entries[4]->isEnabled()) << "Stop";
  EXPECT_TRUE(Entries[8]->isChecked()) << "Injury, running";
  EXPECT_EQ(EntryCaptions(Menu)[8], QStringLiteral("KYESHI"));
  EXPECT_EQ(Menu->findChild<QLineEdit*>(QStringLiteral("mniSetRound"))->text(), QStringLiteral("2"));
  // And follows it from there.
  PressKey(Qt::Key_S, Qt::ControlModifier);
  ASSERT_TRUE(QTest::qWaitFor([this] { return !Board().RoundFlow().ClockExists(); }, 10000));
  EXPECT_TRUE(Entries[0]->isEnabled());
  EXPECT_FALSE(Entries[8]->isChecked());
}

struct TLabelsCase {
  const char* Name;
  const char* File;
  const char* Deduction;
  const char* Warning;
  const char* Injury;
  const char* Pause;
};

const TLabelsCase LabelsCases[] = {
    {"NoSection", "", "GAMJEOM", "KYONGGO", "Injury", "Pause"},
    {"Korean", "[Labels]\nInjury=KYESHI\nPause=SHIGAN\n", "GAMJEOM", "KYONGGO", "KYESHI", "SHIGAN"},
    {"EmptyValues", "[Labels]\nDeduction=\nWarning=\n", "", "", "Injury", "Pause"},
};

class LabelsTest : public TBoardFixture, public testing::WithParamInterface<TLabelsCase> {};

TEST_P(LabelsTest, ButtonsAndMenuEntriesTakeTheirCaptions) {
  const TLabelsCase& Case = GetParam();
  WriteSettingsFile(QLatin1String(Case.File));
  QStringList ButtonTexts;
  for (const QPushButton* Button : Board().findChildren<QPushButton*>()) {
    ButtonTexts << Button->text();
  }
  EXPECT_EQ(ButtonTexts.count(QLatin1String(Case.Deduction)), 2 + (*Case.Deduction ? 0 : 2));
  EXPECT_EQ(ButtonTexts.count(QLatin1String(Case.Warning)), 2 + (*Case.Warning ? 0 : 2));
  EXPECT_TRUE(ButtonTexts.contains(QLatin1String(Case.Injury)));
  EXPECT_TRUE(ButtonTexts.contains(QLatin1String(Case.Pause)));
  const QStringList Entries = EntryCaptions(Board().PopupMenu());
  EXPECT_EQ(Entries[8], QLatin1String(Case.Injury));
  EXPECT_EQ(Entries[9], QLatin1String(Case.Pause));
  EXPECT_EQ(Entries[4], QStringLiteral("Stop"));
}

INSTANTIATE_TEST_SUITE_P(Captions, LabelsTest, testing::ValuesIn(LabelsCases),
                         [](const testing::TestParamInfo<TLabelsCase>& Info) {
                           return std::string(Info.param.Name);
                         });

TEST_F(TBoardFixture, VeryLongAndNonLatinNamesShow) {
  FConfig.RedPlayer = QString(10000, QLatin1Char('R'));
  FConfig.BluePlayer = QStringLiteral("김태권 Ωμέγα");
  FConfig.Division = QStringLiteral("Юниоры -63 kg");
  EXPECT_EQ(Text("lblRedPlayerName"), FConfig.RedPlayer);
  EXPECT_EQ(Text("lblBluePlayerName"), FConfig.BluePlayer);
  EXPECT_EQ(Text("lblDivision"), FConfig.Division);
  // Shrunk to stay on the board, the text whole.
  const QLabel* Red = Board().Label(QStringLiteral("lblRedPlayerName"));
  EXPECT_TRUE(Board().rect().contains(Red->geometry()));
  EXPECT_LT(Red->font().pixelSize(), PointsToPixels(16));
}

TEST_F(TBoardFixture, ApplicationMessagesPlayPointCuesOnly) {
  ConfigureCueFiles({"RedPoint", "BluePoint"});
  TfrmDorvane& Window = Board();
  Window.AppMessage(WM_APP_POINT_CUE, 7);
  Window.AppMessage(WM_APP_POINT_CUE, 2);
  Window.AppMessage(WM_APP_POINT_CUE, 3);
  Window.AppMessage(WM_APP_RESIZE, 0);
  EXPECT_EQ(PlayedCues(), (QStringList{"RedPoint", "BluePoint"}));
  EXPECT_EQ(Window.ScoreMgr().RedScore(), 0);
}

TEST_F(TBoardFixture, ApplicationMessagesArriveOnTheLocalSocket) {
  ConfigureCueFiles({"RedPoint"});
  const QString Name = QStringLiteral("DorvaneTest-%1").arg(QCoreApplication::applicationPid());
  ASSERT_TRUE(Board().ListenForAppMessages(Name));
  QLocalSocket Sender;
  Sender.connectToServer(Name);
  ASSERT_TRUE(Sender.waitForConnected(2000));
  Sender.write("101 7\n");
  Sender.flush();
  EXPECT_TRUE(QTest::qWaitFor([this] { return !PlayedCues().isEmpty(); }, 2000));
  EXPECT_EQ(PlayedCues(), QStringList{"RedPoint"});
}

struct TLineCase {
  const char* Line;
  bool Valid;
  uint32_t Message;
  int64_t WParam;
};

TEST(AppMessageLine, ParsesTheTwoMessages) {
  const TLineCase Cases[] = {
      {"100\n", true, WM_APP_RESIZE, 0},
      {"101 7\n", true, WM_APP_POINT_CUE, 7},
      {"101 2", true, WM_APP_POINT_CUE, 2},
      {"101", false, 0, 0},
      {"101 x", false, 0, 0},
      {"102 7", false, 0, 0},
      {"", false, 0, 0},
      {"100 1 2", false, 0, 0},
  };
  for (const TLineCase& Case : Cases) {
    uint32_t Message = 0;
    int64_t WParam = 0;
    EXPECT_EQ(ParseAppMessageLine(QLatin1String(Case.Line), Message, WParam), Case.Valid)
        << Case.Line;
    if (Case.Valid) {
      EXPECT_EQ(Message, Case.Message);
      EXPECT_EQ(WParam, Case.WParam);
    }
  }
}

TEST(ErrorBoxText, AddsAFullStopOnlyWhenMissing) {
  EXPECT_EQ(WithFullStop(QStringLiteral("Unable to write to x")),
            QStringLiteral("Unable to write to x."));
  EXPECT_EQ(WithFullStop(QStringLiteral("Done.")), QStringLiteral("Done."));
}

TEST_F(TBoardFixture, CtrlXClosesWithoutAQuestion) {
  Board();
  PressKey(Qt::Key_X, Qt::ControlModifier);
  EXPECT_FALSE(Board().isVisible());
  EXPECT_EQ(FBoxes.Count(), 0);
}

}  // namespace
