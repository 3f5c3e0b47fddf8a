#include "model/MatchSnapshot.h"

#include <QJsonArray>
#include <algorithm>
#include <cmath>

namespace {

QString ClockStateName(TFeedClockState State) {
  switch (State) {
    case TFeedClockState::Idle:
      return QStringLiteral("idle");
    case TFeedClockState::Running:
      return QStringLiteral("running");
    case TFeedClockState::Break:
      return QStringLiteral("break");
    case TFeedClockState::Paused:
      return QStringLiteral("paused");
    case TFeedClockState::Injury:
      return QStringLiteral("injury");
    case TFeedClockState::Ended:
      return QStringLiteral("ended");
    case TFeedClockState::PointGap:
      return QStringLiteral("pointGap");
    case TFeedClockState::PointCeiling:
      return QStringLiteral("pointCeiling");
  }
  return QString();
}

QString WinnerName(uint8_t Winner) {
  if (Winner == 1) return QStringLiteral("blue");
  if (Winner == 2) return QStringLiteral("red");
  return QStringLiteral("none");
}

QJsonObject SideJson(const TSideSnapshot& Side) {
  return {{QStringLiteral("name"), Side.Name},
          {QStringLiteral("score"), Side.Score},
          {QStringLiteral("shownScore"), Side.ShownScore},
          {QStringLiteral("penalties"), Side.Penalties},
          {QStringLiteral("penaltyHalves"), static_cast<int>(std::lround(Side.Penalties * 2))},
          {QStringLiteral("shownPenalties"), Side.ShownPenalties},
          {QStringLiteral("halfPenaltyShown"), Side.HalfPenaltyShown},
          {QStringLiteral("color"), HtmlColor(Side.Color)},
          {QStringLiteral("roundsWon"), Side.RoundsWon}};
}

QJsonValue LightJson(TColor Light) {
  return Light == clUnlitLight ? QJsonValue() : QJsonValue(HtmlColor(Light));
}

QJsonArray JudgesJson(const std::array<TJudgeSnapshot, 4>& Judges) {
  QJsonArray Result;
  for (const TJudgeSnapshot& Judge : Judges) {
    Result.append(QJsonObject{{QStringLiteral("connected"), Judge.Connected},
                              {QStringLiteral("redLight"), LightJson(Judge.RedLight)},
                              {QStringLiteral("blueLight"), LightJson(Judge.BlueLight)}});
  }
  return Result;
}

QJsonObject ClockJson(const TClockSnapshot& Clock) {
  return {{QStringLiteral("state"), ClockStateName(Clock.State)},
          {QStringLiteral("counting"), Clock.Counts()},
          {QStringLiteral("remainingMs"), static_cast<qint64>(std::llround(Clock.RemainingMs))},
          {QStringLiteral("takenAtMs"), static_cast<qint64>(std::llround(Clock.TakenAtMs))},
          {QStringLiteral("takenAtUnixMs"), static_cast<qint64>(Clock.TakenAtUnixMs)},
          {QStringLiteral("text"), Clock.Text},
          {QStringLiteral("stateText"), Clock.StateText},
          {QStringLiteral("color"), HtmlColor(Clock.Color)},
          {QStringLiteral("warningMs"), static_cast<qint64>(std::llround(Clock.WarningMs))}};
}

}  // namespace

// "#rrggbb" from the settings' 0x00BBGGRR.
QString HtmlColor(TColor Color) {
  const auto Channel = [Color](int Shift) {
    return QStringLiteral("%1").arg((Color >> Shift) & 0xFF, 2, 16, QLatin1Char('0'));
  };
  return QLatin1Char('#') + Channel(0) + Channel(8) + Channel(16);
}

bool TClockSnapshot::Counts() const {
  return State == TFeedClockState::Running || State == TFeedClockState::Break ||
         State == TFeedClockState::Injury;
}

bool TMatchSnapshot::SameAs(const TMatchSnapshot& Other) const {
  TMatchSnapshot Mine = *this;
  Mine.Sequence = Other.Sequence;
  Mine.Clock.TakenAtMs = Other.Clock.TakenAtMs;
  Mine.Clock.TakenAtUnixMs = Other.Clock.TakenAtUnixMs;
  if (Mine.Clock.Counts() && Other.Clock.Counts()) {
    Mine.Clock.RemainingMs = Other.Clock.RemainingMs;
    Mine.Clock.Text = Other.Clock.Text;
  }
  return Mine.Division == Other.Division && Mine.Red == Other.Red && Mine.Blue == Other.Blue &&
         Mine.Round == Other.Round && Mine.Rounds == Other.Rounds &&
         Mine.SuddenDeath == Other.SuddenDeath && Mine.Winner == Other.Winner &&
         Mine.Clock == Other.Clock && Mine.Judges == Other.Judges &&
         Mine.Background == Other.Background && Mine.NameColor == Other.NameColor;
}

TMatchSnapshot TMatchSnapshot::At(double NowMs, int64_t NowUnixMs) const {
  TMatchSnapshot Result = *this;
  if (Clock.Counts()) {
    // A clock past zero waits for the board to end the segment.
    Result.Clock.RemainingMs = std::max(0.0, Clock.RemainingMs - (NowMs - Clock.TakenAtMs));
  }
  Result.Clock.TakenAtMs = NowMs;
  Result.Clock.TakenAtUnixMs = NowUnixMs;
  return Result;
}

QJsonObject TMatchSnapshot::ToJson() const {
  return {
      {QStringLiteral("version"), SchemaVersion},
      {QStringLiteral("sequence"), static_cast<qint64>(Sequence)},
      {QStringLiteral("division"), Division},
      {QStringLiteral("red"), SideJson(Red)},
      {QStringLiteral("blue"), SideJson(Blue)},
      {QStringLiteral("round"), Round},
      {QStringLiteral("rounds"), Rounds},
      {QStringLiteral("suddenDeath"), SuddenDeath},
      {QStringLiteral("winner"), WinnerName(Winner)},
      {QStringLiteral("clock"), ClockJson(Clock)},
      {QStringLiteral("judges"), JudgesJson(Judges)},
      {QStringLiteral("colors"), QJsonObject{{QStringLiteral("background"), HtmlColor(Background)},
                                             {QStringLiteral("names"), HtmlColor(NameColor)}}}};
}
