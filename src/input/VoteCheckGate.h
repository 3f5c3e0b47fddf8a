#pragma once

#include <cstdint>

class TSysJoySticks;

// Whether the vote check after a poll can find anything new, so that the
// polling thread need not hand every 1 ms poll to the main thread. Votes
// agree only at a poll where a button changed, or where the clock starts
// counting again with presses young enough to agree. Between those the check
// is due once more as a press grows too old to agree: it then drops the press
// and logs it as alone. Polling thread only.
class TVoteCheckGate {
 public:
  // After each poll; Counting: the clock counts round time (presses count).
  bool CheckDue(const TSysJoySticks& Polled, int32_t TransiencyMs, bool Counting);

 private:
  int32_t FOpenPresses = 0;
  bool FCounting = false;
};
