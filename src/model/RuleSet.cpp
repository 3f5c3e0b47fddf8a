#include "model/RuleSet.h"

#include "model/Settings.h"

QString RulesText(TRules Rules) {
  return Rules == TRules::BestOfThree ? QStringLiteral("BestOfThree") : QStringLiteral("Classic");
}

TRules RulesOf(const TTKDConfig& Config) {
  return Config.Rules.trimmed().compare(RulesText(TRules::BestOfThree), Qt::CaseInsensitive) == 0
             ? TRules::BestOfThree
             : TRules::Classic;
}
