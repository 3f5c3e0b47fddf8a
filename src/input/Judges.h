#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/VoteButtons.h"

class TBoardLight;
class TJoyButton;
class TMyJoyStick;
class TSysJoySticks;
class TTKDConfig;

// A corner judge: a gamepad, its vote buttons and the judge's two lights on
// the board. Owns none of them; a button is null where the gamepad has no
// button with the configured number.
class TJudge {
 public:
  TMyJoyStick* JoyStick = nullptr;
  // The pad's button for each of VoteButtons, in that order.
  std::array<TJoyButton*, VoteButtons.size()> Votes{};
  TBoardLight* RedIndicator = nullptr;
  TBoardLight* BlueIndicator = nullptr;
};

// The judges in order: judge n at position n - 1. Used on the main thread only.
class TJudgeList {
 public:
  TJudgeList() = default;
  TJudgeList(const TJudgeList&) = delete;
  TJudgeList& operator=(const TJudgeList&) = delete;
  ~TJudgeList() { RemoveAllJudges(); }

  TJudge& Add();
  int32_t Count() const { return static_cast<int32_t>(FJudges.size()); }
  TJudge& Items(int32_t Index) const { return *FJudges[static_cast<size_t>(Index)]; }
  TJudge& operator[](int32_t Index) const { return Items(Index); }
  void RemoveAllJudges() { FJudges.clear(); }

 private:
  std::vector<std::unique_ptr<TJudge>> FJudges;
};

constexpr int32_t MaxJudges = 4;
// The board's lights of judges 1 to 4 (shpR1..shpR4, shpB1..shpB4); may be null.
using TJudgeLights = std::array<TBoardLight*, MaxJudges>;

// Gives Judge the Pad and its buttons of Numbers.
void SeatAtPad(TJudge& Judge, TMyJoyStick& Pad, const TVoteButtonNumbers& Numbers);

// Appends one judge for each of the first four gamepads, with the vote
// buttons numbered as in Config and the lights of its judge number.
void BuildJudges(TJudgeList& Judges, TSysJoySticks& JoySticks, const TTKDConfig& Config,
                 const TJudgeLights& RedLights, const TJudgeLights& BlueLights);
