#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "board/BoardPreview.h"
#include "board/OperatorConsole.h"
#include "clock/RoundFlow.h"
#include "clock/TimerThread.h"
#include "input/Judges.h"
#include "model/ScoreManager.h"
#include "platform/TimeSource.h"
#include "support/core/VirtualGamepads.h"
#include "support/ui/BoardFixture.h"

namespace {

class OperatorConsoleTest : public TBoardFixture {
 protected:
  ~OperatorConsoleTest() override { FConsole.reset(); }
  TfrmConsole& Console() {
    if (!FConsole) {
      FConsole = std::make_unique<TfrmConsole>(Board(), Match());
      FConsole->show();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(FConsole.get()));
    }
    return *FConsole;
  }
  // Keys as the operator types them into Window, the active one.
  void PressIn(QWidget& Window, Qt::Key Key, Qt::KeyboardModifiers Modifiers) {
    QApplication::setActiveWindow(&Window);
    QTest::keyClick(&Window, Key, Modifiers);
  }
  // A round played and stopped: a match is running.
  void StartAndStopARound() {
    Match().StartRound();
    Match().StopRound();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Match().RoundFlow().ClockExists(); }));
    ASSERT_TRUE(Match().InProgress());
  }
  std::unique_ptr<TfrmConsole> FConsole;
};

TEST_F(OperatorConsoleTest, TheBoardShowsOnlyTheBoardWhileTheConsoleIsUp) {
  const QList<QPushButton*> Buttons =
      Board().findChildren<QPushButton*>();
  ASSERT_FALSE(Buttons.isEmpty());
  for (QPushButton* Button : Buttons) EXPECT_TRUE(Button->isVisible()) << "one screen: as ever";
  Console();
  for (QPushButton* Button : Buttons) {
    EXPECT_FALSE(Button->isVisible()) << Button->objectName().toStdString();
  }
  QTest::mouseClick(Board().Label(QStringLiteral("lblRedScore")), Qt::RightButton);
  EXPECT_FALSE(Board().PopupMenu()->isVisible()) << "no menu for the audience";
  // The board's menu is the console's menu bar entry.
  ASSERT_FALSE(Console().menuBar()->actions().isEmpty());
  EXPECT_EQ(Console().menuBar()->actions()[0]->menu(), Board().PopupMenu());
  // Errors and questions open over the console.
  EXPECT_EQ(Board().OperatorWindow(), &Console());
  FConsole.reset();
  for (QPushButton* Button : Buttons) EXPECT_TRUE(Button->isVisible());
}

// What the match holds after a command, as far as the commands change it.
struct TMatchState {
  int32_t RedScore;
  double RedPenalty;
  int32_t BlueScore;
  double BluePenalty;
  bool ClockExists;
  TClockState State;  // when the clock exists
  QString ClockText;
  bool operator==(const TMatchState&) const = default;
};

void PrintTo(const TMatchState& S, std::ostream* Out) {
  *Out << S.RedScore << "/" << S.RedPenalty << " " << S.BlueScore << "/" << S.BluePenalty
       << " clock " << S.ClockExists << ":" << int(S.State) << " " << S.ClockText.toStdString();
}

struct TKey {
  Qt::Key Key;
  Qt::KeyboardModifiers Modifiers = Qt::NoModifier;
};

struct TCommandCase {
  const char* Name;
  std::vector<TKey> Keys;
  TMatchState Expected;
};

constexpr auto Shift = Qt::ShiftModifier;
constexpr auto Ctrl = Qt::ControlModifier;

const TCommandCase CommandCases[] = {
    {"RedPoint", {{Qt::Key_F2}}, {1, 0, 0, 0, false, csEnded, "3:00"}},
    {"RedPointBack", {{Qt::Key_F2}, {Qt::Key_F2, Shift}}, {0, 0, 0, 0, false, csEnded, "3:00"}},
    {"RedDeduction", {{Qt::Key_F3}}, {0, 1, 0, 0, false, csEnded, "3:00"}},
    {"RedWarning", {{Qt::Key_F4}}, {0, 0.5, 0, 0, false, csEnded, "3:00"}},
    {"BluePoint", {{Qt::Key_F5}}, {0, 0, 1, 0, false, csEnded, "3:00"}},
    {"BlueDeductionBack",
     {{Qt::Key_F6}, {Qt::Key_F6, Shift}},
     {0, 0, 0, 0, false, csEnded, "3:00"}},
    {"BlueWarning", {{Qt::Key_F7}}, {0, 0, 0, 0.5, false, csEnded, "3:00"}},
    {"Start", {{Qt::Key_G, Ctrl}}, {0, 0, 0, 0, true, csRunning, "3:00"}},
    {"Pause", {{Qt::Key_G, Ctrl}, {Qt::Key_P, Ctrl}}, {0, 0, 0, 0, true, csPaused, "3:00"}},
    {"Injury", {{Qt::Key_G, Ctrl}, {Qt::Key_I, Ctrl}}, {0, 0, 0, 0, true, csInjury, "3:00"}},
    {"ClockMinus", {{Qt::Key_Down, Ctrl}}, {0, 0, 0, 0, false, csEnded, "2:59"}},
    {"ClockPlusAtFullTime", {{Qt::Key_Up, Ctrl}}, {0, 0, 0, 0, false, csEnded, "3:00"}},
    {"PausedClockPlus",
     {{Qt::Key_G, Ctrl},
      {Qt::Key_P, Ctrl},
      {Qt::Key_Down, Ctrl},
      {Qt::Key_Down, Ctrl},
      {Qt::Key_Up, Ctrl}},
     {0, 0, 0, 0, true, csPaused, "2:59"}},
    {"NewGame",
     {{Qt::Key_F2}, {Qt::Key_F7}, {Qt::Key_N, Ctrl}},
     {0, 0, 0, 0, false, csEnded, "3:00"}},
};

// The same keys typed into the board or into the console change the match the same way.
class CommandsInBothWindows
    : public OperatorConsoleTest,
      public testing::WithParamInterface<std::tuple<TCommandCase, bool /* in the console */>> {};

TEST_P(CommandsInBothWindows, ChangeTheMatchTheSameWay) {
  WriteSettingsFile(QStringLiteral("[Config]\nRequestNames=0\n"));
  const auto& [Case, InConsole] = GetParam();
  QWidget& Window = InConsole ? static_cast<QWidget&>(Console()) : Board();
  Console();  // the console is up either way: the board's keys stay active
  for (const TKey& Key : Case.Keys) PressIn(Window, Key.Key, Key.Modifiers);
  TDorvaneMgr& Mgr = Match().ScoreMgr();
  const TRoundFlow::TClockReading Clock = Match().RoundFlow().ClockReading();
  const TMatchState State{Mgr.RedScore(),      Mgr.RedPenalty(),
                          Mgr.BlueScore(),     Mgr.BluePenalty(),
                          Clock.Exists,        Clock.Exists ? Clock.State : csEnded,
                          Text("lblCountDown")};
  EXPECT_EQ(State, Case.Expected);
  Match().RoundFlow().StopClock();
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandsInBothWindows,
                         testing::Combine(testing::ValuesIn(CommandCases), testing::Bool()),
                         [](const auto& Info) {
                           return std::string(std::get<0>(Info.param).Name) +
                                  (std::get<1>(Info.param) ? "InConsole" : "OnBoard");
                         });

TEST_F(OperatorConsoleTest, EveryButtonRunsTheBoardsCommand) {
  int Buttons = 0;
  for (int Command = 0; Command < TfrmDorvane::CommandCount; ++Command) {
    const auto Id = static_cast<TfrmDorvane::TCommand>(Command);
    QPushButton* Button = Console().Button(Id);
    if (!Button) continue;
    ++Buttons;
    QSignalSpy Triggered(Board().CommandAction(Id), &QAction::triggered);
    Button->setEnabled(true);
    QTest::mouseClick(Button, Qt::LeftButton);
    EXPECT_EQ(Triggered.count(), 1) << Button->text().toStdString();
    Match().RoundFlow().StopClock();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Match().RoundFlow().ClockExists(); }));
  }
  EXPECT_EQ(Buttons, 19) << "12 score keys, 4 clock keys, 2 corrections and new game";
}

TEST_F(OperatorConsoleTest, PreviewDrawsTheBoardItself) {
  Board().resize(800, 450);
  Console().resize(900, 800);
  PressIn(Console(), Qt::Key_F2, Qt::NoModifier);
  const QImage Preview = Console().Preview().grab().toImage();
  const QRect Area = Console().Preview().BoardArea();
  ASSERT_FALSE(Area.isEmpty());
  // The red score's digit is drawn in red inside the preview's board area.
  int RedPixels = 0;
  for (int Y = Area.top(); Y < Area.bottom(); Y += 2) {
    for (int X = Area.left(); X < Area.left() + Area.width() / 2; X += 2) {
      const QColor Pixel = Preview.pixelColor(X, Y);
      if (Pixel.red() > 200 && Pixel.green() < 60 && Pixel.blue() < 60) ++RedPixels;
    }
  }
  EXPECT_GT(RedPixels, 50);
}

TEST_F(OperatorConsoleTest, StatusShowsTheClockTheRecordAndThePads) {
  WriteSettingsFile(QStringLiteral("[Config]\nSaveInput=1\nSaveFileName=cup\n"));
  Console();
  PressIn(Console(), Qt::Key_G, Qt::ControlModifier);
  PressIn(Console(), Qt::Key_P, Qt::ControlModifier);
  // The status lines follow at the console's next refresh.
  EXPECT_TRUE(QTest::qWaitFor(
      [this] { return Console().ClockStatus().startsWith(QStringLiteral("Clock: paused")); }, 5000))
      << Console().ClockStatus().toStdString();
  EXPECT_EQ(Console().RecordStatus(), QStringLiteral("Record: cup.txt, writing"));
  EXPECT_EQ(Console().JudgesStatus(), QStringLiteral("Judges: no pads"));
}

// Two SDL virtual pads seen by a running round with electronic scoring.
TEST_F(OperatorConsoleTest, JudgesLinesShowThePadsAndTheirLastPress) {
  SetTimeSource(nullptr);
  SetJoystickApi(nullptr);
  TVirtualGamepads Pads(2, 12);
  FConfig.UseElectronicScoring = true;
  constexpr int RedOne = 5;  // R1's default
  Board();
  EXPECT_EQ(Console().JudgesStatus().count(QStringLiteral(", connected, last press none")), 2)
      << Console().JudgesStatus().toStdString();
  PressIn(Console(), Qt::Key_G, Qt::ControlModifier);
  for (int Pad : {0, 1}) Pads.Press(Pad, RedOne);
  EXPECT_TRUE(QTest::qWaitFor(
      [this] {
        const QString Lines = Console().JudgesStatus();
        return Lines.count(QStringLiteral(", connected, last press ")) == 2 &&
               !Lines.contains(QStringLiteral("last press none"));
      },
      5000))
      << Console().JudgesStatus().toStdString();
  for (int Pad : {0, 1}) Pads.Release(Pad, RedOne);
  Match().StopRound();
  EXPECT_TRUE(QTest::qWaitFor([this] { return !Match().RoundFlow().ClockExists(); }, 10000));
}

TEST_F(OperatorConsoleTest, ClockStatusShowsTheTimeFromTheStart) {
  Board();
  EXPECT_EQ(Console().ClockStatus(), QStringLiteral("Clock: stopped, 3:00"));
}

TEST_F(OperatorConsoleTest, ClockCorrectionIsRecordedOnlyWhenItMovesTheClock) {
  WriteSettingsFile(QStringLiteral("[Config]\nSaveInput=1\nSaveFileName=cup\n"));
  PressIn(Console(), Qt::Key_Up, Qt::ControlModifier);    // a full round: no room
  PressIn(Console(), Qt::Key_Down, Qt::ControlModifier);  // 2:59
  PressIn(Board(), Qt::Key_Up, Qt::ControlModifier);      // back to 3:00
  const QString Record = RecordFileText();
  EXPECT_EQ(Record.count(QStringLiteral(",keyboard,clock -1 s")), 1) << Record.toStdString();
  EXPECT_EQ(Record.count(QStringLiteral(",keyboard,clock +1 s")), 1);
  EXPECT_EQ(Text("lblCountDown"), QStringLiteral("3:00"));
}

// ---- The questions ----

TEST_F(OperatorConsoleTest, NewGameFromTheConsoleAsksOnceWhileAMatchRuns) {
  WriteSettingsFile(QStringLiteral("[Config]\nRequestNames=0\nQueryB4NewGame=1\n"));
  Console();
  PressIn(Console(), Qt::Key_F2, Qt::NoModifier);
  StartAndStopARound();
  FBoxes.Clear();
  FBoxes.SetNextAnswer(false);
  PressIn(Console(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(FBoxes.Count(), 1);
  EXPECT_EQ(FBoxes.LastMessage().Text, QStringLiteral("A match is running. Start a new game?"));
  EXPECT_EQ(Match().ScoreMgr().RedScore(), 1) << "No keeps the match";
  FBoxes.SetNextAnswer(true);
  PressIn(Console(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(FBoxes.Count(), 2) << "asked once, not also 'Ready to start a new game?'";
  EXPECT_EQ(Match().ScoreMgr().RedScore(), 0);
  EXPECT_FALSE(Match().InProgress());
}

TEST_F(OperatorConsoleTest, NewGameBeforeAnyRoundAsksNothingExtra) {
  WriteSettingsFile(QStringLiteral("[Config]\nRequestNames=0\n"));
  PressIn(Console(), Qt::Key_F2, Qt::NoModifier);
  PressIn(Console(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(FBoxes.Count(), 0);
  EXPECT_EQ(Match().ScoreMgr().RedScore(), 0);
}

TEST_F(OperatorConsoleTest, ExitFromTheConsoleAsksWhileAMatchRuns) {
  Console();
  StartAndStopARound();
  FBoxes.SetNextAnswer(false);
  PressIn(Console(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(FBoxes.LastMessage().Text, QStringLiteral("A match is running. Exit Dorvane?"));
  EXPECT_TRUE(Board().isVisible());
  EXPECT_TRUE(Console().isVisible());
  FBoxes.SetNextAnswer(true);
  PressIn(Console(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_FALSE(Board().isVisible());
  EXPECT_TRUE(QTest::qWaitFor([this] { return !Console().isVisible(); }))
      << "both windows close together";
  EXPECT_EQ(FBoxes.Count(), 2) << "the console follows the board without a question";
}

TEST_F(OperatorConsoleTest, TheBoardsOwnCtrlXClosesAtOnce) {
  Console();
  StartAndStopARound();
  FBoxes.Clear();
  PressIn(Board(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(FBoxes.Count(), 0);
  EXPECT_FALSE(Board().isVisible());
  EXPECT_TRUE(QTest::qWaitFor([this] { return !Console().isVisible(); }));
}

TEST_F(OperatorConsoleTest, ClosingTheConsoleAloneAsks) {
  Console();
  FBoxes.SetNextAnswer(false);
  EXPECT_FALSE(Console().close());
  EXPECT_EQ(FBoxes.LastMessage().Text,
            QStringLiteral("The board cannot be driven without the console. Close both windows?"));
  EXPECT_TRUE(Board().isVisible());
  FBoxes.SetNextAnswer(true);
  EXPECT_TRUE(Console().close());
  EXPECT_FALSE(Board().isVisible());
  EXPECT_EQ(FBoxes.Count(), 2);
}

}  // namespace
