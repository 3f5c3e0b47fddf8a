#include <gtest/gtest.h>

#include "input/GamepadDevices.h"
#include "input/Judges.h"
#include "model/BoardLight.h"
#include "model/Settings.h"
#include "support/core/FakeJoystickApi.h"
#include "support/core/TestLight.h"
#include "support/core/VirtualGamepads.h"

namespace {

class JudgesTest : public testing::Test {
 protected:
  JudgesTest() {
    FConfig.R1 = 5;
    FConfig.R2 = 7;
    FConfig.R3 = 9;
    FConfig.B1 = 6;
    FConfig.B2 = 8;
    FConfig.B3 = 10;
    for (size_t Index = 0; Index < MaxJudges; ++Index) {
      FRedLights[Index] = &FLights[Index];
      FBlueLights[Index] = &FLights[MaxJudges + Index];
    }
  }
  void Build(TSysJoySticks& JoySticks) {
    BuildJudges(FJudges, JoySticks, FConfig, FRedLights, FBlueLights);
  }

  TTKDConfig FConfig;
  TTestLight FLights[2 * MaxJudges];
  TJudgeLights FRedLights{};
  TJudgeLights FBlueLights{};
  TJudgeList FJudges;
};

TEST_F(JudgesTest, SixGamepadsGiveFourJudgesInOrder) {
  TVirtualGamepads Pads(6, 12);
  TSysJoySticks JoySticks;
  ASSERT_EQ(JoySticks.Count(), 6);
  Build(JoySticks);

  ASSERT_EQ(FJudges.Count(), 4);
  const auto Locked = JoySticks.LockList();
  for (int32_t Index = 0; Index < FJudges.Count(); ++Index) {
    SCOPED_TRACE(testing::Message() << "judge " << Index + 1);
    const TJudge& Judge = FJudges[Index];
    TMyJoyStick& Pad = Locked[Index];
    EXPECT_EQ(Judge.JoyStick, &Pad);
    EXPECT_EQ(Judge.RedOnePoint, Pad.Buttons.FindButton(5));
    EXPECT_EQ(Judge.RedTwoPoint, Pad.Buttons.FindButton(7));
    EXPECT_EQ(Judge.RedThreePoint, Pad.Buttons.FindButton(9));
    EXPECT_EQ(Judge.BlueOnePoint, Pad.Buttons.FindButton(6));
    EXPECT_EQ(Judge.BlueTwoPoint, Pad.Buttons.FindButton(8));
    EXPECT_EQ(Judge.BlueThreePoint, Pad.Buttons.FindButton(10));
    EXPECT_NE(Judge.BlueThreePoint, nullptr);
    EXPECT_EQ(Judge.RedIndicator, &FLights[Index]);
    EXPECT_EQ(Judge.BlueIndicator, &FLights[MaxJudges + Index]);
  }
}

TEST_F(JudgesTest, ButtonTheGamepadLacksStaysEmpty) {
  TFakeJoystickApi Api;
  TFakeJoystickScope Scope(Api);
  Api.AddPad(8);
  FConfig.R3 = 3;
  TSysJoySticks JoySticks;
  Build(JoySticks);

  ASSERT_EQ(FJudges.Count(), 1);
  EXPECT_EQ(FJudges[0].BlueThreePoint, nullptr);
  ASSERT_NE(FJudges[0].RedThreePoint, nullptr);
  EXPECT_EQ(FJudges[0].RedThreePoint->Number, 3);
  EXPECT_EQ(FJudges[0].BlueTwoPoint->Number, 8);
}

TEST_F(JudgesTest, NoGamepadNoJudgeAndLightsMayBeMissing) {
  TFakeJoystickApi Api;
  TFakeJoystickScope Scope(Api);
  {
    TSysJoySticks None;
    Build(None);
    EXPECT_EQ(FJudges.Count(), 0);
  }
  Api.AddPad(12);
  Api.AddPad(12);
  TSysJoySticks Two;
  BuildJudges(FJudges, Two, FConfig, TJudgeLights{}, TJudgeLights{});
  ASSERT_EQ(FJudges.Count(), 2);
  EXPECT_EQ(FJudges[1].RedIndicator, nullptr);
  EXPECT_EQ(FJudges[1].JoyStick, Two.FindJoyStick(1));
  FJudges.RemoveAllJudges();
  EXPECT_EQ(FJudges.Count(), 0);
}

}  // namespace
