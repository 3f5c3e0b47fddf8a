#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>

// One QCoreApplication per test process: the core's tests need no screen.
int main(int argc, char** argv) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  testing::InitGoogleTest(&argc, argv);
  QCoreApplication App(argc, argv);
  return RUN_ALL_TESTS();
}
