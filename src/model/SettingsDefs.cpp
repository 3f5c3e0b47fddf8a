#include "model/SettingsDefs.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

#include "model/NumberText.h"

namespace {

using K = TSettingKind;
using C = TTKDConfig;

constexpr TSettingRange AnyInt32{};
constexpr TSettingRange Count{0};
// A clock shows at most 99:59; zero or less is no time.
constexpr TSettingRange Time{0, 5999, true};
// The same with 0 allowed: no warning blink, no break between rounds.
constexpr TSettingRange TimeOrNone{0, 5999};
// Faster blinking than this is a flicker, not a blink.
constexpr TSettingRange Blink{100};

// The settings written before the vote buttons.
const TSettingDef LeadingDefs[] = {
    {"RoundTime", &C::RoundTime, K::Float, 180, "", Time},
    {"CoachTime", &C::CoachTime, K::Float, 30, "", TimeOrNone},
    {"InjuryTime", &C::InjuryTime, K::Float, 60, "", Time},
    {"DisqualifyPenalty", &C::DisqualifyPenalty, K::Float, 4, "", Count},
    {"EndOfRoundWarning", &C::EndOfRoundWarning, K::Float, 10, "", TimeOrNone},
    {"BluePlayer", &C::BluePlayer, K::Text, 0, "Blue player", {}},
    {"RedPlayer", &C::RedPlayer, K::Text, 0, "Red player", {}},
    {"Rounds", &C::Rounds, K::Integer, 3, "", Count},
    {"RoundColor", &C::RoundColor, K::Colour, 16777215, "", AnyInt32},
    {"BreakColor", &C::BreakColor, K::Colour, 65280, "", AnyInt32},
    {"InjuryColor", &C::InjuryColor, K::Colour, 65535, "", AnyInt32},
    {"RedPlayerColor", &C::RedPlayerColor, K::Colour, 255, "", AnyInt32},
    {"BluePlayerColor", &C::BluePlayerColor, K::Colour, 16711680, "", AnyInt32},
    {"OnePointColor", &C::OnePointColor, K::Colour, 65280, "", AnyInt32},
    {"TwoPointColor", &C::TwoPointColor, K::Colour, 65535, "", AnyInt32},
    {"ThreePointColor", &C::ThreePointColor, K::Colour, 255, "", AnyInt32},
    {"NameColor", &C::NameColor, K::Colour, 16777215, "", AnyInt32},
    {"BGColor", &C::BGColor, K::Colour, 0, "", AnyInt32},
    {"CommPortNo", &C::CommPortNo, K::Integer, 1, "", Count},
    {"Division", &C::Division, K::Text, 0, "", {}},
    {"AutoCalcWinner", &C::AutoCalcWinner, K::Flag, 0, "", AnyInt32},
    {"QueryB4NewGame", &C::QueryB4NewGame, K::Flag, 0, "", AnyInt32},
    {"WinnerBlink", &C::WinnerBlink, K::Float, 200, "", Blink},
    // Always read with this spelling; names match without regard to case,
    // so it is the entry written as AutoRestartAfterInjury.
    {"AutoRestartAfterInjury", &C::AutoRestartAfterInjury, K::Flag, 1, "", AnyInt32,
     "AutoRestartAFterInjury"},
    {"UseElectronicScoring", &C::UseElectronicScoring, K::Flag, 0, "", AnyInt32},
    {"UsePenaltyIncrement", &C::UsePenaltyIncrement, K::Flag, 0, "", AnyInt32},
    {"ShowTotalPenalty", &C::ShowTotalPenalty, K::Flag, 0, "", AnyInt32},
    {"NumButtons", &C::NumButtons, K::Integer, 2, "", Count},
    {"Transiency", &C::Transiency, K::Integer, 200, "", Count},
    // The point-gap and point-ceiling rules start off at every program
    // start, whatever the file says; only their limits are kept.
    {"UsePointGap", &C::UsePointGap, K::Flag, 0, "", AnyInt32, nullptr, true},
    {"PointGap", &C::PointGap, K::Integer, 7, "", Count},
    {"UsePointCeiling", &C::UsePointCeiling, K::Flag, 0, "", AnyInt32, nullptr, true},
    {"PointCeiling", &C::PointCeiling, K::Integer, 12, "", Count},
    {"UseSuddenDeath", &C::UseSuddenDeath, K::Flag, 1, "", AnyInt32},
    {"FirstToScore", &C::FirstToScore, K::Flag, 1, "", AnyInt32},
    {"ResetScoreForSuddenDeath", &C::ResetScoreForSuddenDeath, K::Flag, 1, "", AnyInt32},
    {"SaveFileName", &C::SaveFileName, K::Text, 0, "", {}},
    {"SaveInput", &C::SaveInput, K::Flag, 0, "", AnyInt32},
    {"SaveScores", &C::SaveScores, K::Flag, 0, "", AnyInt32},
};

// The rule set's own keys, written between the vote buttons of 1 to 3 points
// and those of 4 and 5.
const TSettingDef RuleDefs[] = {
    {"Rules", &C::Rules, K::Text, 0, "Classic", {}},
    {"GamJeomLimit", &C::GamJeomLimit, K::Integer, 5, "", Count},
    {"RoundPointGap", &C::RoundPointGap, K::Integer, 12, "", Count},
};

void AddVoteButtonDefs(std::vector<TSettingDef>& Defs, bool BestOfThreeOnly) {
  for (size_t Index = 0; Index < VoteButtons.size(); ++Index) {
    const TVoteButtonDef& Button = VoteButtons[Index];
    if ((Button.Points > ClassicMaxVotePoints) != BestOfThreeOnly) continue;
    Defs.push_back({Button.Key, TVoteButtonField{Index}, K::Integer,
                    double(Button.DefaultNumber), "", Count});
  }
}

std::vector<TSettingDef> AllDefs() {
  std::vector<TSettingDef> All(std::begin(LeadingDefs), std::end(LeadingDefs));
  AddVoteButtonDefs(All, false);
  All.insert(All.end(), std::begin(RuleDefs), std::end(RuleDefs));
  AddVoteButtonDefs(All, true);
  return All;
}

// The field a member names, or a vote button's number.
template <class TMember>
auto& FieldOf(TTKDConfig& Config, TMember Member) {
  return Config.*Member;
}
template <class TMember>
const auto& FieldOf(const TTKDConfig& Config, TMember Member) {
  return Config.*Member;
}
int32_t& FieldOf(TTKDConfig& Config, TVoteButtonField Field) {
  return Config.VoteButtonNumbers[Field.Index];
}
const int32_t& FieldOf(const TTKDConfig& Config, TVoteButtonField Field) {
  return Config.VoteButtonNumbers[Field.Index];
}

}  // namespace

QString TSettingRange::Text() const {
  const QString Low = FormatFloatText(Min);
  const QString High = FormatFloatText(Max);
  return (MinExcluded ? QCoreApplication::translate("Configuration", "above %1 and at most %2")
                      : QCoreApplication::translate("Configuration", "at least %1 and at most %2"))
      .arg(Low, High);
}

std::span<const TSettingDef> SettingDefs() {
  static const std::vector<TSettingDef> All = AllDefs();
  return All;
}

double SettingValue(const TTKDConfig& Config, const TSettingDef& Def) {
  return std::visit(
      [&Config](auto Member) -> double {
        const auto& Value = FieldOf(Config, Member);
        using T = std::remove_cvref_t<decltype(Value)>;
        if constexpr (std::is_same_v<T, QString>) {
          return 0;
        } else if constexpr (std::is_same_v<T, std::atomic<bool>>) {
          return Value.load() ? 1 : 0;
        } else {
          return double(Value);
        }
      },
      Def.Field);
}

const TSettingDef& SettingDefOf(const TSettingField& Field) {
  const std::span<const TSettingDef> All = SettingDefs();
  return *std::find_if(All.begin(), All.end(),
                       [&Field](const TSettingDef& Def) { return Def.Field == Field; });
}

QString SettingText(const TTKDConfig& Config, const TSettingDef& Def) {
  if (const auto* Text = std::get_if<QString TTKDConfig::*>(&Def.Field)) return Config.**Text;
  const double Value = SettingValue(Config, Def);
  if (Def.Kind == K::Float) return FormatFloatText(Value);
  return QString::number(int32_t(Value));
}

std::optional<double> ParseSettingNumber(const TSettingDef& Def, const QString& Text) {
  if (Def.Kind == K::Float) {
    const std::optional<double> Value = ParseFloatText(Text);
    if (!Value) return std::nullopt;
    return *Value + 0.0;  // "-0" is stored as 0
  }
  return ParseIntegerText(Text);
}

std::optional<double> SettingNumber(const TSettingDef& Def, const QString& Text) {
  const std::optional<double> Value = ParseSettingNumber(Def, Text);
  if (!Value || !Def.Range.Contains(*Value)) return std::nullopt;
  return Value;
}

void SetSettingNumber(TTKDConfig& Config, const TSettingDef& Def, double Value) {
  std::visit(
      [&Config, Value](auto Member) {
        auto& Field = FieldOf(Config, Member);
        using T = std::remove_cvref_t<decltype(Field)>;
        if constexpr (std::is_same_v<T, QString>) {
          // Text settings take text.
        } else if constexpr (std::is_same_v<T, double>) {
          Field = Value;
        } else if constexpr (std::is_same_v<T, int32_t>) {
          Field = int32_t(Value);
        } else {
          Field = Value != 0;
        }
      },
      Def.Field);
}

void SetSettingText(TTKDConfig& Config, const TSettingDef& Def, const QString& Text) {
  if (const auto* Member = std::get_if<QString TTKDConfig::*>(&Def.Field)) Config.** Member = Text;
}
