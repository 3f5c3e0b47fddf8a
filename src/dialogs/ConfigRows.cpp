#include "dialogs/ConfigRows.h"

namespace {

using enum TConfigRow;
using C = TTKDConfig;

const TConfigRowDef Defs[] = {
    {RedPlayer, "Players", "", "Red player", &C::RedPlayer, false, ""},
    {BluePlayer, "Players", "", "Blue player", &C::BluePlayer, false, ""},
    {Division, "Players", "", "Division", &C::Division, false, ""},
    {QueryB4NewGame, "Players", "", "Query before new game", &C::QueryB4NewGame, false,
     "Query operator if they really wish to start a new game"},
    {RoundTime, "Times", "", "Each round", &C::RoundTime, false, ""},
    {InjuryTime, "Times", "", "Injury time", &C::InjuryTime, false, ""},
    {CoachTime, "Times", "", "Between rounds", &C::CoachTime, false, ""},
    {EndOfRoundWarning, "Times", "", "End of round warning", &C::EndOfRoundWarning, false, ""},
    {RoundColor, "Colours", "", "Round timer", &C::RoundColor, false, ""},
    {InjuryColor, "Colours", "", "Injury timer", &C::InjuryColor, false, ""},
    {BreakColor, "Colours", "", "Between rounds timer", &C::BreakColor, false, ""},
    {RedPlayerColor, "Colours", "", "Red player", &C::RedPlayerColor, false, ""},
    {BluePlayerColor, "Colours", "", "Blue player", &C::BluePlayerColor, false, ""},
    {OnePointColor, "Colours", "", "One point colour", &C::OnePointColor, false, ""},
    {TwoPointColor, "Colours", "", "Two point colour", &C::TwoPointColor, false, ""},
    {ThreePointColor, "Colours", "", "Three point colour", &C::ThreePointColor, false, ""},
    {NameColor, "Colours", "", "Names", &C::NameColor, false, ""},
    {BGColor, "Colours", "", "Background", &C::BGColor, false, ""},
    {Rounds, "Scoring", "", "Number of rounds", &C::Rounds, false, ""},
    {AutoRestartAfterInjury, "Scoring", "", "Auto-restart after injury", &C::AutoRestartAfterInjury,
     false, ""},
    {DisqualifyPenalty, "Scoring", "", "Disqualification penalty", &C::DisqualifyPenalty, false,
     ""},
    {UsePenaltyIncrement, "Scoring", "", "Use penalty increment", &C::UsePenaltyIncrement, false,
     ""},
    {ShowTotalPenalty, "Scoring", "", "Always show total penalty", &C::ShowTotalPenalty, false, ""},
    {AutoCalcWinner, "Scoring", "", "Auto-calc winner", &C::AutoCalcWinner, false, ""},
    {WinnerBlink, "Scoring", "", "Winner blink frequency (millisecs)", &C::WinnerBlink, false, ""},
    {UseSuddenDeath, "Scoring", "Sudden Death Round", "Use sudden death round", &C::UseSuddenDeath,
     false, ""},
    {FirstToScore, "Scoring", "Sudden Death Round", "First to score wins", &C::FirstToScore, false,
     ""},
    {ResetScoreForSuddenDeath, "Scoring", "Sudden Death Round", "Reset score at start of round",
     &C::ResetScoreForSuddenDeath, false, ""},
    {UseElectronicScoring, "Scoring", "Electronic scoring", "Use electronic scoring",
     &C::UseElectronicScoring, false, ""},
    {NumButtons, "Scoring", "Electronic scoring", "Buttons to register", &C::NumButtons, false, ""},
    {Transiency, "Scoring", "Electronic scoring", "Transiency (msec)", &C::Transiency, false, ""},
    {CommPortNo, "", "", "Comm port", &C::CommPortNo, true, ""},
    {UsePointGap, "Point Gap", "", "Use point gap", &C::UsePointGap, true, ""},
    {PointGap, "Point Gap", "", "Gap to win", &C::PointGap, true, ""},
    {UsePointCeiling, "Point Ceiling", "", "Use point ceiling", &C::UsePointCeiling, true, ""},
    {PointCeiling, "Point Ceiling", "", "Ceiling to win", &C::PointCeiling, true, ""},
};

}  // namespace

std::span<const TConfigRowDef> ConfigRowDefs() { return Defs; }

TRowKind TConfigRowDef::Kind() const {
  switch (Setting().Kind) {
    case TSettingKind::Flag:
      return TRowKind::Check;
    case TSettingKind::Float:
      return TRowKind::Number;
    case TSettingKind::Integer:
      return TRowKind::Integer;
    case TSettingKind::Colour:
      return TRowKind::Colour;
    default:
      return TRowKind::Text;
  }
}
