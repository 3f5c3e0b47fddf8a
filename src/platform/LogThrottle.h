#pragma once

#include <cstdint>
#include <functional>

// Keeps a flood of one kind of warning from flooding the log: the first few
// of a period are logged in full, the rest only counted, and their count is
// reported once the period is over (with the next one of the kind, or when
// the throttle goes). While the flood lasts, each period brings only its
// count; after a whole period without any, the first few show in full
// again. Time comes from TimeSource(). One thread at a time.
class TLogThrottle {
 public:
  using TReport = std::function<void(int64_t HeldBack)>;
  TLogThrottle(int FullPerPeriod, double PeriodMs, TReport ReportHeldBack);
  // Reports what is still held back.
  ~TLogThrottle();
  TLogThrottle(const TLogThrottle&) = delete;
  TLogThrottle& operator=(const TLogThrottle&) = delete;

  // One more of the kind: true when it is to be logged in full.
  bool Admit();

 private:
  void ReportHeldBack();

  const int FFullPerPeriod;
  const double FPeriodMs;
  TReport FReport;
  double FPeriodStartMs = 0;
  bool FAnyYet = false;
  int FFull = 0;
  int64_t FHeldBack = 0;
};
