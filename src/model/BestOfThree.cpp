#include "model/BestOfThree.h"

#include <QCoreApplication>
#include <cstdlib>

namespace {

TWinner Leader(int32_t Red, int32_t Blue) {
  if (Red > Blue) return TWinner::Red;
  if (Blue > Red) return TWinner::Blue;
  return TWinner::None;
}

const char* ReasonWord(TRoundReason Reason) {
  switch (Reason) {
    case TRoundReason::Score:
      return QT_TRANSLATE_NOOP("Clock", "score");
    case TRoundReason::PointGap:
      return QT_TRANSLATE_NOOP("Clock", "point gap");
    case TRoundReason::GamJeoms:
      return QT_TRANSLATE_NOOP("Clock", "gam-jeoms");
    case TRoundReason::TurningKicks:
      return QT_TRANSLATE_NOOP("Clock", "turning kicks");
    case TRoundReason::HeadKicks:
      return QT_TRANSLATE_NOOP("Clock", "head kicks");
    case TRoundReason::BodyKicks:
      return QT_TRANSLATE_NOOP("Clock", "body kicks");
    case TRoundReason::Punches:
      return QT_TRANSLATE_NOOP("Clock", "punches");
    case TRoundReason::FewerGamJeoms:
      return QT_TRANSLATE_NOOP("Clock", "fewer gam-jeoms");
    case TRoundReason::Referee:
      return QT_TRANSLATE_NOOP("Clock", "referee");
  }
  return "";
}

}  // namespace

QString RoundReasonWord(TRoundReason Reason) { return QString::fromLatin1(ReasonWord(Reason)); }

QString RoundReasonText(TRoundReason Reason) {
  return QCoreApplication::translate("Clock", ReasonWord(Reason));
}

std::optional<TRoundReason> RoundReasonOf(const QString& Word) {
  for (int Value = 0; Value <= static_cast<int>(TRoundReason::Referee); ++Value) {
    const auto Reason = static_cast<TRoundReason>(Value);
    if (RoundReasonWord(Reason) == Word) return Reason;
  }
  return std::nullopt;
}

void TBestOfThree::NewMatch() {
  StartNextRound();
  FRounds.clear();
}

void TBestOfThree::AddTechnique(TSide Side, int32_t Points) {
  if (Points < 1 || Points > MaxTechniquePoints) return;
  TTally& Tally = TallyOf(Side);
  ++Tally.Count[static_cast<size_t>(Points)];
  Tally.Order.push_back(Points);
}

int32_t TBestOfThree::TakeBackTechnique(TSide Side) {
  TTally& Tally = TallyOf(Side);
  if (Tally.Order.empty()) return 0;
  const int32_t Points = Tally.Order.back();
  Tally.Order.pop_back();
  --Tally.Count[static_cast<size_t>(Points)];
  return Points;
}

int32_t TBestOfThree::PointsOf(TSide Side, int32_t Points) const {
  if (Points < 1 || Points > MaxTechniquePoints) return 0;
  return Points * TallyOf(Side).Count[static_cast<size_t>(Points)];
}

int32_t TBestOfThree::PointsFrom(TSide Side, std::initializer_list<int32_t> Values) const {
  int32_t Sum = 0;
  for (int32_t Points : Values) Sum += PointsOf(Side, Points);
  return Sum;
}

TRoundResult TBestOfThree::CheckLimits(const TRoundScores& Scores, const TRoundLimits& Limits) {
  if (Limits.GamJeomLimit > 0) {
    if (Scores.RedGamJeoms >= Limits.GamJeomLimit) return {TWinner::Blue, TRoundReason::GamJeoms};
    if (Scores.BlueGamJeoms >= Limits.GamJeomLimit) return {TWinner::Red, TRoundReason::GamJeoms};
  }
  const int32_t Red = Scores.Total(TSide::Red);
  const int32_t Blue = Scores.Total(TSide::Blue);
  if (Limits.PointGap > 0 && std::abs(Red - Blue) >= Limits.PointGap)
    return {Leader(Red, Blue), TRoundReason::PointGap};
  return {};
}

// A tie goes, in this order, to more points from turning kicks (4 and 5),
// from head kicks (3 and 5), from body kicks (2 and 4), from punches, and
// then to the side with fewer gam-jeoms.
TRoundResult TBestOfThree::DecideByScore(const TRoundScores& Scores) const {
  using R = TSide;
  const struct {
    int32_t Red;
    int32_t Blue;
    TRoundReason Reason;
  } Steps[] = {
      {Scores.Total(R::Red), Scores.Total(R::Blue), TRoundReason::Score},
      {PointsFrom(R::Red, {4, 5}), PointsFrom(R::Blue, {4, 5}), TRoundReason::TurningKicks},
      {PointsFrom(R::Red, {3, 5}), PointsFrom(R::Blue, {3, 5}), TRoundReason::HeadKicks},
      {PointsFrom(R::Red, {2, 4}), PointsFrom(R::Blue, {2, 4}), TRoundReason::BodyKicks},
      {PointsOf(R::Red, 1), PointsOf(R::Blue, 1), TRoundReason::Punches},
      {-Scores.RedGamJeoms, -Scores.BlueGamJeoms, TRoundReason::FewerGamJeoms},
  };
  for (const auto& Step : Steps) {
    const TWinner Winner = Leader(Step.Red, Step.Blue);
    if (Winner != TWinner::None) return {Winner, Step.Reason};
  }
  return {TWinner::None, TRoundReason::Referee};
}

void TBestOfThree::RecordRound(int32_t Round, const TRoundResult& Result) {
  if (Result.Winner == TWinner::None || FRoundDecided) return;
  FRounds.push_back({Round, Result});
  FRoundDecided = true;
}

void TBestOfThree::Restore(const std::vector<TRoundRecord>& Rounds, bool RoundDecided) {
  StartNextRound();
  FRounds = Rounds;
  FRoundDecided = RoundDecided;
}

void TBestOfThree::StartNextRound() {
  FRed = {};
  FBlue = {};
  FRoundDecided = false;
}

int32_t TBestOfThree::RoundsWon(TSide Side) const {
  int32_t Won = 0;
  for (const TRoundRecord& Record : FRounds)
    if (Record.Result.Winner == WinnerOf(Side)) ++Won;
  return Won;
}

TWinner TBestOfThree::MatchWinner() const {
  if (RoundsWon(TSide::Red) >= RoundsToWin) return TWinner::Red;
  if (RoundsWon(TSide::Blue) >= RoundsToWin) return TWinner::Blue;
  return TWinner::None;
}
