#pragma once

#include <cstdint>
#include <iterator>

#include "input/Judges.h"

// A judge's vote buttons with the side and value each one gives: red one to
// three, blue one to three, then the four and five of the best-of-three rules.
struct TVoteButton {
  TJoyButton* TJudge::*Button;
  bool Red;
  int32_t Points;
};

inline constexpr TVoteButton JudgeVoteButtons[] = {
    {&TJudge::RedOnePoint, true, 1},    {&TJudge::RedTwoPoint, true, 2},
    {&TJudge::RedThreePoint, true, 3},  {&TJudge::BlueOnePoint, false, 1},
    {&TJudge::BlueTwoPoint, false, 2},  {&TJudge::BlueThreePoint, false, 3},
    {&TJudge::RedFourPoint, true, 4},   {&TJudge::RedFivePoint, true, 5},
    {&TJudge::BlueFourPoint, false, 4}, {&TJudge::BlueFivePoint, false, 5},
};
inline constexpr int JudgeVoteButtonCount = static_cast<int>(std::size(JudgeVoteButtons));
