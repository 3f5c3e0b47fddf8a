#pragma once

#include <QString>

class TTKDConfig;

// The scoring rules a match is kept by, chosen with the [Config] key Rules.
enum class TRules {
  // One running score over all rounds, half penalties, sudden death.
  Classic,
  // Rounds scored on their own; the first to win two rounds wins the match.
  BestOfThree,
};

// The stored names; any other text reads as Classic.
QString RulesText(TRules Rules);
TRules RulesOf(const TTKDConfig& Config);
