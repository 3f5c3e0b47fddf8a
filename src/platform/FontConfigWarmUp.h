#pragma once

#include <string>
#include <thread>

// Reads the system's font configuration on a thread of its own while the
// program connects to the window system. The board's first text would
// otherwise wait for it on the main thread: several milliseconds with the
// fonts for every script installed. Qt then finds the configuration read.
// The thread calls nothing of Qt: Qt takes the first thread that uses it for
// the program's main thread, and this one may come before the application.
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
  // Why the configuration was not read ahead; told by Wait on its caller's
  // thread. Made before the thread that writes it.
  std::string FFailure;
  std::thread FThread;
};
