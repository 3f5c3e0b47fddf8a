// How late the clock announces the end of a round, against a monotonic clock.
// Usage: bench_ClockAccuracy [round seconds = 10] [runs = 5]

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "clock/TimerThread.h"
#include "model/ScoreManager.h"

namespace {

using TSteady = std::chrono::steady_clock;

struct TRunFigures {
  double EndErrorMs;
  int Ticks;
};

TRunFigures MeasureOneRound(double RoundSeconds) {
  TDorvaneMgr Mgr;
  auto Clock = std::make_unique<TTimerThread>(Mgr, TClockRun{.RoundTime = RoundSeconds});
  Clock->CuePlayer = nullptr;
  QEventLoop Ended;
  TSteady::time_point EndAnnounced;
  int Ticks = 0;
  Clock->OnTick = [&](TTimerThread&, TClockState, double, double) { ++Ticks; };
  Clock->OnStateChange = [&](TTimerThread&, TClockState State) {
    if (State == csEnded) EndAnnounced = TSteady::now();
  };
  Clock->OnTerminate = [&](TTimerThread&) { Ended.quit(); };

  const TSteady::time_point Started = TSteady::now();
  Clock->Start();
  Ended.exec();
  const double ElapsedMs =
      std::chrono::duration<double, std::milli>(EndAnnounced - Started).count();
  return {ElapsedMs - RoundSeconds * 1000.0, Ticks};
}

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  const size_t Middle = Values.size() / 2;
  return Values.size() % 2 ? Values[Middle] : (Values[Middle - 1] + Values[Middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication App(argc, argv);
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each run's line as soon as it is measured
  const double RoundSeconds = argc > 1 ? std::atof(argv[1]) : 10.0;
  const int Runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

  std::vector<double> Errors;
  for (int Run = 1; Run <= Runs; ++Run) {
    const TRunFigures Figures = MeasureOneRound(RoundSeconds);
    Errors.push_back(Figures.EndErrorMs);
    std::printf("run %d: end announced %+.2f ms after %.1f s, %d ticks (%.2f ms per tick)\n", Run,
                Figures.EndErrorMs, RoundSeconds, Figures.Ticks,
                RoundSeconds * 1000.0 / std::max(1, Figures.Ticks));
  }
  std::printf("median end error over %d runs: %+.2f ms\n", Runs, Median(Errors));
  return 0;
}
