#include "dialogs/ConfigRows.h"

namespace {

using enum TConfigRow;
using K = TRowKind;

constexpr TConfigRowDef Defs[] = {
    {RedPlayer, "Players", "", "Red player", K::Text, false, ""},
    {BluePlayer, "Players", "", "Blue player", K::Text, false, ""},
    {Division, "Players", "", "Division", K::Text, false, ""},
    {QueryB4NewGame, "Players", "", "Query before new game", K::Check, false,
     "Query operator if they really wish to start a new game"},
    {RoundTime, "Times", "", "Each round", K::Number, false, ""},
    {InjuryTime, "Times", "", "Injury time", K::Number, false, ""},
    {CoachTime, "Times", "", "Between rounds", K::Number, false, ""},
    {EndOfRoundWarning, "Times", "", "End of round warning", K::Number, false, ""},
    {RoundColor, "Colours", "", "Round timer", K::Colour, false, ""},
    {InjuryColor, "Colours", "", "Injury timer", K::Colour, false, ""},
    {BreakColor, "Colours", "", "Between rounds timer", K::Colour, false, ""},
    {RedPlayerColor, "Colours", "", "Red player", K::Colour, false, ""},
    {BluePlayerColor, "Colours", "", "Blue player", K::Colour, false, ""},
    {OnePointColor, "Colours", "", "One point colour", K::Colour, false, ""},
    {TwoPointColor, "Colours", "", "Two point colour", K::Colour, false, ""},
    {ThreePointColor, "Colours", "", "Three point colour", K::Colour, false, ""},
    {NameColor, "Colours", "", "Names", K::Colour, false, ""},
    {BGColor, "Colours", "", "Background", K::Colour, false, ""},
    {Rounds, "Scoring", "", "Number of rounds", K::Integer, false, ""},
    {AutoRestartAfterInjury, "Scoring", "", "Auto-restart after injury", K::Check, false, ""},
    {DisqualifyPenalty, "Scoring", "", "Disqualification penalty", K::Number, false, ""},
    {UsePenaltyIncrement, "Scoring", "", "Use penalty increment", K::Check, false, ""},
    {ShowTotalPenalty, "Scoring", "", "Always show total penalty", K::Check, false, ""},
    {AutoCalcWinner, "Scoring", "", "Auto-calc winner", K::Check, false, ""},
    {WinnerBlink, "Scoring", "", "Winner blink frequency (millisecs)", K::Number, false, ""},
    {UseSuddenDeath, "Scoring", "Sudden Death Round", "Use sudden death round", K::Check, false,
     ""},
    {FirstToScore, "Scoring", "Sudden Death Round", "First to score wins", K::Check, false, ""},
    {ResetScoreForSuddenDeath, "Scoring", "Sudden Death Round", "Reset score at start of round",
     K::Check, false, ""},
    {UseElectronicScoring, "Scoring", "Electronic scoring", "Use electronic scoring", K::Check,
     false, ""},
    {NumButtons, "Scoring", "Electronic scoring", "Buttons to register", K::Integer, false, ""},
    {Transiency, "Scoring", "Electronic scoring", "Transiency (msec)", K::Integer, false, ""},
    {CommPortNo, "", "", "Comm port", K::Integer, true, ""},
    {UsePointGap, "Point Gap", "", "Use point gap", K::Check, true, ""},
    {PointGap, "Point Gap", "", "Gap to win", K::Integer, true, ""},
    {UsePointCeiling, "Point Ceiling", "", "Use point ceiling", K::Check, true, ""},
    {PointCeiling, "Point Ceiling", "", "Ceiling to win", K::Integer, true, ""},
};

}  // namespace

std::span<const TConfigRowDef> ConfigRowDefs() { return Defs; }
