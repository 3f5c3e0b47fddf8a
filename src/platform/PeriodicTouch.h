#pragma once

#include <QString>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/FileTouch.h"

// Marks a file (TFileTouch) every Interval while started, from a thread of
// its own: a mark many times a second then costs the main thread's event
// loop no wake-up.
class TPeriodicTouch {
 public:
  // Told, on the marking thread, of the first failure after a success.
  using TFailureEvent = std::function<void(const QString& Error)>;

  TPeriodicTouch(QString Path, std::chrono::milliseconds Interval, TFailureEvent OnFailure);
  ~TPeriodicTouch();
  TPeriodicTouch(const TPeriodicTouch&) = delete;
  TPeriodicTouch& operator=(const TPeriodicTouch&) = delete;

  // The first mark comes one Interval after Start.
  void Start();
  void Stop();
  // The file was replaced by another under its name.
  void Reopen();

 private:
  void Run();

  const std::chrono::milliseconds FInterval;
  const TFailureEvent FOnFailure;
  std::mutex FLock;
  std::condition_variable FWake;
  TFileTouch FTouch;  // guarded by FLock
  bool FRunning = false;
  bool FFailing = false;
  std::thread FThread;
};
