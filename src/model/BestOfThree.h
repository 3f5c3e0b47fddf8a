#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/Side.h"
#include "model/Winner.h"

// Why a round went to its winner, in the order the rules try them.
enum class TRoundReason : uint8_t {
  Score,
  PointGap,
  GamJeoms,
  TurningKicks,
  HeadKicks,
  BodyKicks,
  Punches,
  FewerGamJeoms,
  Referee,
};

// The word the record file carries for a reason ("score", ...).
QString RoundReasonWord(TRoundReason Reason);
// The same word in the operator's language, for the board.
QString RoundReasonText(TRoundReason Reason);
// The reason a word stands for; none for any other text.
std::optional<TRoundReason> RoundReasonOf(const QString& Word);

// One round's totals as the best-of-three rules read them: each side's
// technique points and its own gam-jeoms (each worth a point to the other).
struct TRoundScores {
  int32_t Red = 0;
  int32_t Blue = 0;
  int32_t RedGamJeoms = 0;
  int32_t BlueGamJeoms = 0;

  int32_t Total(TSide Side) const {
    return Side == TSide::Red ? Red + BlueGamJeoms : Blue + RedGamJeoms;
  }
};

struct TRoundResult {
  TWinner Winner = TWinner::None;
  TRoundReason Reason = TRoundReason::Score;
};

// The numbers tournaments set for themselves; a limit of 0 or less is off.
struct TRoundLimits {
  int32_t PointGap = 12;
  int32_t GamJeomLimit = 5;
};

// The state of a best-of-three match: the techniques of the round under way
// (for the tie-breaks), each decided round's winner and reason, and the
// match's winner once a side has won two rounds. Pure logic, no clock.
class TBestOfThree {
 public:
  static constexpr int32_t RoundsToWin = 2;
  static constexpr int32_t MaxRounds = 3;
  // Points a technique may score: punch 1 up to turning head kick 5.
  static constexpr int32_t MaxTechniquePoints = 5;

  struct TRoundRecord {
    int32_t Round = 0;
    TRoundResult Result;
  };

  void NewMatch();
  // A scoring technique of Points (1 to 5) in the round under way.
  void AddTechnique(TSide Side, int32_t Points);
  // Takes back the side's last technique of the round; its points, 0 when none.
  int32_t TakeBackTechnique(TSide Side);
  // Points the side scored this round with techniques of value Points.
  int32_t PointsOf(TSide Side, int32_t Points) const;

  // While the round runs: a round won by the gap or lost by the gam-jeom
  // limit; Winner None while neither is reached.
  static TRoundResult CheckLimits(const TRoundScores& Scores, const TRoundLimits& Limits);
  // At the end of the round's time: the higher score, then the tie-breaks;
  // Winner None when only the referee's superiority decision is left.
  TRoundResult DecideByScore(const TRoundScores& Scores) const;

  // Records the decided round; the round counts as decided until the next.
  void RecordRound(int32_t Round, const TRoundResult& Result);
  bool RoundDecided() const { return FRoundDecided; }
  // The round after a decided one starts with no techniques.
  void StartNextRound();
  int32_t RoundsWon(TSide Side) const;
  TWinner MatchWinner() const;
  const std::vector<TRoundRecord>& Rounds() const { return FRounds; }
  // Takes up an interrupted match's decided rounds (its techniques are lost).
  void Restore(const std::vector<TRoundRecord>& Rounds, bool RoundDecided);

 private:
  struct TTally {
    std::array<int32_t, MaxTechniquePoints + 1> Count{};
    std::vector<int32_t> Order;
  };
  const TTally& TallyOf(TSide Side) const { return Side == TSide::Red ? FRed : FBlue; }
  TTally& TallyOf(TSide Side) { return Side == TSide::Red ? FRed : FBlue; }
  int32_t PointsFrom(TSide Side, std::initializer_list<int32_t> Values) const;

  TTally FRed;
  TTally FBlue;
  bool FRoundDecided = false;
  std::vector<TRoundRecord> FRounds;
};
