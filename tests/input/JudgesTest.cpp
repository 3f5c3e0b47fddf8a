#include <gtest/gtest.h>

#include "input/GamepadDevices.h"
#include "input/Judges.h"
#include "model/BoardLight.h"
#include "model/Settings.h"
#include "support/core/FakeJoystickApi.h"
#include "support/core/TestLight.h"
#include "support/core/VirtualGamepads.h"
#include "support/core/VoteButtonOf.h"

namespace {

struct TVoteNumber {
  TSide Side;
  int32_t Points;
  int32_t Number;
};
// Every vote button on its own pad button.
constexpr TVoteNumber VoteNumbers[] = {
    {TSide::Red, 1, 5},   {TSide::Red, 2, 7},   {TSide::Red, 3, 9},   {TSide::Blue, 1, 6},
    {TSide::Blue, 2, 8},  {TSide::Blue, 3, 10}, {TSide::Red, 4, 11},  {TSide::Red, 5, 13},
    {TSide::Blue, 4, 12}, {TSide::Blue, 5, 16},
};

class JudgesTest : public testing::Test {
 protected:
  JudgesTest() {
    for (const TVoteNumber& Vote : VoteNumbers) {
      ButtonNumber(FConfig, Vote.Side, Vote.Points) = Vote.Number;
    }
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

TEST_F(JudgesTest, SixGamepadsGiveFourJudgesInOrderWithAllTenVoteButtons) {
  TVirtualGamepads Pads(6, 16);
  TSysJoySticks JoySticks;
  ASSERT_EQ(JoySticks.Count(), 6);
  Build(JoySticks);

  ASSERT_EQ(FJudges.Count(), 4);
  const auto Locked = JoySticks.LockList();
  for (int32_t Index = 0; Index < FJudges.Count(); ++Index) {
    SCOPED_TRACE(testing::Message() << "judge " << Index + 1);
    TJudge& Judge = FJudges[Index];
    TMyJoyStick& Pad = Locked[Index];
    EXPECT_EQ(Judge.JoyStick, &Pad);
    for (const TVoteNumber& Vote : VoteNumbers) {
      SCOPED_TRACE(testing::Message() << Vote.Points << " points");
      EXPECT_NE(VoteOf(Judge, Vote.Side, Vote.Points), nullptr);
      EXPECT_EQ(VoteOf(Judge, Vote.Side, Vote.Points), Pad.Buttons.FindButton(Vote.Number));
    }
    EXPECT_EQ(Judge.RedIndicator, &FLights[Index]);
    EXPECT_EQ(Judge.BlueIndicator, &FLights[MaxJudges + Index]);
  }
}

TEST_F(JudgesTest, ButtonTheGamepadLacksStaysEmpty) {
  TFakeJoystickApi Api;
  TFakeJoystickScope Scope(Api);
  Api.AddPad(8);
  ButtonNumber(FConfig, TSide::Red, 3) = 3;
  TSysJoySticks JoySticks;
  Build(JoySticks);

  ASSERT_EQ(FJudges.Count(), 1);
  EXPECT_EQ(VoteOf(FJudges[0], TSide::Blue, 3), nullptr);
  EXPECT_EQ(VoteOf(FJudges[0], TSide::Red, 5), nullptr);
  ASSERT_NE(VoteOf(FJudges[0], TSide::Red, 3), nullptr);
  EXPECT_EQ(VoteOf(FJudges[0], TSide::Red, 3)->Number, 3);
  EXPECT_EQ(VoteOf(FJudges[0], TSide::Blue, 2)->Number, 8);
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
