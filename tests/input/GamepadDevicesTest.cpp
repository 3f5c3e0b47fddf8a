#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "input/GamepadDevices.h"
#include "model/DorvaneError.h"
#include "platform/TimeSource.h"
#include "support/core/FakeJoystickApi.h"
#include "support/core/FakeTimeSource.h"

namespace {

constexpr double Start = 46000.5;

// A gamepad list over scripted pads, with the clock in the test's hands.
class GamepadDevicesTest : public testing::Test {
 protected:
  double At(int64_t Ms) const { return Start + Ms / MsPerDay; }
  void PollAt(int64_t Ms) {
    FTime.SetNow(At(Ms));
    FJoySticks->Poll();
  }
  TJoyButton& Button(int32_t Pad, int32_t Number) {
    return *FJoySticks->LockList()[Pad].Buttons.FindButton(Number);
  }
  // Builds the list and records every click of every pad.
  void BuildList() {
    FJoySticks.emplace();
    for (int32_t Pad = 0; Pad < FJoySticks->Count(); ++Pad) {
      FJoySticks->LockList()[Pad].OnButtonClick = [this](TMyJoyStick& Sender, TJoyButton& Button,
                                                         int32_t ButtonNumber, double PressStart,
                                                         bool& Handled) {
        EXPECT_EQ(&Button.Owner, &Sender);
        EXPECT_EQ(Button.Number, ButtonNumber);
        FClicks.push_back({ButtonNumber, PressStart});
        Handled = FHandleClicks;
      };
    }
  }

  struct TClick {
    int32_t ButtonNumber;
    double PressStart;
  };
  TFakeTimeSource FTime{Start};
  TFakeTimeScope FTimeScope{FTime};
  TFakeJoystickApi FApi;
  TFakeJoystickScope FApiScope{FApi};
  std::optional<TSysJoySticks> FJoySticks;
  std::vector<TClick> FClicks;
  bool FHandleClicks = false;
};

// One poll of button 1 and what it must leave behind.
struct TPollStep {
  int64_t Ms;
  bool Pressed;
  bool ReaderConsumesFirst;             // a reader clears Pending before this poll
  bool HandlerConsumes;                 // the click handler sets Handled
  std::optional<int64_t> PressStartMs;  // none: still the creation value
  bool Pending;
  bool Down;
  int Clicks;  // clicks raised by this poll
};

const TPollStep ButtonSteps[] = {
    {10, false, false, false, std::nullopt, false, false, 0},  // up stays up
    {20, true, false, false, 20, true, true, 0},               // a press begins
    {30, true, false, false, 20, true, true, 0},               // held: the same press
    {40, false, false, false, 20, true, false, 1},             // released: click
    {50, false, false, false, 20, true, false, 1},             // still pending: click again
    {60, true, false, false, 60, true, true, 0},               // pressed again: new press
    {70, false, false, true, 60, false, false, 1},             // click consumed by the handler
    {80, false, false, false, 60, false, false, 0},            // consumed: no more clicks
    {90, true, false, false, 90, true, true, 0},
    {100, true, true, false, 90, false, true, 0},     // consumed while held
    {110, false, false, false, 90, false, false, 0},  // release of a consumed press: no click
};

TEST_F(GamepadDevicesTest, ButtonFollowsTheStateTable) {
  FApi.AddPad(4);
  BuildList();
  TJoyButton& B1 = Button(0, 1);
  const double CreatedPressStart = B1.PressStart;
  EXPECT_EQ(CreatedPressStart, Start - 1);
  for (const TPollStep& Step : ButtonSteps) {
    SCOPED_TRACE(testing::Message() << "poll at " << Step.Ms << " ms");
    if (Step.ReaderConsumesFirst) B1.Pending = false;
    FHandleClicks = Step.HandlerConsumes;
    FApi.SetButton(0, 1, Step.Pressed);
    FClicks.clear();
    PollAt(Step.Ms);
    EXPECT_EQ(B1.PressStart, Step.PressStartMs ? At(*Step.PressStartMs) : CreatedPressStart);
    EXPECT_EQ(B1.Pending, Step.Pending);
    EXPECT_EQ(B1.IsDown(), Step.Down);
    ASSERT_EQ(static_cast<int>(FClicks.size()), Step.Clicks);
    for (const TClick& Click : FClicks) {
      EXPECT_EQ(Click.ButtonNumber, 1);
      EXPECT_EQ(Click.PressStart, B1.PressStart);
    }
  }
}

TEST_F(GamepadDevicesTest, PendingWithinIsInclusiveAtAnyDate) {
  // Date-times far apart carry different rounding errors.
  for (const double PressDay : {45000.1234, 46000.5, 47999.99999, 51234.000001}) {
    SCOPED_TRACE(PressDay);
    const uint32_t Id = FApi.AddPad(1);
    FApi.Press(Id, 1);
    FJoySticks.emplace();
    FTime.SetNow(PressDay);
    const double PressTime = FTime.Now();
    FJoySticks->Poll();
    TJoyButton& Pressed = Button(static_cast<int32_t>(Id), 1);
    ASSERT_EQ(Pressed.PressStart, PressTime);
    EXPECT_TRUE(Pressed.IsPendingWithin(200, PressTime + 200 / MsPerDay));
    EXPECT_FALSE(Pressed.IsPendingWithin(200, PressTime + 201 / MsPerDay));
    EXPECT_TRUE(Pressed.PressedWithin(500, PressTime + 500 / MsPerDay));
    EXPECT_FALSE(Pressed.PressedWithin(500, PressTime + 501 / MsPerDay));
    Pressed.Pending = false;
    EXPECT_FALSE(Pressed.IsPendingWithin(200, PressTime));
    EXPECT_TRUE(Pressed.PressedWithin(200, PressTime));
  }
}

TEST_F(GamepadDevicesTest, ButtonHeldBeforeTheFirstPollIsANewPress) {
  FApi.AddPad(2);
  FApi.Press(0, 2);
  BuildList();
  PollAt(5);
  EXPECT_TRUE(Button(0, 2).Pending);
  EXPECT_EQ(Button(0, 2).PressStart, At(5));
  EXPECT_FALSE(Button(0, 1).Pending);
}

TEST_F(GamepadDevicesTest, PressAndReleaseBetweenPollsIsNotSeen) {
  FApi.AddPad(2);
  BuildList();
  PollAt(10);
  FApi.Press(0, 1);
  FApi.Release(0, 1);
  PollAt(20);
  EXPECT_FALSE(Button(0, 1).Pending);
  EXPECT_FALSE(Button(0, 1).IsDown());
  EXPECT_TRUE(FClicks.empty());
}

TEST_F(GamepadDevicesTest, PadsAreFoundOnceInIdOrder) {
  FApi.AddPad(3);
  const uint32_t Silent = FApi.AddPad(5);
  FApi.AddPad(0);
  FApi.Unplug(Silent);
  BuildList();
  FApi.AddPad(6);  // connected after start-up

  EXPECT_EQ(FJoySticks->NumDevs, 16);
  ASSERT_EQ(FJoySticks->Count(), 2);
  EXPECT_EQ(FJoySticks->LockList()[0].JoyId, 0u);
  EXPECT_EQ(FJoySticks->LockList()[0].Buttons.Count(), 3);
  EXPECT_EQ(FJoySticks->FindJoyStick(Silent), nullptr);
  TMyJoyStick* NoButtons = FJoySticks->FindJoyStick(2);
  ASSERT_NE(NoButtons, nullptr);
  EXPECT_EQ(NoButtons->Buttons.Count(), 0);
  EXPECT_EQ(FJoySticks->FindJoyStick(3), nullptr);

  // The pad without buttons is polled all the same and never gives a press.
  FApi.SetButton(2, 1, true);
  FTime.AdvanceMs(1);
  EXPECT_EQ(FJoySticks->Poll(), 2);
  EXPECT_EQ(NoButtons->JoyInfo.wButtons, 1u);
  EXPECT_EQ(NoButtons->Buttons.Count(), 0);
}

TEST_F(GamepadDevicesTest, NoPadPollsNothingAndStillReportsThePoll) {
  BuildList();
  int Polls = 0;
  FJoySticks->OnPoll = [&](TSysJoySticks& Sender) {
    EXPECT_EQ(&Sender, &*FJoySticks);
    // The list's lock is free again: this would hang otherwise.
    EXPECT_EQ(Sender.Count(), 0);
    ++Polls;
  };
  EXPECT_EQ(FJoySticks->Poll(), 0);
  EXPECT_EQ(Polls, 1);
}

TEST_F(GamepadDevicesTest, MissingDriverFailsTheList) {
  FApi.AddPad(4);
  FApi.RemoveDriver();
  try {
    TSysJoySticks JoySticks;
    FAIL() << "no error";
  } catch (const TDorvaneError& Error) {
    EXPECT_EQ(Error.Message().toStdString(), "Error getting joy stick capabilities");
  }
}

TEST_F(GamepadDevicesTest, UnpluggedPadKeepsItsHeldButton) {
  FApi.AddPad(4);
  FApi.Press(0, 3);
  BuildList();
  PollAt(10);
  FApi.Unplug(0);
  FApi.Release(0, 3);
  FApi.Press(0, 4);
  FTime.SetNow(At(20));
  EXPECT_EQ(FJoySticks->LockList()[0].Poll(), JOYERR_UNPLUGGED);
  PollAt(30);

  EXPECT_EQ(FJoySticks->Count(), 1);
  EXPECT_TRUE(Button(0, 3).IsDown());
  EXPECT_EQ(Button(0, 3).LastDown, At(30));
  EXPECT_EQ(Button(0, 3).PressStart, At(10));
  EXPECT_FALSE(Button(0, 4).Pending);
  EXPECT_TRUE(FClicks.empty());
}

struct TMaskCase {
  uint32_t Word;
  int32_t Number;
  bool Pressed;
};

const TMaskCase MaskCases[] = {
    {0x1, 1, true},         {0x1, 2, false},  {0x10, 5, true},         {0x10, 4, false},
    {0x80000000, 32, true}, {0x0, 32, false}, {0xFFFFFFFF, 33, false}, {0x1, 0, true},
};

TEST(ButtonInWord, ReadsItsBit) {
  for (const TMaskCase& Case : MaskCases) {
    SCOPED_TRACE(testing::Message() << "word " << Case.Word << " button " << Case.Number);
    EXPECT_EQ(ButtonInWord(Case.Word, Case.Number), Case.Pressed);
  }
}

}  // namespace
