#include "input/VoteCheckGate.h"

#include "input/GamepadDevices.h"
#include "platform/TimeSource.h"

bool TVoteCheckGate::CheckDue(const TSysJoySticks& Polled, int32_t TransiencyMs, bool Counting) {
  // Most passes have no press pending: they read no clock.
  const int32_t Open = Polled.PressesPending() ? Polled.CountPendingWithin(TransiencyMs, Now()) : 0;
  const bool PressAgedOut = Open < FOpenPresses;
  const bool CountingResumed = Counting && !FCounting && Open > 0;
  FOpenPresses = Open;
  FCounting = Counting;
  return Polled.ButtonsChanged() || PressAgedOut || CountingResumed;
}
