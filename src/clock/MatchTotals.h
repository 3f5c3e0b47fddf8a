#pragma once

#include <cstdint>

#include "model/Winner.h"

class TDorvaneMgr;

// The four values the winner rules and the clock compare. A side's penalties
// count for the other side in every total.
struct TMatchScores {
  double Red = 0;
  double Blue = 0;
  double RedPenalty = 0;
  double BluePenalty = 0;

  // Read one by one through the manager's getters, each under its lock.
  static TMatchScores Read(const TDorvaneMgr& ScoreMgr);
};

// The totals are whole numbers kept in doubles: trunc of any finite value is
// exact there, where a cast to an integer type could overflow.

// trunc(R + BP + 0.1) for red, trunc(B + RP + 0.1) for blue: half penalties
// that do not make a whole point drop out.
double WholeTotal(const TMatchScores& Scores, bool Red);
// R - trunc(RP + 0.1) for red, B - trunc(BP + 0.1) for blue.
double NetScore(const TMatchScores& Scores, bool Red);
// A lead of at least one whole point, halves included.
bool HasExactLead(const TMatchScores& Scores, bool Red);
// round(Total x 10) >= round(Limit x 10), halves to even.
bool IsDisqualified(double PenaltyTotal, double DisqualifyPenalty);

// Are the two sides not level? Exact points in the sudden-death round,
// whole-point totals otherwise.
bool ScoresDiffer(const TMatchScores& Scores, bool ExactPoints);
// Who leads by the same measure; None when level.
TWinner LeadingSide(const TMatchScores& Scores, bool ExactPoints);
