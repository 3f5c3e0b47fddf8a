// The clock polling real SDL virtual pads on its own thread while the main
// thread looks for new pads, as the board's pad watch does five times a
// second: both take SDL's joystick lock and the pad list's.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>

#include "clock/TimerThread.h"
#include "input/GamepadDevices.h"
#include "model/ScoreManager.h"
#include "support/core/VirtualGamepads.h"

namespace {

// Turns the event loop until Loop is quit; false after a generous limit.
bool RunUntilQuit(QEventLoop& Loop) {
  bool TimedOut = false;
  QTimer::singleShot(10000, &Loop, [&] {
    TimedOut = true;
    Loop.quit();
  });
  Loop.exec();
  return !TimedOut;
}

TEST(ClockPadsThread, AClickReachesTheMainThreadWhileItLooksForNewPads) {
  TVirtualGamepads Pads(2, 12);
  TSysJoySticks JoySticks;
  ASSERT_EQ(JoySticks.Count(), 2);
  TDorvaneMgr Mgr;
  TTimerThread Clock(Mgr,
                     TClockRun{.RoundTime = 60, .UseElectronicScoring = true, .Transiency = 10000});
  Clock.FJoySticks = &JoySticks;
  QEventLoop Pressed;
  QEventLoop Clicked;
  Clock.OnPoll = [&](TSysJoySticks&) { Pressed.quit(); };
  Clock.OnButtonClick = [&](TMyJoyStick&, TJoyButton&, int32_t, double, bool&) {
    // Looked for from another thread that the main thread waits for, so a
    // lock the clock keeps while it waits for the main thread shows as a
    // timeout here instead of a test that never ends.
    auto Look = std::async(std::launch::async, [&] { JoySticks.TakeDeviceChanges(); });
    if (Look.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
      std::fputs("The clock kept the pads locked while it waited for the main thread\n", stderr);
      std::abort();
    }
    Clicked.quit();
  };
  Clock.Start();
  Pads.Press(1, 3);
  ASSERT_TRUE(RunUntilQuit(Pressed));
  Pads.Release(1, 3);
  EXPECT_TRUE(RunUntilQuit(Clicked));
  Clock.Terminate();
  Clock.WaitForFinish();
}

}  // namespace
