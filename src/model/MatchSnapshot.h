#pragma once

#include <QJsonObject>
#include <QString>
#include <array>
#include <cstdint>

#include "model/Colors.h"

// One side of the match as the feed publishes it.
struct TSideSnapshot {
  QString Name;
  // The points awarded, and the figure the board shows (with penalty
  // increment the opponent's whole penalty points count in it).
  int32_t Score = 0;
  QString ShownScore;
  // Penalty total in halves: 0.5 a warning, 1 a deduction. The board shows a
  // whole count and a marker for a half.
  double Penalties = 0;
  QString ShownPenalties;
  bool HalfPenaltyShown = false;
  TColor Color = 0;
  // Rounds won under the best-of-three rules; 0 under the classic ones.
  int32_t RoundsWon = 0;

  bool operator==(const TSideSnapshot&) const = default;
};

// A judge's pad and the two lights it lights on the board.
struct TJudgeSnapshot {
  bool Connected = false;
  TColor RedLight = clUnlitLight;
  TColor BlueLight = clUnlitLight;

  bool operator==(const TJudgeSnapshot&) const = default;
};

enum class TFeedClockState { Idle, Running, Break, Paused, Injury, Ended, PointGap, PointCeiling };

struct TClockSnapshot {
  TFeedClockState State = TFeedClockState::Idle;
  // The time left at TakenAtMs (board time, ms) and TakenAtUnixMs (wall
  // clock); it counts down while State counts.
  double RemainingMs = 0;
  double TakenAtMs = 0;
  int64_t TakenAtUnixMs = 0;
  // The clock text, the state line under it and their colour, as the board shows them.
  QString Text;
  QString StateText;
  TColor Color = 0;
  // The digits blink in the last WarningMs of a round.
  double WarningMs = 0;

  // Running, break and injury time count down; every other state holds.
  bool Counts() const;
  bool operator==(const TClockSnapshot&) const = default;
};

// Everything the live feed publishes about the match at one instant: a plain
// copy, so the feed never reads the match while it changes.
struct TMatchSnapshot {
  // Raised whenever a field's meaning changes; readers check it.
  static constexpr int SchemaVersion = 1;

  // Counts the published changes, so a reader sees gaps and repeats.
  int64_t Sequence = 0;
  QString Division;
  TSideSnapshot Red;
  TSideSnapshot Blue;
  int32_t Round = 0;
  int32_t Rounds = 0;
  bool SuddenDeath = false;
  // 0 none, 1 blue, 2 red, as the score manager keeps it.
  uint8_t Winner = 0;
  TClockSnapshot Clock;
  std::array<TJudgeSnapshot, 4> Judges{};
  TColor Background = 0;
  TColor NameColor = 0;

  // The same match to a viewer: everything but the sequence and, while the
  // clock counts, the moving time.
  bool SameAs(const TMatchSnapshot& Other) const;
  // The snapshot moved on to board time NowMs: a counting clock has less left.
  TMatchSnapshot At(double NowMs, int64_t NowUnixMs) const;
  QJsonObject ToJson() const;
};

// "#rrggbb" of a colour as Dorvane.INI stores it.
QString HtmlColor(TColor Color);
