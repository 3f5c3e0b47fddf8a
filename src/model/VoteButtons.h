#pragma once

#include <QtGlobal>
#include <array>
#include <cstdint>

#include "model/Side.h"

class TTKDConfig;

// One of a judge's vote buttons: a side and the points it gives.
struct TVoteButtonDef {
  TSide Side;
  int32_t Points;
  const char* Key;        // its pad button number in [Config]
  int32_t DefaultNumber;  // that number when the file has none
  const char* Cue;        // the sound cue of an award by it
  const char* FieldName;  // the gamepad manager's field for it
  const char* Caption;    // that field's caption, in context "Gamepads"
};

// Every vote button, in the order the votes are checked: a button shared by
// two votes counts first in the earlier one. The 4 and 5 count only under the
// best-of-three rules and sound the 3's cue; their keys came later, so the
// settings file writes them after the rule set's own keys.
inline constexpr std::array<TVoteButtonDef, 10> VoteButtons{{
    {TSide::Red, 1, "R1", 5, "RedPoint", "edtRedOnePoint",
     QT_TRANSLATE_NOOP("Gamepads", "&One point button")},
    {TSide::Red, 2, "R2", 7, "Red2Point", "edtRedTwoPoint",
     QT_TRANSLATE_NOOP("Gamepads", "&Two point button")},
    {TSide::Red, 3, "R3", 9, "Red3Point", "edtRedThreePoint",
     QT_TRANSLATE_NOOP("Gamepads", "Th&ree point button")},
    {TSide::Blue, 1, "B1", 6, "BluePoint", "edtBlueOnePoint",
     QT_TRANSLATE_NOOP("Gamepads", "One &point button")},
    {TSide::Blue, 2, "B2", 8, "Blue2Point", "edtBlueTwoPoint",
     QT_TRANSLATE_NOOP("Gamepads", "Two point &button")},
    {TSide::Blue, 3, "B3", 10, "Blue3Point", "edtBlueThreePoint",
     QT_TRANSLATE_NOOP("Gamepads", "T&hree point button")},
    {TSide::Red, 4, "R4", 11, "Red3Point", "edtRedFourPoint",
     QT_TRANSLATE_NOOP("Gamepads", "&Four point button")},
    {TSide::Red, 5, "R5", 13, "Red3Point", "edtRedFivePoint",
     QT_TRANSLATE_NOOP("Gamepads", "Fi&ve point button")},
    {TSide::Blue, 4, "B4", 12, "Blue3Point", "edtBlueFourPoint",
     QT_TRANSLATE_NOOP("Gamepads", "Fo&ur point button")},
    {TSide::Blue, 5, "B5", 14, "Blue3Point", "edtBlueFivePoint",
     QT_TRANSLATE_NOOP("Gamepads", "Five po&int button")},
}};

// A pad button number for each vote button, in the order of VoteButtons.
using TVoteButtonNumbers = std::array<int32_t, VoteButtons.size()>;

// The classic rules score votes of 1 to 3 points.
inline constexpr int32_t ClassicMaxVotePoints = 3;

// The most a vote scores under the rules in Config: the 3 of the classic
// rules, the 5 of best of three.
int32_t MaxVotePoints(const TTKDConfig& Config);
