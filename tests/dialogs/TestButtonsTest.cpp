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
#include "support/ui/BoardFixture.h"
#include "widgets/BoardShapes.h"

namespace {

constexpr double Start = 46000.5;

// Two judges on scripted pads of 12 buttons with the default vote buttons
// (R1 5, R2 7, R3 9, B1 6, B2 8, B3 10), and the dialog shown over them. The
// test runs the dialog's polls itself, one fake millisecond apart.
class TestButtonsTest : public TDialogFixture {
 protected:
  void SetUp() override {
    TDialogFixture::SetUp();
    Pads.AddPad(12);
    Pads.AddPad(12);
    JoySticks.emplace();
    BuildJudges(Judges, *JoySticks, FConfig, {}, {});
    Dialog.emplace(nullptr, *JoySticks, Judges, FConfig);
    Dialog->show();
  }

  void TearDown() override {
    Dialog.reset();
    TDialogFixture::TearDown();
  }

  void Poll() {
    Time.AdvanceMs(1);
    Dialog->tmrPollTimer();
  }

  void SelectJudge(int Number) { Dialog->lstJudge->setCurrentRow(Number - 1); }

  TJoyButton* PadButton(int Pad, int Number) {
    return JoySticks->LockList()[Pad].Buttons.FindButton(Number);
  }

  // Holds a button on the selected judge's pad until it has been learned.
  void Learn(QLineEdit* Field, int Pad, int Button) {
    Field->setFocus();
    Pads.Press(Pad, Button);
    Poll();
    Poll();
    Pads.Release(Pad, Button);
    Poll();
  }

  TFakeTimeSource Time{Start};
  TFakeTimeScope TimeScope{Time};
  TFakeJoystickApi Pads;
  TFakeJoystickScope PadScope{Pads};
  std::optional<TSysJoySticks> JoySticks;
  TJudgeList Judges;
  std::optional<TfrmTestButtons> Dialog;
};

TEST_F(TestButtonsTest, ShowListsTheJudgesAndFillsTheFirstJudgesButtons) {
  ASSERT_EQ(Dialog->lstJudge->count(), 2);
  EXPECT_EQ(Dialog->lstJudge->item(1)->text(), QStringLiteral("Judge 2"));
  EXPECT_EQ(Dialog->lstJudge->currentRow(), 0);
  EXPECT_EQ(Dialog->edtRedOnePoint->text(), QStringLiteral("5"));
  EXPECT_EQ(Dialog->edtBlueThreePoint->text(), QStringLiteral("10"));
  EXPECT_EQ(Dialog->lblLastJudge->text(), QStringLiteral("None"));
  EXPECT_FALSE(Dialog->btnApply->isEnabled());
  EXPECT_TRUE(Dialog->tmrPoll->isActive());
}

TEST_F(TestButtonsTest, HeldButtonIsLearnedIntoTheFocusedFieldAndApplied) {
  SelectJudge(2);
  Learn(Dialog->edtRedOnePoint, 1, 11);
  EXPECT_EQ(Dialog->edtRedOnePoint->text(), QStringLiteral("11"));
  EXPECT_EQ(Dialog->lblLastBtn->text(), QStringLiteral("11"));
  ASSERT_TRUE(Dialog->btnApply->isEnabled());
  EXPECT_EQ(Dialog->focusWidget(), Dialog->btnApply) << "learning ends once the fields are valid";

  Dialog->btnApply->click();
  EXPECT_EQ(Judges[1].RedOnePoint, PadButton(1, 11));
  EXPECT_EQ(Judges[1].RedTwoPoint, PadButton(1, 7));
  EXPECT_EQ(Judges[0].RedOnePoint, PadButton(0, 5)) << "the other judge keeps its buttons";
  EXPECT_FALSE(Dialog->btnApply->isEnabled());
  EXPECT_EQ(FConfig.R1, 5);
}

TEST_F(TestButtonsTest, AssignedButtonShowsAtItsPressAndIsLearnedWhileHeld) {
  SelectJudge(2);
  Dialog->edtBlueTwoPoint->setFocus();
  Pads.Press(1, 5);  // judge 2's red one-point button
  Poll();
  EXPECT_EQ(Dialog->lblLastBtn->text(), QStringLiteral("5"));
  EXPECT_EQ(Dialog->lblLastJudge->text(), QStringLiteral("Judge 2"));
  EXPECT_FALSE(PadButton(1, 5)->Pending) << "the press is used up when it is shown";
  EXPECT_EQ(Dialog->edtBlueTwoPoint->text(), QStringLiteral("8"));

  Poll();
  EXPECT_EQ(Dialog->edtBlueTwoPoint->text(), QStringLiteral("5"));
  EXPECT_FALSE(Dialog->btnApply->isEnabled()) << "5 is now in two fields";
  EXPECT_EQ(Dialog->focusWidget(), Dialog->edtBlueTwoPoint);
}

TEST_F(TestButtonsTest, OtherButtonIsReportedAtItsReleaseWithItsJudge) {
  SelectJudge(2);
  Pads.Press(0, 3);
  Poll();
  EXPECT_EQ(Dialog->lblLastJudge->text(), QStringLiteral("None"));
  Pads.Release(0, 3);
  Poll();
  EXPECT_EQ(Dialog->lblLastBtn->text(), QStringLiteral("3"));
  EXPECT_EQ(Dialog->lblLastJudge->text(), QStringLiteral("Judge 1"));
  EXPECT_FALSE(PadButton(0, 3)->Pending);
}

TEST_F(TestButtonsTest, ApplyStopsAtTheFirstFieldThatIsNotAWholeNumber) {
  Learn(Dialog->edtRedOnePoint, 0, 12);
  ASSERT_TRUE(Dialog->btnApply->isEnabled());
  Dialog->edtRedThreePoint->setText(QStringLiteral("x9"));
  Dialog->btnApply->click();

  EXPECT_EQ(FBoxes.LastMessage().Kind, TMessageKind::Error);
  EXPECT_EQ(FBoxes.LastMessage().Text, QStringLiteral("'x9' is not a valid integer value."));
  EXPECT_EQ(Judges[0].RedOnePoint, PadButton(0, 12)) << "the fields before it are applied";
  EXPECT_EQ(Judges[0].RedThreePoint, PadButton(0, 9));
  EXPECT_TRUE(Dialog->btnApply->isEnabled());
}

TEST_F(TestButtonsTest, NumberTheGamepadLacksLeavesTheVoteUnassigned) {
  Learn(Dialog->edtRedOnePoint, 0, 12);
  Dialog->edtBlueOnePoint->setText(QStringLiteral("13"));
  Dialog->btnApply->click();
  EXPECT_EQ(Judges[0].BlueOnePoint, nullptr);
  EXPECT_EQ(FBoxes.Count(), 0);
}

TEST_F(TestButtonsTest, AssignmentsMustBeSixDifferentTrimmedTexts) {
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
    Dialog->edtRedOnePoint->setText(Case.RedOne);
    Dialog->edtRedTwoPoint->setText(QStringLiteral("5"));
    Dialog->edtBlueThreePoint->setText(Case.BlueThree);
    EXPECT_EQ(Dialog->AssignmentsValid(), Case.Valid)
        << Case.RedOne.toStdString() << " / " << Case.BlueThree.toStdString();
  }
}

TEST_F(TestButtonsTest, SelectedJudgesLightsShowItsPressesForHalfASecond) {
  Pads.Press(0, 7);  // judge 1's red two-point button
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
