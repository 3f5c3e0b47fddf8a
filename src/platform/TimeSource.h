#pragma once

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

// The source the program uses: the system's monotonic clock unless another
// source is installed; nullptr goes back to the system's.
TTimeSource& TimeSource();
void SetTimeSource(TTimeSource* Source);

inline double Now() { return TimeSource().Now(); }

// Local date-time of a Unix time in milliseconds (UTC).
double LocalDateTimeFromUnixMs(int64_t UnixMs);
