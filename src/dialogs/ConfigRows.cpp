#include "dialogs/ConfigRows.h"

#include <QtGlobal>

#include "model/RuleSet.h"

namespace {

using enum TConfigRow;
using C = TTKDConfig;

const TConfigRowDef Defs[] = {
    {RedPlayer, QT_TRANSLATE_NOOP("Configuration", "Players"), "",
     QT_TRANSLATE_NOOP("Configuration", "Red player"), &C::RedPlayer, false, ""},
    {BluePlayer, QT_TRANSLATE_NOOP("Configuration", "Players"), "",
     QT_TRANSLATE_NOOP("Configuration", "Blue player"), &C::BluePlayer, false, ""},
    {Division, QT_TRANSLATE_NOOP("Configuration", "Players"), "",
     QT_TRANSLATE_NOOP("Configuration", "Division"), &C::Division, false, ""},
    {QueryB4NewGame, QT_TRANSLATE_NOOP("Configuration", "Players"), "",
     QT_TRANSLATE_NOOP("Configuration", "Query before new game"), &C::QueryB4NewGame, false,
     QT_TRANSLATE_NOOP("Configuration", "Query operator if they really wish to start a new game")},
    {RoundTime, QT_TRANSLATE_NOOP("Configuration", "Times"), "",
     QT_TRANSLATE_NOOP("Configuration", "Each round"), &C::RoundTime, false, ""},
    {InjuryTime, QT_TRANSLATE_NOOP("Configuration", "Times"), "",
     QT_TRANSLATE_NOOP("Configuration", "Injury time"), &C::InjuryTime, false, ""},
    {CoachTime, QT_TRANSLATE_NOOP("Configuration", "Times"), "",
     QT_TRANSLATE_NOOP("Configuration", "Between rounds"), &C::CoachTime, false, ""},
    {EndOfRoundWarning, QT_TRANSLATE_NOOP("Configuration", "Times"), "",
     QT_TRANSLATE_NOOP("Configuration", "End of round warning"), &C::EndOfRoundWarning, false, ""},
    {RoundColor, QT_TRANSLATE_NOOP("Configuration", "Colours"), "",
     QT_TRANSLATE_NOOP("Configuration", "Round timer"), &C::RoundColor, false, ""},
    {InjuryColor, QT_TRANSLATE_NOOP("Configuration", "Colours"), "",
     QT_TRANSLATE_NOOP("Configuration", "Injury timer"), &C::InjuryColor, false, ""},
    {BreakColor, QT_TRANSLATE_NOOP("Configuration", "Colours"), "",
     QT_TRANSLATE_NOOP("Configuration", "Between rounds timer"), &C::BreakColor, false, ""},
    {RedPlayerColor, QT_TRANSLATE_NOOP("Configuration", "Colours"), "",
     QT_TRANSLATE_NOOP("Configuration", "Red player"), &C::RedPlayerColor, false, ""},
    {BluePlayerColor, QT_TRANSLATE_NOOP("Configuration", "Colours"), "",
     QT_TRANSLATE_NOOP("Configuration", "Blue player"), &C::BluePlayerColor, false, ""},
    {OnePointColor, QT_TRANSLATE_NOOP("Configuration", "Colours"), "",
     QT_TRANSLATE_NOOP("Configuration", "One point colour"), &C::OnePointColor, false, ""},
    {TwoPointColor, QT_TRANSLATE_NOOP("Configuration", "Colours"), "",
     QT_TRANSLATE_NOOP("Configuration", "Two point colour"), &C::TwoPointColor, false, ""},
    {ThreePointColor, QT_TRANSLATE_NOOP("Configuration", "Colours"), "",
     QT_TRANSLATE_NOOP("Configuration", "Three point colour"), &C::ThreePointColor, false, ""},
    {NameColor, QT_TRANSLATE_NOOP("Configuration", "Colours"), "",
     QT_TRANSLATE_NOOP("Configuration", "Names"), &C::NameColor, false, ""},
    {BGColor, QT_TRANSLATE_NOOP("Configuration", "Colours"), "",
     QT_TRANSLATE_NOOP("Configuration", "Background"), &C::BGColor, false, ""},
    {Rounds, QT_TRANSLATE_NOOP("Configuration", "Scoring"), "",
     QT_TRANSLATE_NOOP("Configuration", "Number of rounds"), &C::Rounds, false, ""},
    {AutoRestartAfterInjury, QT_TRANSLATE_NOOP("Configuration", "Scoring"), "",
     QT_TRANSLATE_NOOP("Configuration", "Auto-restart after injury"), &C::AutoRestartAfterInjury,
     false, ""},
    {DisqualifyPenalty, QT_TRANSLATE_NOOP("Configuration", "Scoring"), "",
     QT_TRANSLATE_NOOP("Configuration", "Disqualification penalty"), &C::DisqualifyPenalty, false,
     ""},
    {UsePenaltyIncrement, QT_TRANSLATE_NOOP("Configuration", "Scoring"), "",
     QT_TRANSLATE_NOOP("Configuration", "Use penalty increment"), &C::UsePenaltyIncrement, false,
     ""},
    {ShowTotalPenalty, QT_TRANSLATE_NOOP("Configuration", "Scoring"), "",
     QT_TRANSLATE_NOOP("Configuration", "Always show total penalty"), &C::ShowTotalPenalty, false,
     ""},
    {AutoCalcWinner, QT_TRANSLATE_NOOP("Configuration", "Scoring"), "",
     QT_TRANSLATE_NOOP("Configuration", "Auto-calc winner"), &C::AutoCalcWinner, false, ""},
    {WinnerBlink, QT_TRANSLATE_NOOP("Configuration", "Scoring"), "",
     QT_TRANSLATE_NOOP("Configuration", "Winner blink frequency (millisecs)"), &C::WinnerBlink,
     false, ""},
    {UseSuddenDeath, QT_TRANSLATE_NOOP("Configuration", "Scoring"),
     QT_TRANSLATE_NOOP("Configuration", "Sudden Death Round"),
     QT_TRANSLATE_NOOP("Configuration", "Use sudden death round"), &C::UseSuddenDeath, false, ""},
    {FirstToScore, QT_TRANSLATE_NOOP("Configuration", "Scoring"),
     QT_TRANSLATE_NOOP("Configuration", "Sudden Death Round"),
     QT_TRANSLATE_NOOP("Configuration", "First to score wins"), &C::FirstToScore, false, ""},
    {ResetScoreForSuddenDeath, QT_TRANSLATE_NOOP("Configuration", "Scoring"),
     QT_TRANSLATE_NOOP("Configuration", "Sudden Death Round"),
     QT_TRANSLATE_NOOP("Configuration", "Reset score at start of round"),
     &C::ResetScoreForSuddenDeath, false, ""},
    {UseElectronicScoring, QT_TRANSLATE_NOOP("Configuration", "Scoring"),
     QT_TRANSLATE_NOOP("Configuration", "Electronic scoring"),
     QT_TRANSLATE_NOOP("Configuration", "Use electronic scoring"), &C::UseElectronicScoring, false,
     ""},
    {NumButtons, QT_TRANSLATE_NOOP("Configuration", "Scoring"),
     QT_TRANSLATE_NOOP("Configuration", "Electronic scoring"),
     QT_TRANSLATE_NOOP("Configuration", "Buttons to register"), &C::NumButtons, false, ""},
    {Transiency, QT_TRANSLATE_NOOP("Configuration", "Scoring"),
     QT_TRANSLATE_NOOP("Configuration", "Electronic scoring"),
     QT_TRANSLATE_NOOP("Configuration", "Transiency (msec)"), &C::Transiency, false, ""},
    {Rules, QT_TRANSLATE_NOOP("Configuration", "Scoring"), "",
     QT_TRANSLATE_NOOP("Configuration", "Rule set"), &C::Rules, false,
     QT_TRANSLATE_NOOP("Configuration",
                       "Classic: one score over all rounds. BestOfThree: each round scored on its "
                       "own, the first to win two rounds wins (start a new game after a change)")},
    {GamJeomLimit, QT_TRANSLATE_NOOP("Configuration", "Scoring"),
     QT_TRANSLATE_NOOP("Configuration", "Best of three"),
     QT_TRANSLATE_NOOP("Configuration", "Gam-jeoms that lose the round"), &C::GamJeomLimit, false,
     QT_TRANSLATE_NOOP("Configuration", "0 turns the limit off")},
    {RoundPointGap, QT_TRANSLATE_NOOP("Configuration", "Scoring"),
     QT_TRANSLATE_NOOP("Configuration", "Best of three"),
     QT_TRANSLATE_NOOP("Configuration", "Point gap that wins the round"), &C::RoundPointGap, false,
     QT_TRANSLATE_NOOP("Configuration", "0 turns the gap off")},
    {CommPortNo, "", "", QT_TRANSLATE_NOOP("Configuration", "Comm port"), &C::CommPortNo, true, ""},
    {UsePointGap, QT_TRANSLATE_NOOP("Configuration", "Point Gap"), "",
     QT_TRANSLATE_NOOP("Configuration", "Use point gap"), &C::UsePointGap, true, ""},
    {PointGap, QT_TRANSLATE_NOOP("Configuration", "Point Gap"), "",
     QT_TRANSLATE_NOOP("Configuration", "Gap to win"), &C::PointGap, true, ""},
    {UsePointCeiling, QT_TRANSLATE_NOOP("Configuration", "Point Ceiling"), "",
     QT_TRANSLATE_NOOP("Configuration", "Use point ceiling"), &C::UsePointCeiling, true, ""},
    {PointCeiling, QT_TRANSLATE_NOOP("Configuration", "Point Ceiling"), "",
     QT_TRANSLATE_NOOP("Configuration", "Ceiling to win"), &C::PointCeiling, true, ""},
};

}  // namespace

std::span<const TConfigRowDef> ConfigRowDefs() { return Defs; }

QStringList TConfigRowDef::Choices() const {
  if (Row != TConfigRow::Rules) return {};
  return {RulesText(TRules::Classic), RulesText(TRules::BestOfThree)};
}

TRowKind TConfigRowDef::Kind() const {
  if (!Choices().isEmpty()) return TRowKind::Choice;
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
