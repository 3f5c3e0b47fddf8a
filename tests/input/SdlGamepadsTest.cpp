#include <gtest/gtest.h>

#include <optional>

#include "input/GamepadDevices.h"
#include "platform/TimeSource.h"
#include "support/core/FakeTimeSource.h"
#include "support/core/VirtualGamepads.h"

namespace {

// The gamepad list over SDL virtual pads: the program's real joystick path.
// The machine running the tests has no pads of its own. Each poll is a
// millisecond after the last, as in the clock's loop.
class SdlGamepadsTest : public testing::Test {
 protected:
  int32_t Poll() {
    FTime.AdvanceMs(1);
    return FJoySticks->Poll();
  }
  TJoyButton& Button(int32_t Pad, int32_t Number) {
    TJoyButton* Found = FJoySticks->LockList()[Pad].Buttons.FindButton(Number);
    EXPECT_NE(Found, nullptr);
    return *Found;
  }
  TFakeTimeSource FTime;
  TFakeTimeScope FTimeScope{FTime};
  std::optional<TVirtualGamepads> FPads;
  std::optional<TSysJoySticks> FJoySticks;
};

TEST_F(SdlGamepadsTest, PressesReachTheRightPadAndButton) {
  FPads.emplace(2, 12);
  FJoySticks.emplace();
  ASSERT_EQ(FJoySticks->Count(), 2);
  EXPECT_EQ(FJoySticks->LockList()[1].Buttons.Count(), 12);

  int32_t ClickedNumber = 0;
  TMyJoyStick* ClickedPad = nullptr;
  FJoySticks->LockList()[1].OnButtonClick = [&](TMyJoyStick& Sender, TJoyButton&, int32_t Number,
                                                double, bool& Handled) {
    ClickedPad = &Sender;
    ClickedNumber = Number;
    Handled = true;
  };

  FPads->Press(1, 5);
  FPads->Press(1, 12);
  EXPECT_EQ(Poll(), 2);
  EXPECT_EQ(FJoySticks->LockList()[1].JoyInfo.wButtons, (1u << 4) | (1u << 11));
  EXPECT_TRUE(Button(1, 5).Pending);
  EXPECT_TRUE(Button(1, 5).IsDown());
  EXPECT_FALSE(Button(0, 5).Pending);
  EXPECT_FALSE(Button(1, 4).Pending);

  FPads->Release(1, 5);
  Poll();
  EXPECT_EQ(ClickedPad, &FJoySticks->LockList()[1]);
  EXPECT_EQ(ClickedNumber, 5);
  EXPECT_FALSE(Button(1, 5).Pending);
  EXPECT_TRUE(Button(1, 12).Pending);
}

TEST_F(SdlGamepadsTest, ButtonsPastThirtyTwoAreCut) {
  FPads.emplace(1, 40);
  FJoySticks.emplace();
  ASSERT_EQ(FJoySticks->Count(), 1);
  EXPECT_EQ(FJoySticks->LockList()[0].Buttons.Count(), 32);
  FPads->Press(0, 32);
  FPads->Press(0, 33);
  Poll();
  EXPECT_EQ(FJoySticks->LockList()[0].JoyInfo.wButtons, 1u << 31);
  EXPECT_TRUE(Button(0, 32).Pending);
}

TEST_F(SdlGamepadsTest, UnpluggedPadAnswersWithAnErrorAndKeepsItsState) {
  FPads.emplace(2, 8);
  FJoySticks.emplace();
  ASSERT_EQ(FJoySticks->Count(), 2);
  FPads->Press(0, 3);
  Poll();
  const double PressStart = Button(0, 3).PressStart;

  FPads->Unplug(0);
  EXPECT_NE(FJoySticks->LockList()[0].Poll(), JOYERR_NOERROR);
  EXPECT_EQ(Poll(), 2);
  EXPECT_EQ(FJoySticks->LockList()[0].JoyInfo.wButtons, 1u << 2);
  EXPECT_EQ(Button(0, 3).PressStart, PressStart);
  EXPECT_TRUE(Button(0, 3).Pending);
  EXPECT_TRUE(Button(0, 3).IsDown());

  // The other pad still answers.
  FPads->Press(1, 1);
  Poll();
  EXPECT_TRUE(Button(1, 1).Pending);
}

TEST_F(SdlGamepadsTest, PadAttachedLaterIsNotAdded) {
  FPads.emplace(1, 4);
  FJoySticks.emplace();
  TVirtualGamepads Later(1, 4);
  Later.Press(0, 1);
  EXPECT_EQ(Poll(), 1);
  EXPECT_EQ(FJoySticks->Count(), 1);
  EXPECT_FALSE(Button(0, 1).Pending);
}

}  // namespace
