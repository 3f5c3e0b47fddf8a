#pragma once

#include <cstdint>

#include "input/Judges.h"

// A judge's six vote buttons with the side and value each one gives, red one
// to three, then blue one to three.
struct TVoteButton {
  TJoyButton* TJudge::*Button;
  bool Red;
  int32_t Points;
};

inline constexpr TVoteButton JudgeVoteButtons[] = {
    {&TJudge::RedOnePoint, true, 1},   {&TJudge::RedTwoPoint, true, 2},
    {&TJudge::RedThreePoint, true, 3}, {&TJudge::BlueOnePoint, false, 1},
    {&TJudge::BlueTwoPoint, false, 2}, {&TJudge::BlueThreePoint, false, 3},
};
inline constexpr int JudgeVoteButtonCount = 6;
