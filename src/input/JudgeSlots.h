#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "input/Judges.h"
#include "model/VoteButtons.h"
#include "platform/Joystick.h"

class TMyJoyStick;
class TTKDConfig;

// The judges' seats as pads come and go. A judge whose pad is unplugged keeps
// the seat, with no pad and no buttons, so nothing of the old pad can vote.
// A pad plugged in takes the lowest free seat, preferring a seat whose last
// pad looked the same, and gets the buttons that seat was taught. Pads beyond
// the fourth judge get no seat. Main thread only.
class TJudgeSlots {
 public:
  // Judges already built keep their seats; new ones get the lights of their
  // judge number.
  TJudgeSlots(TJudgeList& Judges, const TJudgeLights& RedLights, const TJudgeLights& BlueLights);

  // Frees the seats of unplugged pads, then seats the Added pads in order.
  // A new judge gets the button numbers of Config.
  void Update(const std::vector<TMyJoyStick*>& Added, const TTKDConfig& Config);

 private:
  struct TSeat {
    TJoyIdentity Identity;
    TVoteButtonNumbers Numbers{};
  };
  void Vacate(int32_t Index);
  void Seat(TMyJoyStick& Pad, const TTKDConfig& Config);

  TJudgeList& FJudges;
  TJudgeLights FRedLights;
  TJudgeLights FBlueLights;
  // By judge position; a seat's entry is written when its pad leaves.
  std::array<TSeat, MaxJudges> FSeats;
};

// What the board and the operator see of one judge's pad.
struct TJudgePadStatus {
  // Scoring counts on this judge: within NumButtons, or a judge with a seat.
  bool Expected = false;
  bool Connected = false;
  QString PadName;
  // The start of the pad's latest press; 0 before the first.
  double LastPress = 0;
};
using TJudgePadStatuses = std::array<TJudgePadStatus, MaxJudges>;

TJudgePadStatuses JudgePadStatuses(const TJudgeList& Judges, int32_t NumButtons);
// "Judges: 1 of 2 pads connected" while electronic scoring is on and fewer
// judges' pads are connected than NumButtons; empty otherwise.
QString MissingJudgesText(const TJudgePadStatuses& Statuses, bool ElectronicScoring,
                          int32_t NumButtons);
// One line per judge for the operator: "Judge 1: <name>, connected, last press hh:nn:ss".
QString JudgePadLine(int32_t JudgeNumber, const TJudgePadStatus& Status);
