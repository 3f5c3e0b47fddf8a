#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// One QApplication per test process, headless unless the caller chose a platform.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  testing::InitGoogleTest(&argc, argv);
  QApplication App(argc, argv);
  return RUN_ALL_TESTS();
}
