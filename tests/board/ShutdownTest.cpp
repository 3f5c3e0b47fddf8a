// Closing the real scoreboard while its real clock thread runs: in the round,
// paused, in injury time and in the break, with electronic scoring polling
// SDL virtual gamepads. The window must go, the clock thread must be gone by
// then, and nothing may hang.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <optional>

#include "clock/RoundFlow.h"
#include "clock/TimerThread.h"
#include "input/Judges.h"
#include "match/Match.h"
#include "model/BoardLight.h"
#include "model/ScoreManager.h"
#include "platform/Joystick.h"
#include "platform/TimeSource.h"
#include "support/core/VirtualGamepads.h"
#include "support/ui/BoardFixture.h"

namespace {

constexpr int RedOne = 5;  // R1's default
constexpr int Judges = 3;
constexpr int WaitMs = 10000;
// Each case closes this many boards, each with its own clock run.
constexpr int Repeats = 4;

enum class TPhase { Round, Paused, Injury, Break };
enum class TCloseBy { CtrlX, ExitEntry, Close };

const char* PhaseName(TPhase Phase) {
  switch (Phase) {
    case TPhase::Round:
      return "Round";
    case TPhase::Paused:
      return "Paused";
    case TPhase::Injury:
      return "Injury";
    case TPhase::Break:
      return "Break";
  }
  return "";
}

const char* CloseName(TCloseBy CloseBy) {
  switch (CloseBy) {
    case TCloseBy::CtrlX:
      return "CtrlX";
    case TCloseBy::ExitEntry:
      return "ExitEntry";
    case TCloseBy::Close:
      return "Close";
  }
  return "";
}

// Threads of this process that carry the clock's name.
int ClockThreads() {
  const QDir Tasks(QStringLiteral("/proc/self/task"));
  int Count = 0;
  for (const QString& Task : Tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile Comm(Tasks.filePath(Task + QStringLiteral("/comm")));
    if (Comm.open(QIODevice::ReadOnly) && Comm.readAll().trimmed() == TTimerThread::ThreadName) {
      ++Count;
    }
  }
  return Count;
}

QString LabelText(TfrmDorvane& Board, const char* Name) {
  const QLabel* Label = Board.Label(QLatin1String(Name));
  return Label ? Label->text() : QString();
}

class ShutdownTest : public TBoardFixture,
                     public testing::WithParamInterface<std::tuple<TPhase, TCloseBy>> {
 protected:
  ShutdownTest() {
    SetTimeSource(nullptr);
    SetJoystickApi(nullptr);
    FPads.emplace(Judges, 12);
    FConfig.UseElectronicScoring = true;
    FConfig.InjuryTime = 45;
    FConfig.CoachTime = 60;
    // The board is destroyed by the test, not by the end of an event loop.
    QApplication::setQuitOnLastWindowClosed(false);
  }
  ~ShutdownTest() override { QApplication::setQuitOnLastWindowClosed(true); }

  // A board that deletes itself when closed, and its match after it, as
  // main() ends the program then.
  QPointer<TfrmDorvane> OpenBoard() {
    auto* Match = new TMatch(FConfig);
    auto* Board = new TfrmDorvane(FConfig, *Match);
    QObject::connect(Board, &QObject::destroyed, [Match] { delete Match; });
    Board->setAttribute(Qt::WA_DeleteOnClose);
    Board->show();
    QApplication::setActiveWindow(Board);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Board));
    return Board;
  }

  // Judges 1 and 2 give red one point: it reaches the board only through the
  // clock's poll and its hand-off of the poll's end.
  void ScoreThroughTheClock(TfrmDorvane& Board) {
    FPads->Press(0, RedOne);
    FPads->Press(1, RedOne);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Board.ScoreMgr().RedScore() == 1; }, WaitMs));
  }

  // Returns once the clock thread is seen working in Phase.
  void EnterPhase(TfrmDorvane& Board, TPhase Phase) {
    switch (Phase) {
      case TPhase::Round:
        break;
      case TPhase::Paused:
        QTest::keyClick(&Board, Qt::Key_P, Qt::ControlModifier);
        ASSERT_EQ(LabelText(Board, "lblRoundState"), QStringLiteral("Pause"));
        // Only the paused clock's poll can light judge 3 now.
        FPads->Press(2, RedOne);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return Board.RedLight(3).LightColor() == FConfig.OnePointColor; }, WaitMs));
        break;
      case TPhase::Injury:
        QTest::keyClick(&Board, Qt::Key_I, Qt::ControlModifier);
        ASSERT_EQ(LabelText(Board, "lblRoundState"), QStringLiteral("Injury"));
        // Injury ticks carry the injury time left.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return LabelText(Board, "lblCountDown").startsWith(QStringLiteral("0:4")); },
            WaitMs));
        break;
      case TPhase::Break:
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return LabelText(Board, "lblRoundState") == QStringLiteral("Between rounds"); },
            WaitMs));
        break;
    }
  }

  static void Close(TfrmDorvane& Board, TCloseBy CloseBy) {
    switch (CloseBy) {
      case TCloseBy::CtrlX:
        QTest::keyClick(&Board, Qt::Key_X, Qt::ControlModifier);
        break;
      case TCloseBy::ExitEntry:
        for (QAction* Entry : Board.PopupMenu()->actions()) {
          if (Entry->statusTip() == QStringLiteral("Exit")) Entry->trigger();
        }
        break;
      case TCloseBy::Close:
        Board.close();
        break;
    }
  }

  void ReleaseAll() {
    for (int Pad = 0; Pad < Judges; ++Pad) FPads->Release(Pad, RedOne);
  }

  std::optional<TVirtualGamepads> FPads;
};

TEST_P(ShutdownTest, ClosingDuringAClockRunEndsTheClockThreadWithTheBoard) {
  const auto [Phase, CloseBy] = GetParam();
  // A short round reaches the break quickly; the others must outlast the test.
  FConfig.RoundTime = Phase == TPhase::Break ? 1 : 60;
  for (int Run = 0; Run < Repeats; ++Run) {
    SCOPED_TRACE(testing::Message() << "run " << Run);
    QPointer<TfrmDorvane> Board = OpenBoard();
    ASSERT_EQ(Board->Judges().Count(), Judges);
    QTest::keyClick(Board.data(), Qt::Key_G, Qt::ControlModifier);
    ASSERT_TRUE(Board->RoundFlow().ClockExists());
    ScoreThroughTheClock(*Board);
    // The thread names itself once it runs; by now it has polled.
    EXPECT_EQ(ClockThreads(), 1);
    EnterPhase(*Board, Phase);
    Close(*Board, CloseBy);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Board.isNull(); }, WaitMs)) << "board not destroyed";
    // The board's end waited for the clock's run; the system thread leaves a moment later.
    ASSERT_TRUE(QTest::qWaitFor([] { return ClockThreads() == 0; }, WaitMs))
        << "clock thread still there";
    ReleaseAll();
  }
  // The clock's late reports find nothing to call back into.
  QCoreApplication::processEvents();
  EXPECT_EQ(FBoxes.Count(), 0) << FBoxes.LastMessage().Text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    AllPhases, ShutdownTest,
    testing::Combine(testing::Values(TPhase::Round, TPhase::Paused, TPhase::Injury, TPhase::Break),
                     testing::Values(TCloseBy::CtrlX, TCloseBy::ExitEntry, TCloseBy::Close)),
    [](const testing::TestParamInfo<ShutdownTest::ParamType>& Info) {
      return std::string(PhaseName(std::get<0>(Info.param))) + "_" +
             CloseName(std::get<1>(Info.param));
    });

}  // namespace
