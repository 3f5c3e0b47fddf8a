#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "input/JudgeSlots.h"

class TSysJoySticks;
class TTKDConfig;

// Looks for pads plugged in and out, clock or no clock, and keeps the
// judges' seats in step. Main thread only.
class TGamepadWatch : public QObject {
 public:
  // While a clock runs: a judge's pad back from a glitch scores again at once.
  static constexpr int ClockIntervalMs = 200;
  // Otherwise a pad plugged in still shows within a second, and an idle
  // board is not woken five times a second.
  static constexpr int IdleIntervalMs = 1000;

  TGamepadWatch(TSysJoySticks& JoySticks, TJudgeList& Judges, const TTKDConfig& Config,
                const TJudgeLights& RedLights, const TJudgeLights& BlueLights);

  // One look now; the timer calls it too.
  void Check();
  // Looks as often as a running clock needs, or as an idle board does. A
  // clock whose polls meet pads plugged in or out has Check called at once
  // (PadsPolled): the watch then only looks as an idle board does, for news
  // a busy list kept back.
  void SetClockRunning(bool Running, bool PadsPolled);
  int IntervalMs() const { return FTimer.interval(); }
  // Raised after every look, for views that show the pads' state.
  std::function<void()> OnChecked;

 private:
  TSysJoySticks& FJoySticks;
  const TTKDConfig& FConfig;
  TJudgeSlots FSlots;
  QTimer FTimer;
};
