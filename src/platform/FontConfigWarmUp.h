#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own while the
// program connects to the window system. The board's first text would
// otherwise wait for it on the main thread: several milliseconds with the
// fonts for every script installed. Qt then finds the configuration read.
class TFontConfigWarmUp {
 public:
  TFontConfigWarmUp();
  // Waits for the thread.
  ~TFontConfigWarmUp();
  TFontConfigWarmUp(const TFontConfigWarmUp&) = delete;
  TFontConfigWarmUp& operator=(const TFontConfigWarmUp&) = delete;

  // Waits until the configuration is read: before the first text is laid
  // out, so that Qt does not read it a second time alongside.
  void Wait();

 private:
  std::thread FThread;
};
