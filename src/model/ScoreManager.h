#pragma once

#include <cstdint>
#include <functional>
#include <mutex>

#include "model/Colors.h"
#include "model/Winner.h"

// The live state of one match. Every field is read and written under Lock;
// a setter fires its event after releasing the lock, also when the value
// does not change (writing a score back is how the board redraws it).
class TDorvaneMgr {
 public:
  using TMgrEvent = std::function<void(TDorvaneMgr& Sender)>;

  TDorvaneMgr();

  int32_t Round() const;
  void SetRound(int32_t Value);
  int32_t RedScore() const;
  void SetRedScore(int32_t Value);
  int32_t BlueScore() const;
  void SetBlueScore(int32_t Value);
  double RedPenalty() const;
  void SetRedPenalty(double Value);
  double BluePenalty() const;
  void SetBluePenalty(double Value);
  TColor RoundColor() const;
  void SetRoundColor(TColor Value);
  TColor BreakColor() const;
  void SetBreakColor(TColor Value);
  TColor InjuryColor() const;
  void SetInjuryColor(TColor Value);
  bool PenaltyIncrement() const;
  void SetPenaltyIncrement(bool Value);
  bool ShowPenaltyTotal() const;
  void SetShowPenaltyTotal(bool Value);
  bool AutoRestart() const;
  void SetAutoRestart(bool Value);
  // 0 none, 1 blue has won, 2 red has won.
  TWinner Winner() const;
  void SetWinner(TWinner Value);

  // Scores and penalties to 0 in one locked step; fires only OnScoresReset.
  void ResetScores();
  // Round 1, scores, penalties and winner 0, each through its setter.
  void ResetMatch();

  TMgrEvent OnRoundChange;
  TMgrEvent OnRedScoreChange;
  TMgrEvent OnRedPenaltyChange;
  TMgrEvent OnBlueScoreChange;
  TMgrEvent OnBluePenaltyChange;
  TMgrEvent OnScoresReset;
  TMgrEvent OnColorChange;
  TMgrEvent OnWinnerChange;

 private:
  mutable std::mutex Lock;
  int32_t FRound = 0;
  int32_t FRedScore = 0;
  int32_t FBlueScore = 0;
  double FRedPenalty = 0;
  double FBluePenalty = 0;
  TColor FRoundColor = 0;
  TColor FBreakColor = 0;
  TColor FInjuryColor = 0;
  bool FPenaltyIncrement = false;
  bool FShowPenaltyTotal = false;
  bool FAutoRestart = false;
  TWinner FWinner = TWinner::None;
};
