#pragma once

#include <QString>
#include <atomic>
#include <optional>
#include <span>
#include <variant>

#include "model/Settings.h"

// The one list of the settings in section [Config]: where each lives in
// TTKDConfig, how it is stored, its default and the values it may take.
// Loading, saving and the configuration dialog are all driven from it.

enum class TSettingKind { Text, Flag, Float, Integer, Colour };

// A vote button's pad number: VoteButtonNumbers[Index] of TTKDConfig.
struct TVoteButtonField {
  size_t Index;
  bool operator==(const TVoteButtonField&) const = default;
};

using TSettingField =
    std::variant<double TTKDConfig::*, int32_t TTKDConfig::*, bool TTKDConfig::*,
                 std::atomic<bool> TTKDConfig::*, QString TTKDConfig::*, TVoteButtonField>;

// The values a number may take; out of range reads like no number at all.
struct TSettingRange {
  double Min = -2147483648.0;
  double Max = 2147483647.0;
  bool MinExcluded = false;  // Min itself is not allowed
  bool Contains(double Value) const {
    return (MinExcluded ? Value > Min : Value >= Min) && Value <= Max;
  }
  QString Text() const;  // "above 0 and at most 5999"
};

struct TSettingDef {
  const char* Key;  // as written
  TSettingField Field;
  TSettingKind Kind;
  double Default;           // numbers, colours and flags (1 on, 0 off)
  const char* TextDefault;  // text
  TSettingRange Range;
  const char* ReadKey = nullptr;  // the key read when it is spelled otherwise
  bool ResetOnLoad = false;       // the default after every load, whatever the file says
};

// Every setting in the order SaveConfig writes them, which is the order of
// the keys in a new file.
std::span<const TSettingDef> SettingDefs();

// The definition of Field; every field of TTKDConfig has one.
const TSettingDef& SettingDefOf(const TSettingField& Field);

// A number, flag (1 or 0) or colour setting's value; 0 for text.
double SettingValue(const TTKDConfig& Config, const TSettingDef& Def);

// A setting's value as the file stores it ("180", "1", "16777215").
QString SettingText(const TTKDConfig& Config, const TSettingDef& Def);

// Text read by the rules of Def's kind (a float, or a whole number for the
// others); nullopt when it does not read.
std::optional<double> ParseSettingNumber(const TSettingDef& Def, const QString& Text);
// The same, and nullopt as well when the number lies outside Def's range.
std::optional<double> SettingNumber(const TSettingDef& Def, const QString& Text);

// Sets the field from a number (a flag is on for any value but 0).
void SetSettingNumber(TTKDConfig& Config, const TSettingDef& Def, double Value);
void SetSettingText(TTKDConfig& Config, const TSettingDef& Def, const QString& Text);
