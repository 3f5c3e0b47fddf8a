#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "input/JudgeSlots.h"

class TSysJoySticks;
class TTKDConfig;

// Looks for pads plugged in and out a few times a second, clock or no clock,
// and keeps the judges' seats in step. Main thread only.
class TGamepadWatch : public QObject {
 public:
  static constexpr int IntervalMs = 200;

  TGamepadWatch(TSysJoySticks& JoySticks, TJudgeList& Judges, const TTKDConfig& Config,
                const TJudgeLights& RedLights, const TJudgeLights& BlueLights);

  // One look now; the timer calls it too.
  void Check();
  // Raised after every look, for views that show the pads' state.
  std::function<void()> OnChecked;

 private:
  TSysJoySticks& FJoySticks;
  const TTKDConfig& FConfig;
  TJudgeSlots FSlots;
  QTimer FTimer;
};
