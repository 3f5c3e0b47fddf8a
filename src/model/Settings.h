#pragma once

#include <QString>

#include "model/Colors.h"
#include "model/VoteButtons.h"

// Every tunable value of the scoreboard, named after its key in section
// [Config] of Dorvane.INI. main() owns the program's one record, loads it
// before any window exists and passes it to what reads it; only the two
// configuration dialogs change and save it.
class TTKDConfig {
 public:
  double RoundTime = 0;
  double CoachTime = 0;
  double InjuryTime = 0;
  double DisqualifyPenalty = 0;
  double WinnerBlink = 0;
  double EndOfRoundWarning = 0;
  QString BluePlayer;
  QString RedPlayer;
  QString Division;
  int32_t CommPortNo = 0;
  int32_t NumButtons = 0;
  int32_t Transiency = 0;
  int32_t Rounds = 0;
  TColor RedPlayerColor = 0;
  TColor BluePlayerColor = 0;
  TColor RoundColor = 0;
  TColor BreakColor = 0;
  TColor InjuryColor = 0;
  TColor OnePointColor = 0;
  TColor TwoPointColor = 0;
  TColor ThreePointColor = 0;
  TColor NameColor = 0;
  TColor BGColor = 0;
  bool QueryB4NewGame = false;
  bool UseElectronicScoring = false;
  bool ShowTotalPenalty = false;
  bool UsePenaltyIncrement = false;
  bool AutoRestartAfterInjury = false;
  bool AutoCalcWinner = false;
  bool UsePointGap = false;
  int32_t PointGap = 0;
  bool UsePointCeiling = false;
  int32_t PointCeiling = 0;
  bool UseSuddenDeath = false;
  bool FirstToScore = false;
  bool ResetScoreForSuddenDeath = false;
  QString SaveFileName;
  bool SaveInput = false;
  bool SaveScores = false;
  // The pads' button for each of VoteButtons, under its key (R1 to B5).
  TVoteButtonNumbers VoteButtonNumbers{};
  // The rule set by name (see RuleSet.h) and its numbers for best of three.
  QString Rules;
  int32_t GamJeomLimit = 0;
  int32_t RoundPointGap = 0;

  // Fills every field from one reading of SettingsFilePath(), defaults where
  // a key is missing, does not parse or lies outside its range. Never fails.
  void LoadConfig();
  // Writes every field to [Config] in one replacement of the file; throws
  // TDorvaneError("Unable to write to <path>") when it cannot, and the file
  // then keeps all its old values.
  void SaveConfig() const;
};
