// Pads plugged in and out while the program runs, over SDL virtual pads: the
// gamepad list, the judges' seats and the vote check as the board wires them.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <optional>
#include <utility>

#include "input/PadStatusText.h"
#include "input/ElectronicScoring.h"
#include "input/GamepadDevices.h"
#include "input/GamepadWatch.h"
#include "input/Judges.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "platform/ProgramDir.h"
#include "platform/SoundPlayer.h"
#include "platform/TimeSource.h"
#include "support/core/JudgesFixture.h"
#include "support/core/VirtualGamepads.h"
#include "support/core/VoteButtonOf.h"

namespace {

constexpr int RedOne = 5;  // R1's default
constexpr int Buttons = 12;

class GamepadHotplugTest : public TJudgesFixture {
 protected:
  GamepadHotplugTest() { Config.UseElectronicScoring = true; }
  ~GamepadHotplugTest() override { Watch.reset(); }

  // The list, the judges, the watch and the vote check over the pads attached now.
  void StartWatching() {
    BuildJudgesAndScoring();
    Watch.emplace(*JoySticks, Judges, Config, RedLightsOfJudges(), BlueLightsOfJudges());
  }

  void Poll() {
    Time.AdvanceMs(1);
    JoySticks->Poll();
  }

  // A tap of red one point by the given pads together, polled until released.
  void TapRedOne(TVirtualGamepads& Pads, std::initializer_list<int> Which) {
    for (int Pad : Which) Pads.Press(Pad, RedOne);
    Poll();
    for (int Pad : Which) Pads.Release(Pad, RedOne);
    Poll();
    Time.AdvanceMs(1000);  // past any vote window
  }

  // Which pad each judge holds, by position in the gamepad list; -1 for none.
  std::vector<int> Seats() {
    std::vector<int> Result;
    const auto Pads = JoySticks->LockList();
    for (int32_t Judge = 0; Judge < Judges.Count(); ++Judge) {
      int Held = -1;
      for (int32_t Pad = 0; Pad < Pads.Count(); ++Pad) {
        if (Judges[Judge].JoyStick == &Pads[Pad]) Held = Pad;
      }
      Result.push_back(Held);
    }
    return Result;
  }

  QString Notice() {
    return MissingJudgesText(JudgePadStatuses(Judges, Config.NumButtons),
                             Config.UseElectronicScoring, Config.NumButtons);
  }

  std::optional<TGamepadWatch> Watch;
};

TEST_F(GamepadHotplugTest, JudgeUnpluggedInARoundGetsTheSeatBackAndScoresAgain) {
  TVirtualGamepads Pads(2, Buttons);
  StartWatching();
  ASSERT_EQ(Seats(), (std::vector<int>{0, 1}));
  TapRedOne(Pads, {0, 1});
  EXPECT_EQ(Mgr.RedScore(), 1);

  // Judge 1 presses, then the cable is pulled: before the seat is freed,
  // the unplugged pad's pending press must not make a pair with judge 2's.
  Pads.Press(0, RedOne);
  Poll();
  Pads.Unplug(0);
  Pads.Press(1, RedOne);
  Poll();
  Pads.Release(1, RedOne);
  Poll();
  EXPECT_EQ(Mgr.RedScore(), 1);
  Watch->Check();
  EXPECT_EQ(Seats(), (std::vector<int>{-1, 1}));
  EXPECT_EQ(VoteOf(Judges[0], TSide::Red, 1), nullptr);
  EXPECT_EQ(Notice(), QStringLiteral("Judges: 1 of 2 pads connected"));

  TVirtualGamepads Replugged(1, Buttons);
  Watch->Check();
  EXPECT_EQ(Seats(), (std::vector<int>{2, 1}));
  EXPECT_EQ(Notice(), QString());
  TapRedOne(Pads, {1});
  TapRedOne(Replugged, {0});
  EXPECT_EQ(Mgr.RedScore(), 1);
  Replugged.Press(0, RedOne);
  Pads.Press(1, RedOne);
  Poll();
  EXPECT_EQ(Mgr.RedScore(), 2);
}

// A clock's poll tells the board of pads plugged in or out: the poll meets
// the news until the watch takes it.
TEST_F(GamepadHotplugTest, APollMeetsPadsPluggedInOrOutUntilTheWatchTakesTheNews) {
  TVirtualGamepads Pads(2, Buttons);
  StartWatching();
  Watch->Check();
  Poll();
  EXPECT_FALSE(JoySticks->DeviceNewsPending());
  Pads.Unplug(0);
  Poll();
  EXPECT_TRUE(JoySticks->DeviceNewsPending());
  Poll();
  EXPECT_TRUE(JoySticks->DeviceNewsPending()) << "until taken";
  Watch->Check();
  EXPECT_EQ(Seats(), (std::vector<int>{-1, 1}));
  Poll();
  EXPECT_FALSE(JoySticks->DeviceNewsPending());
  TVirtualGamepads Replugged(1, Buttons);
  Poll();
  EXPECT_TRUE(JoySticks->DeviceNewsPending());
}

TEST_F(GamepadHotplugTest, TaughtButtonsStayWithTheSeat) {
  TVirtualGamepads Pads(2, Buttons);
  StartWatching();
  // The gamepad manager taught judge 1 red one point on button 3, blue five on 1.
  VoteOf(Judges[0], TSide::Red, 1) = JoySticks->LockList()[0].Buttons.FindButton(3);
  VoteOf(Judges[0], TSide::Blue, 5) = JoySticks->LockList()[0].Buttons.FindButton(1);
  Pads.Unplug(0);
  Watch->Check();
  TVirtualGamepads Replugged(1, Buttons);
  Watch->Check();
  ASSERT_EQ(Seats(), (std::vector<int>{2, 1}));
  ASSERT_NE(VoteOf(Judges[0], TSide::Red, 1), nullptr);
  EXPECT_EQ(VoteOf(Judges[0], TSide::Red, 1)->Number, 3);
  ASSERT_NE(VoteOf(Judges[0], TSide::Blue, 5), nullptr);
  EXPECT_EQ(VoteOf(Judges[0], TSide::Blue, 5)->Number, 1);
  EXPECT_EQ(VoteOf(Judges[0], TSide::Blue, 1)->Number, ButtonNumber(Config, TSide::Blue, 1));
  Replugged.Press(0, 3);
  Pads.Press(1, RedOne);
  Poll();
  EXPECT_EQ(Mgr.RedScore(), 1);
}

TEST_F(GamepadHotplugTest, PadPluggedAfterStartBecomesTheMissingJudge) {
  TVirtualGamepads First(1, Buttons);
  StartWatching();
  ASSERT_EQ(Judges.Count(), 1);
  EXPECT_EQ(Notice(), QStringLiteral("Judges: 1 of 2 pads connected"));
  const TJudgePadStatuses Before = JudgePadStatuses(Judges, Config.NumButtons);
  EXPECT_TRUE(Before[1].Expected);
  EXPECT_FALSE(Before[1].Connected);
  EXPECT_FALSE(Before[2].Expected);

  TVirtualGamepads Later(1, Buttons);
  Watch->Check();
  ASSERT_EQ(Seats(), (std::vector<int>{0, 1}));
  EXPECT_EQ(Judges[1].RedIndicator, &RedLights[1]);
  EXPECT_EQ(Notice(), QString());
  TapRedOne(First, {0});
  EXPECT_EQ(Mgr.RedScore(), 0);
  First.Press(0, RedOne);
  Later.Press(0, RedOne);
  Poll();
  EXPECT_EQ(Mgr.RedScore(), 1);
}

TEST_F(GamepadHotplugTest, FifthPadStaysSpareAndANewPadTakesTheLowestFreeSeat) {
  TVirtualGamepads Pads(5, Buttons);
  StartWatching();
  ASSERT_EQ(Seats(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_TRUE(PadStatusText(Judges, *JoySticks, Config.NumButtons).contains("\nSpare: "));

  Pads.Unplug(3);
  Pads.Unplug(1);
  Watch->Check();
  // The spare pad does not jump into a free seat.
  EXPECT_EQ(Seats(), (std::vector<int>{0, -1, 2, -1}));
  const QString Status = PadStatusText(Judges, *JoySticks, Config.NumButtons);
  EXPECT_TRUE(Status.contains(QStringLiteral("Judge 2: no pad"))) << Status.toStdString();
  EXPECT_TRUE(Status.contains(QStringLiteral("Judge 3: "))) << Status.toStdString();
  EXPECT_EQ(Notice(), QString());  // three pads still reach NumButtons 2

  TVirtualGamepads Replugged(1, Buttons);
  Watch->Check();
  EXPECT_EQ(Seats(), (std::vector<int>{0, 5, 2, -1}));
}

TEST_F(GamepadHotplugTest, APadLikeASeatsLastPadPrefersThatSeat) {
  TVirtualGamepads Common(2, Buttons);
  TVirtualGamepads Special(1, Buttons, 7);
  StartWatching();
  ASSERT_EQ(Seats(), (std::vector<int>{0, 1, 2}));
  Common.Unplug(0);
  Special.Unplug(0);
  Watch->Check();
  EXPECT_EQ(Seats(), (std::vector<int>{-1, 1, -1}));

  TVirtualGamepads SpecialAgain(1, Buttons, 7);
  Watch->Check();
  EXPECT_EQ(Seats(), (std::vector<int>{-1, 1, 3}));
  TVirtualGamepads CommonAgain(1, Buttons);
  Watch->Check();
  EXPECT_EQ(Seats(), (std::vector<int>{4, 1, 3}));
}

TEST_F(GamepadHotplugTest, NoPadsAtAllIsNamedOnlyWithElectronicScoring) {
  StartWatching();
  EXPECT_EQ(Judges.Count(), 0);
  EXPECT_EQ(Notice(), QStringLiteral("Judges: 0 of 2 pads connected"));
  Config.UseElectronicScoring = false;
  EXPECT_EQ(Notice(), QString());
}

}  // namespace
