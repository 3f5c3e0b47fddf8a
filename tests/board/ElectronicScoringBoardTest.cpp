// Electronic scoring in the real scoreboard window, driven by its real clock thread.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <optional>

#include "clock/RoundFlow.h"
#include "input/GamepadDevices.h"
#include "input/Judges.h"
#include "match/Match.h"
#include "model/BoardLight.h"
#include "model/ScoreManager.h"
#include "platform/TimeSource.h"
#include "support/core/VirtualGamepads.h"
#include "support/ui/BoardFixture.h"
#include "support/core/VoteButtonOf.h"

namespace {

constexpr int RedOne = 5;  // R1's default

class ElectronicScoringBoardTest : public TBoardFixture {
 protected:
  ElectronicScoringBoardTest() {
    ConfigureCueFiles({QStringLiteral("RedPoint")});
    FConfig.CoachTime = 0;
  }

  // Ends a run still going and waits until its end has been handled.
  void StopRound() {
    if (!Board().RoundFlow().ClockExists()) return;
    PressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(RoundEnded());
  }

  // Turns the event loop until the run's end has been handled.
  bool RoundEnded() {
    return QTest::qWaitFor([this] { return !Board().RoundFlow().ClockExists(); }, 10000);
  }
};

// The real time source and SDL's joysticks, with two virtual pads attached
// before the board looks for gamepads.
class LiveElectronicScoringTest : public ElectronicScoringBoardTest {
 protected:
  LiveElectronicScoringTest() {
    SetTimeSource(nullptr);
    SetJoystickApi(nullptr);
    FPads.emplace(2, 12);
  }
  ~LiveElectronicScoringTest() override { StopRound(); }

  std::optional<TVirtualGamepads> FPads;
};

TEST_F(LiveElectronicScoringTest, TwoJudgesRedOnePointScoresOnTheBoardAndPlaysRedPoint) {
  FConfig.UseElectronicScoring = true;
  ASSERT_EQ(Board().Judges().Count(), 2);
  PressKey(Qt::Key_G, Qt::ControlModifier);
  ASSERT_TRUE(Board().RoundFlow().ClockRunning());

  FPads->Press(0, RedOne);
  FPads->Press(1, RedOne);
  ASSERT_TRUE(QTest::qWaitFor([this] { return Text("lblRedScore") == QLatin1String("1"); }, 5000))
      << "red shows " << Text("lblRedScore").toStdString();
  EXPECT_EQ(PlayedCues(), QStringList{QStringLiteral("RedPoint")});
  EXPECT_EQ(Board().RedLight(1).LightColor(), FConfig.OnePointColor);
  EXPECT_EQ(Board().RedLight(2).LightColor(), FConfig.OnePointColor);
  EXPECT_EQ(Text("lblBlueScore"), QStringLiteral("0"));
  FPads->Release(0, RedOne);
  FPads->Release(1, RedOne);
  // The refresh turns the lights off again half a second after the press.
  EXPECT_TRUE(
      QTest::qWaitFor([this] { return Board().RedLight(1).LightColor() == clUnlitLight; }, 5000));
  EXPECT_TRUE(
      QTest::qWaitFor([this] { return !Board().Match().JudgeLightTimer().isActive(); }, 5000));
}

// With scripted pads and fake time: a short round with two red one-point
// buttons held from its start, with electronic scoring on or off.
class ScoringSwitchTest : public ElectronicScoringBoardTest,
                          public testing::WithParamInterface<bool> {};

TEST_P(ScoringSwitchTest, GamepadsAreReadOnlyWithElectronicScoringOn) {
  const bool ScoringOn = GetParam();
  FConfig.UseElectronicScoring = ScoringOn;
  FConfig.RoundTime = 0.05;
  FJoysticks.AddPad(12);
  FJoysticks.AddPad(12);
  TJudge& Judge = Board().Judges()[0];
  const double PressStartBefore = VoteOf(Judge, TSide::Red, 1)->PressStart;
  FJoysticks.Press(0, RedOne);
  FJoysticks.Press(1, RedOne);

  PressKey(Qt::Key_G, Qt::ControlModifier);
  ASSERT_TRUE(RoundEnded());

  EXPECT_EQ(Board().ScoreMgr().RedScore(), ScoringOn ? 1 : 0);
  EXPECT_EQ(PlayedCues().contains(QStringLiteral("RedPoint")), ScoringOn);
  EXPECT_EQ(VoteOf(Judge, TSide::Red, 1)->PressStart != PressStartBefore, ScoringOn)
      << "a press is seen only by a poll";
  EXPECT_EQ(Board().RedLight(1).LightColor(), ScoringOn ? FConfig.OnePointColor : clUnlitLight);
}

INSTANTIATE_TEST_SUITE_P(OnAndOff, ScoringSwitchTest, testing::Bool(),
                         [](const auto& Info) { return Info.param ? "On" : "Off"; });

}  // namespace
