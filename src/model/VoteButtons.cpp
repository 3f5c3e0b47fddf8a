#include "model/VoteButtons.h"

#include "model/BestOfThree.h"
#include "model/RuleSet.h"

int32_t MaxVotePoints(const TTKDConfig& Config) {
  return RulesOf(Config) == TRules::BestOfThree ? TBestOfThree::MaxTechniquePoints
                                                : ClassicMaxVotePoints;
}
