// One poll of the gamepad list over four SDL virtual pads of 12 buttons: the
// work the clock thread does on every pass of a round. Also counts the heap
// allocations made while polling, which must be none.
#include <benchmark/benchmark.h>

#include "input/GamepadDevices.h"
#include "support/AllocationCounter.h"
#include "support/core/VirtualGamepads.h"

namespace {

void BM_GamepadListPoll(benchmark::State& State) {
  TVirtualGamepads Pads(4, 12);
  TSysJoySticks JoySticks;
  if (JoySticks.Count() != 4) {
    State.SkipWithError("expected exactly four gamepads");
    return;
  }
  // Handlers like the clock's, so the poll raises its events for real.
  int64_t Clicks = 0;
  int64_t Polls = 0;
  for (int32_t Pad = 0; Pad < 4; ++Pad) {
    JoySticks.LockList()[Pad].OnButtonClick = [&Clicks](TMyJoyStick&, TJoyButton&, int32_t, double,
                                                        bool&) { ++Clicks; };
  }
  JoySticks.OnPoll = [&Polls](TSysJoySticks&) { ++Polls; };
  // Pads with held and pending buttons, which is when a poll has most to do.
  for (int Pad = 0; Pad < 4; ++Pad) {
    Pads.Press(Pad, 5);
    Pads.Press(Pad, 6);
  }
  JoySticks.Poll();
  for (int Pad = 0; Pad < 4; ++Pad) Pads.Release(Pad, 6);

  const int64_t AllocationsBefore = AllocationCount();
  for (auto _ : State) benchmark::DoNotOptimize(JoySticks.Poll());
  const int64_t AllocationsDuring = AllocationCount() - AllocationsBefore;

  State.counters["allocs_per_poll"] =
      benchmark::Counter(static_cast<double>(AllocationsDuring) / State.iterations());
  State.counters["clicks_per_poll"] =
      benchmark::Counter(static_cast<double>(Clicks) / (Polls ? Polls : 1));
}

BENCHMARK(BM_GamepadListPoll)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
