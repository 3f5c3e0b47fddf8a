#include "input/GamepadWatch.h"

#include "input/GamepadDevices.h"

TGamepadWatch::TGamepadWatch(TSysJoySticks& JoySticks, TJudgeList& Judges, const TTKDConfig& Config,
                             const TJudgeLights& RedLights, const TJudgeLights& BlueLights)
    : FJoySticks(JoySticks), FConfig(Config), FSlots(Judges, RedLights, BlueLights) {
  FTimer.setInterval(IdleIntervalMs);
  connect(&FTimer, &QTimer::timeout, this, [this] { Check(); });
  FTimer.start();
}

void TGamepadWatch::Check() {
  FSlots.Update(FJoySticks.TakeDeviceChanges(), FConfig);
  if (OnChecked) OnChecked();
}

void TGamepadWatch::SetClockRunning(bool Running, bool PadsPolled) {
  const int Interval = Running && !PadsPolled ? ClockIntervalMs : IdleIntervalMs;
  if (FTimer.interval() == Interval) return;
  FTimer.start(Interval);
}
