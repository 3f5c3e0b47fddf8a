#include "input/VoteCheckGate.h"

#include "input/GamepadDevices.h"

bool TVoteCheckGate::CheckDue(const TSysJoySticks& Polled, int32_t TransiencyMs, double Now,
                              bool Counting) {
  const int32_t Open = Polled.PressesPending() ? Polled.CountPendingWithin(TransiencyMs, Now) : 0;
  const bool PressAgedOut = Open < FOpenPresses;
  const bool CountingResumed = Counting && !FCounting && Open > 0;
  FOpenPresses = Open;
  FCounting = Counting;
  return Polled.ButtonsChanged() || PressAgedOut || CountingResumed;
}
