#pragma once

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>

#include "platform/TimeSource.h"

// A time source that moves only when told. Safe to read from any thread.
class TFakeTimeSource : public TTimeSource {
 public:
  explicit TFakeTimeSource(double Start = 46000.5) : FMs(static_cast<int64_t>(Start * MsPerDay)) {}
  double Now() override { return FMs.load() / MsPerDay; }
  double WallNow() override { return Now(); }
  void Sleep(int Ms) override { AdvanceMs(Ms); }
  double MonotonicMs() override { return static_cast<double>(FMs.load()); }
  // Goes through Sleep, so a fake that acts on its sleeps sees every wait.
  void SleepUntilMs(double Ms) override {
    const double Wait = std::ceil(Ms - MonotonicMs());
    if (Wait > 0) Sleep(static_cast<int>(std::min(Wait, 2e9)));
  }
  void AdvanceMs(int64_t Ms) { FMs += Ms; }
  void SetNow(double DateTime) { FMs = static_cast<int64_t>(DateTime * MsPerDay + 0.5); }

 private:
  std::atomic<int64_t> FMs;
};

// Installs a fake time source for the lifetime of the object.
class TFakeTimeScope {
 public:
  explicit TFakeTimeScope(TFakeTimeSource& Fake) { SetTimeSource(&Fake); }
  ~TFakeTimeScope() { SetTimeSource(nullptr); }
  TFakeTimeScope(const TFakeTimeScope&) = delete;
  TFakeTimeScope& operator=(const TFakeTimeScope&) = delete;
};
