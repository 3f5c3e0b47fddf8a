#pragma once

#include <QString>
#include <cstdint>

#include "clock/BoardView.h"
#include "model/Side.h"

class TDorvaneMgr;

// What a view of the live match shows: the clock's and the winner rules'
// changes (TBoardView) and the score manager's. The audience board
// implements it; an operator console or a feed attaches another one.
class TMatchView : public TBoardView {
 public:
  // The round number; SuddenDeathRound when it lies past the configured rounds.
  virtual void ShowRound(int32_t Round, bool SuddenDeathRound) = 0;
  // One side's score or penalties changed: redraw what depends on them.
  virtual void ShowScore(TSide Side, const TDorvaneMgr& ScoreMgr) = 0;
  virtual void ShowPenalty(TSide Side, const TDorvaneMgr& ScoreMgr) = 0;
  // Every score and penalty at once, after a reset.
  virtual void ShowAllScores(const TDorvaneMgr& ScoreMgr) = 0;
  // Judge n's light of Side (Judge n - 1, from 0 to 3) changed its colour.
  virtual void ShowJudgeLight(TSide Side, int32_t Judge, TColor Color) = 0;
  // The players' names and the division of a new game.
  virtual void ShowPlayers(const QString& RedName, const QString& BlueName,
                           const QString& Division) = 0;
  // The judges' pads were looked at (a few times a second): a view that shows
  // which pads are connected redraws them.
  virtual void ShowJudgePads() {}
  // The journal or the record file can no longer be written, or can again:
  // Notice says which (TMatch::WriteTrouble), empty once both work.
  virtual void ShowWriteTrouble(const QString& /*Notice*/) {}
};
