// Keys while the popup menu is open, pressed as the operator presses them.

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "model/ScoreManager.h"
#include "support/ui/BoardFixture.h"

namespace {

class PopupMenuKeysTest : public TBoardFixture {
 protected:
  QMenu* OpenMenu() {
    QMenu* Menu = Board().PopupMenu();
    Menu->popup(QPoint(10, 10));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Menu));
    return Menu;
  }
  QLineEdit* RoundField() {
    return Board().PopupMenu()->findChild<QLineEdit*>(QStringLiteral("mniSetRound"));
  }
  // Where a key goes now: the open menu takes the keyboard.
  QWidget* KeyTarget() {
    QWidget* Popup = QApplication::activePopupWidget();
    return Popup ? Popup : &Board();
  }
};

// After Enter in "Set round" a second Enter (with "New game" highlighted
// before) used to start a new game and wipe the match.
TEST_F(PopupMenuKeysTest, EnterInSetRoundSetsTheRoundAndClosesTheMenuOnly) {
  Board().ScoreMgr().SetRedScore(5);
  QMenu* Menu = OpenMenu();
  Menu->setActiveAction(Menu->actions().first());  // "New game"
  QLineEdit* Field = RoundField();
  Field->setFocus();
  Field->selectAll();
  QTest::keyClicks(Field, QStringLiteral("2"));
  QTest::keyClick(Field, Qt::Key_Return);
  EXPECT_FALSE(Menu->isVisible());
  QTest::keyClick(KeyTarget(), Qt::Key_Return);
  EXPECT_EQ(Board().ScoreMgr().Round(), 2);
  EXPECT_EQ(Text("lblRound"), QStringLiteral("2"));
  EXPECT_EQ(Board().ScoreMgr().RedScore(), 5);
  EXPECT_EQ(FBoxes.Count(), 0);
}

TEST_F(PopupMenuKeysTest, EscapeInSetRoundClosesTheMenuWithoutAChange) {
  QMenu* Menu = OpenMenu();
  QLineEdit* Field = RoundField();
  Field->setFocus();
  Field->selectAll();
  QTest::keyClicks(Field, QStringLiteral("3"));
  QTest::keyClick(Field, Qt::Key_Escape);
  EXPECT_FALSE(Menu->isVisible());
  EXPECT_EQ(Board().ScoreMgr().Round(), 1);
  EXPECT_EQ(Text("lblRound"), QStringLiteral("1"));
}

struct TKeyCase {
  const char* Name;
  bool InField;
  Qt::Key Key;
  Qt::KeyboardModifiers Modifiers;
};

const TKeyCase KeyCases[] = {
    {"CtrlXOnTheMenu", false, Qt::Key_X, Qt::ControlModifier},
    {"CtrlXInTheRoundField", true, Qt::Key_X, Qt::ControlModifier},
    {"F2OnTheMenu", false, Qt::Key_F2, Qt::NoModifier},
    {"ShiftF5InTheRoundField", true, Qt::Key_F5, Qt::ShiftModifier},
};

class PopupCommandKeyTest : public PopupMenuKeysTest,
                            public testing::WithParamInterface<TKeyCase> {};

TEST_P(PopupCommandKeyTest, ClosesTheMenuThenRunsTheCommand) {
  const TKeyCase& Case = GetParam();
  Board().ScoreMgr().SetBlueScore(3);
  QMenu* Menu = OpenMenu();
  QWidget* Target = Menu;
  if (Case.InField) {
    RoundField()->setFocus();
    Target = RoundField();
  }
  QTest::keyClick(Target, Case.Key, Case.Modifiers);
  EXPECT_FALSE(Menu->isVisible());
  if (Case.Key == Qt::Key_X) {
    EXPECT_FALSE(Board().isVisible()) << "the board has closed";
  } else if (Case.Key == Qt::Key_F2) {
    EXPECT_EQ(Board().ScoreMgr().RedScore(), 1);
  } else {
    EXPECT_EQ(Board().ScoreMgr().BlueScore(), 2);
  }
}

INSTANTIATE_TEST_SUITE_P(Keys, PopupCommandKeyTest, testing::ValuesIn(KeyCases),
                         [](const testing::TestParamInfo<TKeyCase>& Info) {
                           return std::string(Info.param.Name);
                         });

}  // namespace
