// What the board shows of the judges' pads.
#include <QAction>
#include <QMenu>
#include <QTest>

#include "clock/RoundFlow.h"
#include "support/ui/BoardFixture.h"

namespace {

class JudgePadViewTest : public TBoardFixture {
 protected:
  // The missing-pad marks over judge n's red and blue lights.
  bool Marked(int Judge) {
    const QString Red = QStringLiteral("shpR%1Missing").arg(Judge);
    const QString Blue = QStringLiteral("shpB%1Missing").arg(Judge);
    QWidget* RedMark = Board().findChild<QWidget*>(Red);
    QWidget* BlueMark = Board().findChild<QWidget*>(Blue);
    EXPECT_TRUE(RedMark && BlueMark) << Judge;
    if (!RedMark || !BlueMark) return false;
    EXPECT_EQ(RedMark->isVisible(), BlueMark->isVisible()) << Judge;
    return RedMark->isVisible();
  }

  QAction* MenuEntry(const QString& Caption) {
    for (QAction* Entry : Board().PopupMenu()->actions()) {
      if (Entry->text() == Caption) return Entry;
    }
    ADD_FAILURE() << Caption.toStdString();
    return nullptr;
  }
};

TEST_F(JudgePadViewTest, OnePadOfTwoNeededMarksJudgeTwoAndNamesTheShortfall) {
  FJoysticks.AddPad(12);
  FConfig.UseElectronicScoring = true;
  EXPECT_EQ(Text("lblRoundState"), QStringLiteral("Judges: 1 of 2 pads connected"));
  EXPECT_FALSE(Marked(1));
  EXPECT_TRUE(Marked(2));
  EXPECT_FALSE(Marked(3));
  EXPECT_FALSE(Marked(4));

  // A round can still be started, and its own state texts come first.
  PressKey(Qt::Key_G, Qt::ControlModifier);
  ASSERT_TRUE(Board().RoundFlow().ClockExists());
  EXPECT_EQ(Text("lblRoundState"), QStringLiteral("Judges: 1 of 2 pads connected"));
  EXPECT_FALSE(MenuEntry(QStringLiteral("Judges' report"))->isEnabled());
  PressKey(Qt::Key_P, Qt::ControlModifier);
  EXPECT_NE(Text("lblRoundState"), QStringLiteral("Judges: 1 of 2 pads connected"));
  PressKey(Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(QTest::qWaitFor([this] { return !Board().RoundFlow().ClockExists(); }, 10000));
  EXPECT_TRUE(MenuEntry(QStringLiteral("Judges' report"))->isEnabled());
}

TEST_F(JudgePadViewTest, WithoutElectronicScoringNothingIsMarked) {
  FConfig.UseElectronicScoring = false;
  EXPECT_EQ(Text("lblRoundState"), QString());
  for (int Judge = 1; Judge <= 4; ++Judge) EXPECT_FALSE(Marked(Judge));
}

}  // namespace
