// The clock's hand-off to the main thread while the operator has a modal
// dialog open: the dialog's own event loop runs the hand-offs.
#include <gtest/gtest.h>

#include <QDialog>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <thread>
#include <vector>

#include "platform/MainThread.h"

namespace {

class MainThreadHandOffDialogTest : public testing::Test {
 protected:
  ~MainThreadHandOffDialogTest() override { ReopenMainThreadHandOff(); }
  QThread* const Main = QThread::currentThread();
};

TEST_F(MainThreadHandOffDialogTest, HandOffsRunWhileAModalDialogIsOpen) {
  QEventLoop Outer;
  QDialog Dialog;
  std::vector<int> LoopLevels;
  std::thread Worker;
  QTimer::singleShot(0, &Outer, [&] {
    Worker = std::thread([&] {
      for (int I = 0; I < 50; ++I) {
        RunOnMainThread([&] { LoopLevels.push_back(Main->loopLevel()); });
      }
      RunOnMainThread([&] { Dialog.accept(); });
    });
    Dialog.exec();
    Outer.quit();
  });
  QTimer::singleShot(10000, &Outer, [&] { Dialog.reject(); });
  Outer.exec();
  Worker.join();

  ASSERT_EQ(LoopLevels.size(), 50u);
  for (int Level : LoopLevels) EXPECT_EQ(Level, 2) << "run inside the dialog's own loop";
}

}  // namespace
