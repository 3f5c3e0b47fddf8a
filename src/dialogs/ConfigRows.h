#pragma once

#include <QStringList>
#include <span>

#include "model/SettingsDefs.h"

// The rows of the configuration dialog, named after the settings field each
// one edits.
enum class TConfigRow {
  RedPlayer,
  BluePlayer,
  Division,
  QueryB4NewGame,
  RoundTime,
  InjuryTime,
  CoachTime,
  EndOfRoundWarning,
  RoundColor,
  InjuryColor,
  BreakColor,
  RedPlayerColor,
  BluePlayerColor,
  OnePointColor,
  TwoPointColor,
  ThreePointColor,
  NameColor,
  BGColor,
  Rounds,
  AutoRestartAfterInjury,
  DisqualifyPenalty,
  UsePenaltyIncrement,
  ShowTotalPenalty,
  AutoCalcWinner,
  WinnerBlink,
  UseSuddenDeath,
  FirstToScore,
  ResetScoreForSuddenDeath,
  UseElectronicScoring,
  NumButtons,
  Transiency,
  CommPortNo,
  UsePointGap,
  PointGap,
  UsePointCeiling,
  PointCeiling,
  Rules,
  GamJeomLimit,
  RoundPointGap,
};

// What a row's text holds and how it is edited.
enum class TRowKind { Text, Check, Number, Integer, Colour, Choice };

struct TConfigRowDef {
  TConfigRow Row;
  const char* Category;     // empty for a row at the top level
  const char* SubCategory;  // empty for a row directly under its category
  const char* Caption;
  TSettingField Field;  // the setting it edits
  bool Hidden;          // loaded and stored, never shown
  const char* Hint;     // tool tip, may be empty

  const TSettingDef& Setting() const { return SettingDefOf(Field); }
  TRowKind Kind() const;
  // The texts a choice row may hold; empty for the other kinds.
  QStringList Choices() const;
};

// Every row in display order; the hidden ones come last.
std::span<const TConfigRowDef> ConfigRowDefs();
