// Pads plugged in and out while the program runs.

#include <mutex>

#include "input/GamepadDevices.h"

std::vector<TMyJoyStick*> TSysJoySticks::TakeDeviceChanges() {
  if (JoystickApi().joyUpdateDevices()) FDeviceNewsKept = true;
  if (!FDeviceNewsKept) return {};
  // The clock thread holds the lock during a poll and may wait there for the
  // main thread, which is this one: waiting for the lock here could deadlock.
  std::unique_lock Guard(FLock, std::try_to_lock);
  if (!Guard.owns_lock()) return {};
  FDeviceNewsKept = false;

  uint32_t NextId = 0;
  for (const auto& JoyStick : FItems) {
    TJoyInfo Info;
    if (JoystickApi().joyGetPos(JoyStick->JoyId, Info) == JOYERR_UNPLUGGED) {
      JoyStick->Attached = false;
    }
    NextId = std::max(NextId, JoyStick->JoyId + 1);
  }
  std::vector<TMyJoyStick*> Added;
  const uint32_t Ids = JoystickApi().joyGetNumDevs();
  for (uint32_t Id = std::max(NextId, static_cast<uint32_t>(NumDevs)); Id < Ids; ++Id) {
    TJoyInfo Info;
    if (JoystickApi().joyGetPos(Id, Info) != JOYERR_NOERROR) continue;
    auto JoyStick = std::make_unique<TMyJoyStick>(Id, Info);
    // A pad plugged in during a clock run gets the handler the clock gave
    // the others when the run began, and leaves with theirs.
    if (!FItems.empty()) JoyStick->OnButtonClick = FItems.front()->OnButtonClick;
    Added.push_back(JoyStick.get());
    FItems.push_back(std::move(JoyStick));
  }
  return Added;
}
