#pragma once

#include <cstdint>
#include <functional>

#include "input/JudgePressLog.h"
#include "model/Side.h"

class QString;
class QTimer;
class TBoardLight;
class TDorvaneMgr;
class TJudge;
class TJudgeList;
class TTKDConfig;

// How long a judge's light shows a press, from the press's start.
constexpr int32_t JudgeLightMs = 500;

// Sets a judge's red and blue light from the presses of the last 500 ms: the
// lowest value pressed on that side (the 4 and 5 of the best-of-three rules in
// the 3's colour), or unlit. A null light is skipped.
// Returns how many of the two lights are lit.
int32_t ShowJudgeLights(const TJudge& Judge, TBoardLight* RedLight, TBoardLight* BlueLight,
                        double Now, const TTKDConfig& Config);

// Runs a light-refresh timer exactly while some light is lit. Leaving a
// running timer alone (instead of stopping and restarting it) keeps the
// refresh free of timer registrations, which allocate.
void KeepRefreshing(QTimer& Timer, bool AnyLit);

// The judges' votes turned into points, and the judges' lights on the board.
// Runs on the main thread: the check inside the clock thread's poll hand-off,
// the refresh on the match's light timer.
class TElectronicScoring {
 public:
  using TClockRunning = std::function<bool()>;
  using TCuePlayer = std::function<void(const QString& Name)>;
  using TTechniqueEvent = std::function<void(TSide Side, int32_t Points)>;

  // ClockRunning tells whether a clock counts round time (csRunning);
  // CuePlayer plays the sound cue of each award.
  TElectronicScoring(TJudgeList& Judges, TDorvaneMgr& ScoreMgr, QTimer& HandSetTimer,
                     const TTKDConfig& Config, TClockRunning ClockRunning, TCuePlayer CuePlayer);

  // After every poll of the gamepads: notes the judges' presses, refreshes
  // the lights, then, while the clock runs, awards each category whose votes
  // reach NumButtons and drops the votes older than Transiency.
  void CheckJudgeVotes();
  // A released press: keeps the lights refreshing. The press stays a vote
  // until it is consumed or ages out.
  void PressReleased();
  // The lights of the first four judges.
  void tmrHandSetTimer();
  // The judges' presses of the current match; every line goes to the audit file.
  TJudgePressLog& PressLog() { return FPressLog; }

  // Each technique the votes award, just before its points are added.
  TTechniqueEvent OnTechnique;

 private:
  TJudgePressLog FPressLog;
  TJudgeList& FJudges;
  TDorvaneMgr& FScoreMgr;
  QTimer& tmrHandSet;
  const TTKDConfig& FConfig;
  TClockRunning FClockRunning;
  TCuePlayer FCuePlayer;
};
