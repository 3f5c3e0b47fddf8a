#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <optional>

#include "DialogFixture.h"
#include "board/ScoreDisplay.h"
#include "clock/RoundFlow.h"
#include "dialogs/TestButtons.h"
#include "input/GamepadDevices.h"
#include "input/Judges.h"
#include "platform/TimeSource.h"
#include "support/core/FakeJoystickApi.h"
#include "support/core/FakeTimeSource.h"
#include "support/core/VirtualGamepads.h"
#include "support/core/VoteButtonOf.h"
#include "support/ui/BoardFixture.h"
#include "widgets/BoardShapes.h"

namespace {

constexpr double Start = 46000.5;

// Two judges on pads the subclass attaches, with the default vote buttons
// (R1 5, R2 7, R3 9, B1 6, B2 8, B3 10, R4 11, R5 13, B4 12, B5 14), and the
// dialog shown over them. The test runs the dialog's polls itself, one fake
// millisecond apart.
class TGamepadManagerFixture : public TDialogFixture {
 protected:
  void SetUp() override {
    TDialogFixture::SetUp();
    Configure();
    AttachPads();
    JoySticks.emplace();
    BuildJudges(Judges, *JoySticks, FConfig, {}, {});
    Dialog.emplace(nullptr, *JoySticks, Judges, FConfig);
    Dialog->show();
  }

  void TearDown() override {
    Dialog.reset();
    TDialogFixture::TearDown();
  }

  // Changes the loaded settings before the judges are built.
  virtual void Configure() {}
  virtual void AttachPads() = 0;
  // Pad is 0-based, Button 1-based.
  virtual void SetButton(int Pad, int Button, bool Pressed) = 0;
  void Press(int Pad, int Button) { SetButton(Pad, Button, true); }
  void Release(int Pad, int Button) { SetButton(Pad, Button, false); }

  void Poll() {
    Time.AdvanceMs(1);
    Dialog->tmrPollTimer();
  }

  void SelectJudge(int Number) { Dialog->lstJudge->setCurrentRow(Number - 1); }

  QLineEdit* Field(TSide Side, int32_t Points) const {
    return Dialog->edtVotes[VoteButtonIndex(Side, Points)];
  }

  TJoyButton* PadButton(int Pad, int Number) {
    return JoySticks->LockList()[Pad].Buttons.FindButton(Number);
  }

  // Holds a button on the selected judge's pad until it has been learned.
  void Learn(QLineEdit* Field, int Pad, int Button) {
    Field->setFocus();
    Press(Pad, Button);
    Poll();
    Poll();
    Release(Pad, Button);
    Poll();
  }

  TFakeTimeSource Time{Start};
  TFakeTimeScope TimeScope{Time};
  std::optional<TSysJoySticks> JoySticks;
  TJudgeList Judges;
  std::optional<TfrmTestButtons> Dialog;
};

// Scripted pads of 12 buttons, so the 5-point buttons (13, 14) are missing;
// the classic rules of the default settings.
class TestButtonsTest : public TGamepadManagerFixture {
 protected:
  void AttachPads() override {
    Pads.AddPad(12);
    Pads.AddPad(12);
  }
  void SetButton(int Pad, int Button, bool Pressed) override {
    Pads.SetButton(static_cast<uint32_t>(Pad), Button, Pressed);
  }

  TFakeJoystickApi Pads;
  TFakeJoystickScope PadScope{Pads};
};

TEST_F(TestButtonsTest, ShowListsTheJudgesAndFillsTheFirstJudgesButtons) {
  ASSERT_EQ(Dialog->lstJudge->count(), 2);
  EXPECT_EQ(Dialog->lstJudge->item(1)->text(), QStringLiteral("Judge 2"));
  EXPECT_EQ(Dialog->lstJudge->currentRow(), 0);
  EXPECT_EQ(Field(TSide::Red, 1)->text(), QStringLiteral("5"));
  EXPECT_EQ(Field(TSide::Blue, 3)->text(), QStringLiteral("10"));
  EXPECT_EQ(Dialog->lblLastJudge->text(), QStringLiteral("None"));
  EXPECT_FALSE(Dialog->btnApply->isEnabled());
  EXPECT_TRUE(Dialog->tmrPoll->isActive());
}

TEST_F(TestButtonsTest, HeldButtonIsLearnedIntoTheFocusedFieldAndApplied) {
  SelectJudge(2);
  Learn(Field(TSide::Red, 1), 1, 11);
  EXPECT_EQ(Field(TSide::Red, 1)->text(), QStringLiteral("11"));
  EXPECT_EQ(Dialog->lblLastBtn->text(), QStringLiteral("11"));
  ASSERT_TRUE(Dialog->btnApply->isEnabled());
  EXPECT_EQ(Dialog->focusWidget(), Dialog->btnApply) << "learning ends once the fields are valid";

  Dialog->btnApply->click();
  EXPECT_EQ(VoteOf(Judges[1], TSide::Red, 1), PadButton(1, 11));
  EXPECT_EQ(VoteOf(Judges[1], TSide::Red, 2), PadButton(1, 7));
  EXPECT_EQ(VoteOf(Judges[0], TSide::Red, 1), PadButton(0, 5)) << "the other judge keeps its buttons";
  EXPECT_FALSE(Dialog->btnApply->isEnabled());
  EXPECT_EQ(ButtonNumber(FConfig, TSide::Red, 1), 5);
}

TEST_F(TestButtonsTest, AssignedButtonShowsAtItsPressAndIsLearnedWhileHeld) {
  SelectJudge(2);
  Field(TSide::Blue, 2)->setFocus();
  Press(1, 5);  // judge 2's red one-point button
  Poll();
  EXPECT_EQ(Dialog->lblLastBtn->text(), QStringLiteral("5"));
  EXPECT_EQ(Dialog->lblLastJudge->text(), QStringLiteral("Judge 2"));
  EXPECT_FALSE(PadButton(1, 5)->Pending) << "the press is used up when it is shown";
  EXPECT_EQ(Field(TSide::Blue, 2)->text(), QStringLiteral("8"));

  Poll();
  EXPECT_EQ(Field(TSide::Blue, 2)->text(), QStringLiteral("5"));
  EXPECT_FALSE(Dialog->btnApply->isEnabled()) << "5 is now in two fields";
  EXPECT_EQ(Dialog->focusWidget(), Field(TSide::Blue, 2));
}

TEST_F(TestButtonsTest, OtherButtonIsReportedAtItsReleaseWithItsJudge) {
  SelectJudge(2);
  Press(0, 3);
  Poll();
  EXPECT_EQ(Dialog->lblLastJudge->text(), QStringLiteral("None"));
  Release(0, 3);
  Poll();
  EXPECT_EQ(Dialog->lblLastBtn->text(), QStringLiteral("3"));
  EXPECT_EQ(Dialog->lblLastJudge->text(), QStringLiteral("Judge 1"));
  EXPECT_FALSE(PadButton(0, 3)->Pending);
}

TEST_F(TestButtonsTest, ApplyStopsAtTheFirstFieldThatIsNotAWholeNumber) {
  Learn(Field(TSide::Red, 1), 0, 12);
  ASSERT_TRUE(Dialog->btnApply->isEnabled());
  Field(TSide::Red, 3)->setText(QStringLiteral("x9"));
  Dialog->btnApply->click();

  EXPECT_EQ(FBoxes.LastMessage().Kind, TMessageKind::Error);
  EXPECT_EQ(FBoxes.LastMessage().Text, QStringLiteral("'x9' is not a valid integer value."));
  EXPECT_EQ(VoteOf(Judges[0], TSide::Red, 1), PadButton(0, 12)) << "the fields before it are applied";
  EXPECT_EQ(VoteOf(Judges[0], TSide::Red, 3), PadButton(0, 9));
  EXPECT_TRUE(Dialog->btnApply->isEnabled());
}

TEST_F(TestButtonsTest, NumberTheGamepadLacksLeavesTheVoteUnassigned) {
  Learn(Field(TSide::Red, 1), 0, 12);
  Field(TSide::Blue, 1)->setText(QStringLiteral("13"));
  Dialog->btnApply->click();
  EXPECT_EQ(VoteOf(Judges[0], TSide::Blue, 1), nullptr);
  EXPECT_EQ(FBoxes.Count(), 0);
}

TEST_F(TestButtonsTest, ShownAssignmentsMustBeDifferentTrimmedTexts) {
  struct TCase {
    QString RedOne;
    QString BlueThree;
    bool Valid;
  };
  const TCase Cases[] = {
      {"11", "10", true}, {"", "10", false}, {" 5", "10", false},  // red two's "5" once trimmed
      {"05", "10", true},  // another text, though the same button
      {"11", "9", false},
  };
  for (const TCase& Case : Cases) {
    Field(TSide::Red, 1)->setText(Case.RedOne);
    Field(TSide::Red, 2)->setText(QStringLiteral("5"));
    Field(TSide::Blue, 3)->setText(Case.BlueThree);
    EXPECT_EQ(Dialog->AssignmentsValid(), Case.Valid)
        << Case.RedOne.toStdString() << " / " << Case.BlueThree.toStdString();
  }
}

// The classic rules score 1 to 3 only: the 4 and 5 fields are hidden, need
// no buttons (these pads have no 13 and 14) and keep the judge's buttons.
TEST_F(TestButtonsTest, UnderClassicRulesOnlyTheOneToThreeButtonsShowAndApply) {
  for (const TSide Side : {TSide::Red, TSide::Blue}) {
    for (int32_t Points = 1; Points <= 5; ++Points) {
      EXPECT_EQ(Field(Side, Points)->isVisible(), Points <= 3) << Points;
    }
  }
  EXPECT_EQ(Field(TSide::Red, 5)->text(), QString()) << "the pad lacks button 13";
  Field(TSide::Red, 4)->setText(QStringLiteral("7"));  // red two's button
  Learn(Field(TSide::Red, 1), 0, 12);
  ASSERT_TRUE(Dialog->btnApply->isEnabled());
  Dialog->btnApply->click();
  EXPECT_EQ(VoteOf(Judges[0], TSide::Red, 1), PadButton(0, 12));
  EXPECT_EQ(VoteOf(Judges[0], TSide::Red, 4), PadButton(0, 11));
  EXPECT_EQ(VoteOf(Judges[0], TSide::Red, 5), nullptr);

  Time.AdvanceMs(501);  // the lights forget the learning press of 12
  Press(0, 11);  // judge 1's red four-point button
  Poll();
  EXPECT_TRUE(PadButton(0, 11)->Pending) << "no vote under these rules, so not used up";
  EXPECT_EQ(Dialog->shpR->LightColor(), clUnlitLight);
}

TEST_F(TestButtonsTest, SelectedJudgesLightsShowItsPressesForHalfASecond) {
  Press(0, 7);  // judge 1's red two-point button
  Poll();
  EXPECT_EQ(Dialog->shpR->LightColor(), FConfig.TwoPointColor);
  EXPECT_EQ(Dialog->shpB->LightColor(), clUnlitLight);
  ASSERT_TRUE(Dialog->tmrHandset->isActive());
  Time.AdvanceMs(501);
  Dialog->tmrHandSetTimer();
  EXPECT_EQ(Dialog->shpR->LightColor(), clUnlitLight);
  EXPECT_FALSE(Dialog->tmrHandset->isActive());
}

TEST_F(TestButtonsTest, ClosingRemovesTheGamepadHandlers) {
  ASSERT_TRUE(JoySticks->OnPoll);
  Dialog.reset();
  EXPECT_FALSE(JoySticks->OnPoll);
  EXPECT_FALSE(JoySticks->LockList()[0].OnButtonClick);
  EXPECT_FALSE(JoySticks->LockList()[1].OnButtonClick);
}

// Best of three over SDL virtual pads of 24 buttons: all ten vote buttons.
class TestButtonsBestOfThreeTest : public TGamepadManagerFixture {
 protected:
  void Configure() override { FConfig.Rules = QStringLiteral("BestOfThree"); }
  void AttachPads() override { Pads.emplace(2, 24); }
  void SetButton(int Pad, int Button, bool Pressed) override {
    Pads->SetButton(Pad, Button, Pressed);
  }

  std::optional<TVirtualGamepads> Pads;
};

struct TTaughtVote {
  TSide Side;
  int32_t Points;
  int32_t Default;  // its button in a new settings file
  int32_t Taught;
  TColor TTKDConfig::*Light;
};
const TTaughtVote TaughtVotes[] = {
    {TSide::Red, 1, 5, 15, &TTKDConfig::OnePointColor},
    {TSide::Red, 2, 7, 16, &TTKDConfig::TwoPointColor},
    {TSide::Red, 3, 9, 17, &TTKDConfig::ThreePointColor},
    {TSide::Red, 4, 11, 18, &TTKDConfig::ThreePointColor},
    {TSide::Red, 5, 13, 19, &TTKDConfig::ThreePointColor},
    {TSide::Blue, 1, 6, 20, &TTKDConfig::OnePointColor},
    {TSide::Blue, 2, 8, 21, &TTKDConfig::TwoPointColor},
    {TSide::Blue, 3, 10, 22, &TTKDConfig::ThreePointColor},
    {TSide::Blue, 4, 12, 23, &TTKDConfig::ThreePointColor},
    {TSide::Blue, 5, 14, 24, &TTKDConfig::ThreePointColor},
};

// Each of the ten is shown with the judge's button, taught another while
// held, applied, and then tested: its press shows with its judge and lights
// the light of its side in the colour of its value.
TEST_F(TestButtonsBestOfThreeTest, AllTenVoteButtonsAreShownTaughtAndTested) {
  SelectJudge(2);
  for (const TTaughtVote& Vote : TaughtVotes) {
    SCOPED_TRACE(testing::Message() << (Vote.Side == TSide::Red ? "red " : "blue ") << Vote.Points);
    EXPECT_TRUE(Field(Vote.Side, Vote.Points)->isVisible());
    EXPECT_EQ(Field(Vote.Side, Vote.Points)->text(), QString::number(Vote.Default));
    Learn(Field(Vote.Side, Vote.Points), 1, Vote.Taught);
    EXPECT_EQ(Field(Vote.Side, Vote.Points)->text(), QString::number(Vote.Taught));
    EXPECT_EQ(VoteOf(Judges[1], Vote.Side, Vote.Points), PadButton(1, Vote.Default))
        << "nothing changes before Apply";
  }
  ASSERT_TRUE(Dialog->btnApply->isEnabled());
  Dialog->btnApply->click();
  Time.AdvanceMs(501);  // the lights forget the learning presses

  for (const TTaughtVote& Vote : TaughtVotes) {
    SCOPED_TRACE(testing::Message() << (Vote.Side == TSide::Red ? "red " : "blue ") << Vote.Points);
    EXPECT_EQ(VoteOf(Judges[1], Vote.Side, Vote.Points), PadButton(1, Vote.Taught));
    EXPECT_EQ(VoteOf(Judges[0], Vote.Side, Vote.Points), PadButton(0, Vote.Default))
        << "the other judge keeps its buttons";

    Press(1, Vote.Taught);
    Poll();
    EXPECT_EQ(Dialog->lblLastBtn->text(), QString::number(Vote.Taught));
    EXPECT_EQ(Dialog->lblLastJudge->text(), QStringLiteral("Judge 2"));
    EXPECT_FALSE(PadButton(1, Vote.Taught)->Pending) << "the press is used up when it is shown";
    TBoardShape* Lit = Vote.Side == TSide::Red ? Dialog->shpR : Dialog->shpB;
    TBoardShape* Unlit = Vote.Side == TSide::Red ? Dialog->shpB : Dialog->shpR;
    EXPECT_EQ(Lit->LightColor(), FConfig.*Vote.Light);
    EXPECT_EQ(Unlit->LightColor(), clUnlitLight);
    Release(1, Vote.Taught);
    Poll();
    Time.AdvanceMs(501);
    Dialog->tmrHandSetTimer();
    EXPECT_EQ(Lit->LightColor(), clUnlitLight);
  }
}

// The board's "Gamepad manager ..." entry, with two scripted pads.
class GamepadManagerCommandTest : public TBoardFixture {
 protected:
  GamepadManagerCommandTest() {
    FJoysticks.AddPad(12);
    FJoysticks.AddPad(12);
  }

  // Runs the command and reports the judges listed by the dialog it showed
  // (closing it at once), or nullopt when none showed.
  std::optional<int> RunCommandAndClose() {
    TfrmDorvane& Board = this->Board();
    std::optional<int> Listed;
    bool Looked = false;
    QTimer::singleShot(0, [&] {
      Looked = true;
      if (auto* Dialog = qobject_cast<TfrmTestButtons*>(QApplication::activeModalWidget())) {
        Listed = Dialog->lstJudge->count();
        Dialog->close();
      }
    });
    Board.mniButtonMgrClick();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Looked; }, 5000));
    return Listed;
  }
};

TEST_F(GamepadManagerCommandTest, OpensModallyOnlyWhileNoClockExistsAndCleansUp) {
  EXPECT_EQ(RunCommandAndClose(), 2);
  EXPECT_FALSE(Board().JoySticks().OnPoll) << "the dialog is gone with its handlers";

  Board().RoundFlow().StartRound();
  ASSERT_TRUE(Board().RoundFlow().ClockExists());
  EXPECT_EQ(RunCommandAndClose(), std::nullopt);
  Board().RoundFlow().StopRound();
  EXPECT_TRUE(QTest::qWaitFor([this] { return !Board().RoundFlow().ClockExists(); }, 10000));
}

}  // namespace
