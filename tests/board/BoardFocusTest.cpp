#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include "support/ui/BoardFixture.h"

namespace {

class BoardFocusTest : public TBoardFixture {};

// Without a window manager nobody hands the keyboard back when a dialog
// closes; the board takes it itself, or the next F2 would score nothing.
TEST_F(BoardFocusTest, TheBoardTakesTheKeysBackWhenAModalDialogCloses) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Board()));
  QDialog Dialog(&Board());
  QTimer::singleShot(0, &Dialog, [&Dialog] {
    Dialog.activateWindow();
    Dialog.reject();
  });
  Dialog.exec();
  EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &Board(); }, 5000));

  PressKey(Qt::Key_F2);
  EXPECT_EQ(Text("lblRedScore"), "1");
}

}  // namespace
