#include "platform/LogThrottle.h"

#include <utility>

#include "platform/TimeSource.h"

TLogThrottle::TLogThrottle(int FullPerPeriod, double PeriodMs, TReport ReportHeldBack)
    : FFullPerPeriod(FullPerPeriod), FPeriodMs(PeriodMs), FReport(std::move(ReportHeldBack)) {}

TLogThrottle::~TLogThrottle() { ReportHeldBack(); }

bool TLogThrottle::Admit() {
  const double NowMs = TimeSource().MonotonicMs();
  if (!FAnyYet || NowMs - FPeriodStartMs >= FPeriodMs) {
    // Some held back in the period just over: the flood goes on.
    const bool Flooding = FHeldBack > 0 && NowMs - FPeriodStartMs < 2 * FPeriodMs;
    ReportHeldBack();
    FAnyYet = true;
    FPeriodStartMs = NowMs;
    if (!Flooding) FFull = 0;
  }
  if (FFull < FFullPerPeriod) {
    ++FFull;
    return true;
  }
  ++FHeldBack;
  return false;
}

void TLogThrottle::ReportHeldBack() {
  if (FHeldBack == 0) return;
  FReport(std::exchange(FHeldBack, 0));
}
