#pragma once

#include <cstdint>
#include <stdexcept>

#include "input/Judges.h"
#include "model/Settings.h"
#include "model/VoteButtons.h"

// The position in VoteButtons of Side's button for Points (1 to 5).
inline size_t VoteButtonIndex(TSide Side, int32_t Points) {
  for (size_t Index = 0; Index < VoteButtons.size(); ++Index) {
    if (VoteButtons[Index].Side == Side && VoteButtons[Index].Points == Points) return Index;
  }
  throw std::out_of_range("no vote button of that value");
}

// Side's pad button number for Points in Config.
inline int32_t& ButtonNumber(TTKDConfig& Config, TSide Side, int32_t Points) {
  return Config.VoteButtonNumbers[VoteButtonIndex(Side, Points)];
}

// Judge's button for Side and Points.
inline TJoyButton*& VoteOf(TJudge& Judge, TSide Side, int32_t Points) {
  return Judge.Votes[VoteButtonIndex(Side, Points)];
}
