#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class TBoardLight;
class TJoyButton;
class TMyJoyStick;
class TSysJoySticks;
class TTKDConfig;

// A corner judge: a gamepad, its six vote buttons and the judge's two lights
// on the board. Owns none of them; a button is null where the gamepad has no
// button with the configured number.
class TJudge {
 public:
  TMyJoyStick* JoyStick = nullptr;
  TJoyButton* RedOnePoint = nullptr;
  TJoyButton* RedTwoPoint = nullptr;
  TJoyButton* RedThreePoint = nullptr;
  TJoyButton* BlueOnePoint = nullptr;
  TJoyButton* BlueTwoPoint = nullptr;
  TJoyButton* BlueThreePoint = nullptr;
  TBoardLight* RedIndicator = nullptr;
  TBoardLight* BlueIndicator = nullptr;
};

// A judge's six vote buttons: red 1, 2, 3 points, then blue 1, 2, 3 points.
inline std::array<TJoyButton*, 6> VoteButtons(const TJudge& Judge) {
  return {Judge.RedOnePoint,  Judge.RedTwoPoint,  Judge.RedThreePoint,
          Judge.BlueOnePoint, Judge.BlueTwoPoint, Judge.BlueThreePoint};
}

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

// Appends one judge for each of the first four gamepads, with the vote
// buttons numbered R1..B3 in Config and the lights of its judge number.
void BuildJudges(TJudgeList& Judges, TSysJoySticks& JoySticks, const TTKDConfig& Config,
                 const TJudgeLights& RedLights, const TJudgeLights& BlueLights);
