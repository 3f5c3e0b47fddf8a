#pragma once

#include <cstdint>

#include "model/Side.h"

class TDorvaneMgr;

// The score the board shows for a side: with penalty increment (always under
// the best-of-three rules) the opponent's whole penalty points count in it.
int64_t ShownScore(int32_t Score, double OpponentPenalty, bool PenaltyIncrement);
// The same for Side as the manager holds it now.
int64_t ShownScore(const TDorvaneMgr& ScoreMgr, TSide Side);
