#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <memory>
#include <mutex>

#include "clock/TimerThread.h"
#include "model/Settings.h"
#include "platform/MainThread.h"
#include "platform/TimeSource.h"
#include "support/core/FakeTimeSource.h"

using testing::ElementsAre;

namespace {

// Real thread: the clock counts on its own thread and reports
// through the main thread's event loop.
class ClockThreadTest : public testing::Test {
 protected:
  ~ClockThreadTest() override {
    Clock.reset();
    ReopenMainThreadHandOff();
  }

  void MakeClock(double RoundTime) {
    Clock = std::make_unique<TTimerThread>(Mgr, TClockRun{.RoundTime = RoundTime});
    Clock->OnTick = [this](TTimerThread&, TClockState, double Remaining, double) {
      AllOnMain = AllOnMain && QThread::currentThread() == Main;
      EverRising = EverRising || Remaining > LastRemaining;
      LastRemaining = Remaining;
      ++Ticks;
      if (Ticks == 1) FirstTick.quit();
    };
    Clock->OnStateChange = [this](TTimerThread&, TClockState State) {
      AllOnMain = AllOnMain && QThread::currentThread() == Main;
      States.push_back(State);
    };
    Clock->CuePlayer = [this](const QString& Name) {
      std::lock_guard Lock(CueLock);
      Cues.push_back(Name);
    };
    Clock->OnTerminate = [this](TTimerThread&) { Terminated = true; };
  }

  // Returns when the loop is quit, or fails after a generous limit.
  static void RunUntilQuit(QEventLoop& Loop) {
    bool TimedOut = false;
    QTimer::singleShot(10000, &Loop, [&] {
      TimedOut = true;
      Loop.quit();
    });
    Loop.exec();
    ASSERT_FALSE(TimedOut);
  }

  TTKDConfig Config;
  TDorvaneMgr Mgr;
  QThread* const Main = QThread::currentThread();
  std::unique_ptr<TTimerThread> Clock;
  QEventLoop FirstTick;
  int Ticks = 0;
  double LastRemaining = 1e300;
  bool EverRising = false;
  bool AllOnMain = true;
  bool Terminated = false;
  std::vector<TClockState> States;
  std::mutex CueLock;
  std::vector<QString> Cues;
};

// The clock's time is fake, so the round's length is exact however busy the
// machine is; the thread and the hand-offs are real.
TEST_F(ClockThreadTest, TwoSecondRoundEndsOnTimeAndTheHandlerMayFreeTheClock) {
  TFakeTimeSource Time;
  TFakeTimeScope TimeScope(Time);
  const double Started = Time.Now();
  MakeClock(2.0);
  QEventLoop Ended;
  int ReturnValue = 99;
  Clock->OnTerminate = [&](TTimerThread& Sender) {
    AllOnMain = AllOnMain && QThread::currentThread() == Main;
    ReturnValue = Sender.ReturnValue();
    Clock.reset();
    Ended.quit();
  };
  Clock->Start();
  RunUntilQuit(Ended);
  const double Seconds = (Time.Now() - Started) * SecondsPerDay;

  EXPECT_EQ(Clock, nullptr);
  EXPECT_EQ(ReturnValue, 0);
  EXPECT_THAT(States, ElementsAre(csRunning, csEnded));
  EXPECT_THAT(Cues, ElementsAre("End"));
  EXPECT_TRUE(AllOnMain);
  EXPECT_FALSE(EverRising);
  EXPECT_EQ(Ticks, 4) << "the start, the two new clock texts, the end: not one per pass";
  EXPECT_NEAR(Seconds, 2.0, 0.0005) << "at the deadline";
}

// The clock's time, which counts the journal's alive marks at each sleep of
// the clock: a mark seen sets the file's time back for the next one.
class TMarkCountingTime : public TFakeTimeSource {
 public:
  explicit TMarkCountingTime(QString Path) : FPath(std::move(Path)) {
    QFile File(FPath);
    if (File.open(QIODevice::WriteOnly)) File.write("{}");
    File.close();
    SetLongAgo();
  }
  void Sleep(int Ms) override {
    if (QFileInfo(FPath).lastModified() > LongAgo) {
      ++Marks;
      SetLongAgo();
    }
    TFakeTimeSource::Sleep(Ms);
  }
  std::atomic<int> Marks = 0;

 private:
  void SetLongAgo() {
    QFile File(FPath);
    if (File.open(QIODevice::ReadOnly)) File.setFileTime(LongAgo, QFileDevice::FileModificationTime);
  }
  const QDateTime LongAgo = QDateTime::fromSecsSinceEpoch(1000000000, Qt::UTC);
  const QString FPath;
};

struct TAliveCase {
  const char* Name;
  bool StartPaused;
  int Marks;
};

class ClockAliveMarks : public ClockThreadTest, public testing::WithParamInterface<TAliveCase> {};

// A counting round marks the journal every tenth of a second (the first a
// tenth after the start, none at the end); a paused one does not.
TEST_P(ClockAliveMarks, JournalMarkedAliveWhileTheRoundCounts) {
  QTemporaryDir Dir;
  const QString Journal = Dir.filePath(QStringLiteral("current-match"));
  TMarkCountingTime Time(Journal);
  TFakeTimeScope TimeScope(Time);
  const double StartMs = Time.MonotonicMs();
  Clock = std::make_unique<TTimerThread>(
      Mgr, TClockRun{.RoundTime = 2.0,
                     .StartPaused = GetParam().StartPaused,
                     .AliveMark = QFile::encodeName(Journal)});
  QEventLoop Ended;
  Clock->OnTerminate = [&](TTimerThread&) { Ended.quit(); };
  Clock->Start();
  if (GetParam().StartPaused) {
    // Two seconds of the clock's time standing still, then the stop.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Time.MonotonicMs() >= StartMs + 2000; }));
    Clock->Terminate();
  }
  RunUntilQuit(Ended);
  EXPECT_EQ(Time.Marks, GetParam().Marks);
}

INSTANTIATE_TEST_SUITE_P(Segments, ClockAliveMarks,
                         testing::Values(TAliveCase{"Counting", false, 19},
                                         TAliveCase{"Paused", true, 0}),
                         [](const testing::TestParamInfo<TAliveCase>& Info) {
                           return std::string(Info.param.Name);
                         });

TEST_F(ClockThreadTest, StopEndsTheRunWithMinusOne) {
  MakeClock(60.0);
  QEventLoop Ended;
  int ReturnValue = 99;
  Clock->OnTerminate = [&](TTimerThread& Sender) {
    ReturnValue = Sender.ReturnValue();
    Ended.quit();
  };
  Clock->Start();
  RunUntilQuit(FirstTick);
  Clock->Terminate();
  RunUntilQuit(Ended);
  EXPECT_EQ(ReturnValue, -1);
  EXPECT_THAT(States, ElementsAre(csRunning, csEnded));
}

// Program end: the main thread stops serving hand-offs while the clock may be
// blocked in one; destroying the clock must still return.
TEST_F(ClockThreadTest, ShutdownWhileTheClockWaitsForTheMainThread) {
  MakeClock(60.0);
  Clock->Start();
  RunUntilQuit(FirstTick);
  // The clock now blocks in its next tick: nothing serves the event loop.
  Clock->Terminate();
  ShutdownMainThreadHandOff();
  Clock->WaitForFinish();
  EXPECT_EQ(Clock->ReturnValue(), -1);
  Clock.reset();

  ReopenMainThreadHandOff();
  QCoreApplication::processEvents();
  EXPECT_FALSE(Terminated) << "no end handler after shutdown";
  EXPECT_THAT(States, ElementsAre(csRunning));
}

TEST_F(ClockThreadTest, DestroyingARunningClockOnTheMainThreadDoesNotDeadlock) {
  MakeClock(60.0);
  Clock->Start();
  RunUntilQuit(FirstTick);
  Clock.reset();
  QCoreApplication::processEvents();
  EXPECT_THAT(States, ElementsAre(csRunning, csEnded));
  EXPECT_FALSE(Terminated) << "the end handler of a destroyed clock never runs";
}

}  // namespace
