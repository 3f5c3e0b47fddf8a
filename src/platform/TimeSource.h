#pragma once

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>

// Date-time values are days since 30 December 1899, local time, in a double
// with millisecond resolution. A duration in milliseconds is a difference
// times MsPerDay.
constexpr double MsPerDay = 86400000.0;
constexpr double SecondsPerDay = 86400.0;

// Where the program's times come from. Now() is the date-time that press
// times, vote windows and clock segments use: it starts at the local time of
// the program's start and then advances with a monotonic clock, so a change
// of the computer's clock never makes a running clock jump. WallNow() is the
// local wall-clock time, for record lines only.
class TTimeSource {
 public:
  virtual ~TTimeSource() = default;
  virtual double Now() = 0;
  virtual double WallNow() = 0;
  // Sleeps the calling thread; a fake advances its time instead.
  virtual void Sleep(int Ms) = 0;
  // Milliseconds of the monotonic clock behind Now(), finer than a
  // millisecond where the source has it: for deadlines and lengths.
  virtual double MonotonicMs() = 0;
  // Sleeps until MonotonicMs() reaches Ms; returns at once when it has.
  virtual void SleepUntilMs(double Ms) = 0;
};

// The source the program uses; tests install a fake and restore the real one
// with nullptr.
TTimeSource& TimeSource();
void SetTimeSource(TTimeSource* Source);

inline double Now() { return TimeSource().Now(); }

// Local date-time of a Unix time in milliseconds (UTC).
double LocalDateTimeFromUnixMs(int64_t UnixMs);

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
