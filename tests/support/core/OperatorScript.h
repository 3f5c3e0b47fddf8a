#pragma once

#include <cmath>
#include <functional>
#include <map>
#include <mutex>

#include "platform/MainThread.h"
#include "platform/TimeSource.h"

// Operator commands that arrive when the clock's sleeps reach their fake time:
// each runs on the main thread while the clock waits, like a key pressed
// between two passes of the clock.
class TOperatorScript : public TFakeTimeSource {
 public:
  void Sleep(int Ms) override {
    TFakeTimeSource::Sleep(Ms);
    while (std::function<void()> Action = TakeDue()) RunOnMainThread(Action);
  }
  // Ms fake milliseconds from now.
  void After(int64_t Ms, std::function<void()> Action) {
    std::lock_guard Lock(FLock);
    FActions.emplace(NowMs() + Ms, std::move(Action));
  }
  int64_t NowMs() { return std::llround(Now() * MsPerDay); }

 private:
  std::function<void()> TakeDue() {
    std::lock_guard Lock(FLock);
    if (FActions.empty() || FActions.begin()->first > NowMs()) return nullptr;
    auto Action = std::move(FActions.begin()->second);
    FActions.erase(FActions.begin());
    return Action;
  }

  std::mutex FLock;
  std::multimap<int64_t, std::function<void()>> FActions;
};
