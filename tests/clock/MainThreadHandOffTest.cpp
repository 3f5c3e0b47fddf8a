#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <stdexcept>
#include <thread>

#include "clock/TimerThread.h"
#include "platform/MainThread.h"

namespace {

// Every test leaves the hand-off open, also when it fails half-way.
class MainThreadHandOffTest : public testing::Test {
 protected:
  ~MainThreadHandOffTest() override { ReopenMainThreadHandOff(); }
  QThread* const Main = QThread::currentThread();
};

TEST_F(MainThreadHandOffTest, ManyHandOffsSurviveStateWritesOnTheMainThread) {
  TDorvaneMgr Mgr;
  // Not started: only its State is written, as the window's commands do.
  TTimerThread Clock(Mgr, TClockRun{.RoundTime = 1});
  int Announced = 0;
  Clock.OnStateChange = [&](TTimerThread&, TClockState) { ++Announced; };

  constexpr int HandOffs = 2000;
  int RanOnMain = 0;
  std::atomic<bool> WorkerDone = false;
  std::thread Worker([&] {
    for (int I = 0; I < HandOffs; ++I) {
      RunOnMainThread([&] { RanOnMain += QThread::currentThread() == Main; });
    }
    WorkerDone = true;
  });
  int Writes = 0;
  while (!WorkerDone) {
    Clock.SetState(Writes % 2 ? csPaused : csRunning);
    ++Writes;
    QCoreApplication::processEvents();
  }
  Worker.join();

  EXPECT_EQ(RanOnMain, HandOffs);
  EXPECT_EQ(Announced, Writes);
}

TEST_F(MainThreadHandOffTest, ExceptionReachesTheWaitingWorker) {
  std::string Caught;
  std::atomic<bool> Done = false;
  std::thread Worker([&] {
    try {
      RunOnMainThread([] { throw std::runtime_error("from the main thread"); });
    } catch (const std::runtime_error& E) {
      Caught = E.what();
    }
    Done = true;
  });
  while (!Done) QCoreApplication::processEvents();
  Worker.join();
  EXPECT_EQ(Caught, "from the main thread");
}

TEST_F(MainThreadHandOffTest, ShutdownReleasesABlockedWorkerWithoutRunningItsCall) {
  bool Ran = false;
  std::atomic<bool> Calling = false;
  std::thread Worker([&] {
    Calling = true;
    RunOnMainThread([&] { Ran = true; });
  });
  while (!Calling) std::this_thread::yield();
  ShutdownMainThreadHandOff();
  Worker.join();  // hangs here if the worker stayed blocked

  ReopenMainThreadHandOff();
  QCoreApplication::processEvents();
  EXPECT_FALSE(Ran) << "a call given up at shutdown never runs later";
}

TEST_F(MainThreadHandOffTest, AfterShutdownNothingRuns) {
  ShutdownMainThreadHandOff();
  bool Ran = false;
  RunOnMainThread([&] { Ran = true; });
  PostToMainThread([&] { Ran = true; });
  std::thread Worker([&] { RunOnMainThread([&] { Ran = true; }); });
  Worker.join();
  QCoreApplication::processEvents();
  EXPECT_FALSE(Ran);
}

TEST_F(MainThreadHandOffTest, PostedCallRunsLaterOnTheMainThread) {
  QThread* RanOn = nullptr;
  std::thread Worker([&] { PostToMainThread([&] { RanOn = QThread::currentThread(); }); });
  Worker.join();
  EXPECT_EQ(RanOn, nullptr);
  QCoreApplication::processEvents();
  EXPECT_EQ(RanOn, Main);
}

}  // namespace
