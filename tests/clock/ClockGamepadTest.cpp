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
    Config.Transiency = 200;  // the settings' default
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
  // A press in each phase: running, paused, injury time, the break.
  Time.At(100, [this] { Pads.Press(0, 1); });
  Time.At(400, [this] { Pads.Press(0, 2); });
  Time.At(750, [this] { Pads.Press(0, 3); });
  Time.At(1800, [this] { Pads.Press(1, 1); });
  SetStateAt(300, csPaused);
  SetStateAt(600, csRunning);
  SetStateAt(700, csInjury);
  Clock->Execute();

  ASSERT_THAT(StateSequence(),
              ElementsAre(csRunning, csPaused, csRunning, csInjury, csRunning, csBreak, csEnded));
  EXPECT_EQ(PolledIn.count(csInjury) + PolledIn.count(csBreak), 0u);
  EXPECT_GT(PolledIn.count(csPaused), 0u);
  EXPECT_GT(PolledIn.count(csRunning), 0u);
}

// The pads are read at every 1 ms pass, but the board hears only of what it
// shows: a new clock text, a state change, and the gamepads only when a
// button changes or a press grows too old to agree.
TEST_F(ClockGamepadTest, HandOffsFollowTheShownChangesNotThePasses) {
  MakePolledClock(2.0, 0, 0);
  std::vector<int64_t> Polls;
  std::vector<int64_t> Clicks;
  Clock->OnPoll = [&](TSysJoySticks&) { Polls.push_back(Time.ElapsedMs()); };
  Clock->OnButtonClick = [&](TMyJoyStick&, TJoyButton&, int32_t, double, bool&) {
    Clicks.push_back(Time.ElapsedMs());
  };
  // A lone press: no other judge agrees within its 200 ms.
  Time.At(500, [&] { Pads.Press(0, 2); });
  Time.At(560, [&] { Pads.Release(0, 2); });
  Clock->Execute();

  EXPECT_EQ(Ticks.size(), 5u) << "the round's start, its two new texts and end, the break";
  EXPECT_EQ(States.size(), 3u);
  ASSERT_FALSE(Polls.empty());
  // The press and the release reach the board at once; then only the pass
  // that finds the press too old to agree.
  EXPECT_THAT(Polls, ElementsAre(500, 560, 701));
  EXPECT_THAT(Clicks, ElementsAre(560)) << "the click once, not at every pass";
  const auto Locked = JoySticks->LockList();
  EXPECT_FALSE(Locked[0].Buttons.FindButton(2)->Pending) << "the stale vote is dropped";
}

// Votes are not counted in a pause: the first pass that counts again hands
// them to the board while a press could still agree.
TEST_F(ClockGamepadTest, TheFirstPassAfterAPauseHandsTheOpenVotesOver) {
  MakePolledClock(1.0, 0, 0);
  std::vector<std::pair<int64_t, TClockState>> Polls;
  Clock->OnPoll = [&](TSysJoySticks&) { Polls.emplace_back(Time.ElapsedMs(), Clock->State()); };
  Time.At(100, [&] { Pads.Press(0, 1); });
  SetStateAt(110, csPaused);
  Time.At(130, [&] { Pads.Release(0, 1); });
  SetStateAt(150, csRunning);
  Clock->Execute();
  EXPECT_THAT(Polls,
              ElementsAre(std::pair{int64_t{100}, csRunning}, std::pair{int64_t{130}, csPaused},
                          std::pair{int64_t{150}, csRunning}, std::pair{int64_t{301}, csRunning}));
}

// The poll that meets a pad plugged in or out tells the board at once, and
// again at each pass until someone takes the news.
TEST_F(ClockGamepadTest, NewsOfPadsReachesTheBoardFromThePollThatMeetsIt) {
  MakePolledClock(1.0, 0, 0);
  std::vector<int64_t> News;
  Clock->OnDeviceNews = [&] {
    News.push_back(Time.ElapsedMs());
    if (News.size() == 3) JoystickApi().joyUpdateDevices();
  };
  Time.At(400, [&] { Pads.TellOfDevices(); });
  Clock->Execute();
  EXPECT_THAT(News, ElementsAre(400, 401, 402));
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

// The pads raise an unhandled click at every poll while its press waits for a
// vote; the board hears of each press's click once, and the press stays
// pending for the vote.
TEST_F(ClockGamepadTest, AnUnhandledClickReachesTheBoardOncePerPress) {
  MakePolledClock(0.3, 0, 0);
  std::vector<int64_t> Clicks;
  Clock->OnButtonClick = [&](TMyJoyStick&, TJoyButton&, int32_t, double, bool&) {
    Clicks.push_back(Time.ElapsedMs());
  };
  Time.At(100, [&] { Pads.Press(0, 1); });
  Time.At(150, [&] { Pads.Release(0, 1); });
  Time.At(220, [&] { Pads.Press(0, 1); });
  Time.At(240, [&] { Pads.Release(0, 1); });
  Clock->Execute();
  EXPECT_THAT(Clicks, ElementsAre(150, 240));
  const auto Locked = JoySticks->LockList();
  EXPECT_TRUE(Locked[0].Buttons.FindButton(1)->Pending);
}

}  // namespace
