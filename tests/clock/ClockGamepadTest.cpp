#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "ClockFixture.h"
#include "input/GamepadDevices.h"
#include "support/core/FakeJoystickApi.h"

using testing::ElementsAre;

namespace {

// Two scripted pads behind the gamepad list, with electronic scoring on.
class ClockGamepadTest : public ClockTest {
 public:
  ClockGamepadTest() : FPadScope(Pads) {
    Pads.AddPad(4);
    Pads.AddPad(4);
    JoySticks = std::make_unique<TSysJoySticks>();
    Config.UseElectronicScoring = true;
  }

  TTimerThread& MakePolledClock(double RoundTime, double BreakTime, double InjuryTime) {
    MakeClock(RoundTime, BreakTime, InjuryTime, 1, 2);
    Clock->FJoySticks = JoySticks.get();
    return *Clock;
  }

  TFakeJoystickApi Pads;
  std::unique_ptr<TSysJoySticks> JoySticks;

 private:
  TFakeJoystickScope FPadScope;
};

TEST_F(ClockGamepadTest, PolledWhileRunningAndPausedNeverInInjuryTimeOrTheBreak) {
  Mgr.SetAutoRestart(true);
  MakePolledClock(1.0, 0.5, 0.3);
  std::multiset<TClockState> PolledIn;
  Clock->OnPoll = [&](TSysJoySticks& Sender) {
    EXPECT_EQ(&Sender, JoySticks.get());
    PolledIn.insert(Clock->State());
  };
  SetStateAt(300, csPaused);
  SetStateAt(600, csRunning);
  SetStateAt(700, csInjury);
  Clock->Execute();

  ASSERT_THAT(StateSequence(),
              ElementsAre(csRunning, csPaused, csRunning, csInjury, csRunning, csBreak, csEnded));
  EXPECT_EQ(PolledIn.count(csInjury) + PolledIn.count(csBreak), 0u);
  // One poll per 10 ms pause pass, one per 1 ms round pass.
  EXPECT_NEAR(PolledIn.count(csPaused), 30, 2);
  EXPECT_NEAR(PolledIn.count(csRunning), 1000, 5);
}

TEST_F(ClockGamepadTest, NoPollWithoutElectronicScoring) {
  Config.UseElectronicScoring = false;
  MakePolledClock(0.5, 0, 0);
  int Polls = 0;
  Clock->OnPoll = [&](TSysJoySticks&) { ++Polls; };
  SetStateAt(100, csPaused);
  SetStateAt(200, csRunning);
  Clock->Execute();
  EXPECT_EQ(Polls, 0);
}

TEST_F(ClockGamepadTest, ClickIsForwardedAndTheHandlersAreRemovedAfterTheRun) {
  MakePolledClock(1.0, 0, 0);
  struct TClick {
    uint32_t JoyId;
    int32_t Number;
    double PressStart;
  };
  std::vector<TClick> Clicks;
  Clock->OnButtonClick = [&](TMyJoyStick& Sender, TJoyButton& Button, int32_t Number,
                             double PressStart, bool& Handled) {
    EXPECT_EQ(&Button.Owner, &Sender);
    Clicks.push_back({Sender.JoyId, Number, PressStart});
    Handled = true;
  };
  double PressedAt = 0;
  Time.At(100, [&] {
    Pads.Press(1, 3);
    PressedAt = Now();
  });
  Time.At(200, [&] { Pads.Release(1, 3); });
  Clock->Execute();

  ASSERT_EQ(Clicks.size(), 1u) << "a handled click consumes the press";
  EXPECT_EQ(Clicks[0].JoyId, 1u);
  EXPECT_EQ(Clicks[0].Number, 3);
  EXPECT_DOUBLE_EQ(Clicks[0].PressStart, PressedAt);
  EXPECT_FALSE(JoySticks->OnPoll);
  const auto Locked = JoySticks->LockList();
  for (int32_t I = 0; I < Locked.Count(); ++I) EXPECT_FALSE(Locked[I].OnButtonClick);
}

TEST_F(ClockGamepadTest, UnhandledClickIsRaisedAgainAtEveryPoll) {
  MakePolledClock(0.3, 0, 0);
  int Clicks = 0;
  Clock->OnButtonClick = [&](TMyJoyStick&, TJoyButton&, int32_t, double, bool&) { ++Clicks; };
  Time.At(100, [&] { Pads.Press(0, 1); });
  Time.At(200, [&] { Pads.Release(0, 1); });
  Clock->Execute();
  // From the release at 200 ms to the end at 300 ms, every 1 ms pass.
  EXPECT_NEAR(Clicks, 100, 3);
}

}  // namespace
