// The one place where the board and its match meet the live feed.
#include "board/BoardFeed.h"

#include <QDateTime>
#include <QLabel>
#include <QRegularExpression>
#include <cmath>

#include "board/ScoreDisplay.h"
#include "clock/RoundFlow.h"
#include "clock/TimerThread.h"
#include "input/Judges.h"
#include "match/Match.h"
#include "model/BoardLight.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "model/ShownScore.h"
#include "platform/TimeSource.h"
#include "widgets/ColorConversion.h"

namespace {

// A clock that has not ticked in its new state is asked again this often,
// up to the board's next tick at most 10 ms away.
constexpr int StaleRetryMs = 2;
constexpr int StaleTriesMax = 25;

TFeedClockState FeedState(TClockState State) {
  switch (State) {
    case csRunning:
      return TFeedClockState::Running;
    case csBreak:
      return TFeedClockState::Break;
    case csPaused:
      return TFeedClockState::Paused;
    case csInjury:
      return TFeedClockState::Injury;
    case csEnded:
      return TFeedClockState::Ended;
    case csPointGap:
      return TFeedClockState::PointGap;
    case csPointCeiling:
      return TFeedClockState::PointCeiling;
  }
  return TFeedClockState::Idle;
}

// Without a clock the board shows whole seconds as "m:ss".
double ShownSeconds(const QString& ClockText) {
  static const QRegularExpression Pattern(QStringLiteral("^(\\d+)\\D(\\d\\d)$"));
  const QRegularExpressionMatch Match = Pattern.match(ClockText.trimmed());
  if (!Match.hasMatch()) return 0;
  return Match.captured(1).toDouble() * 60 + Match.captured(2).toDouble();
}

TColor TextColor(const QWidget* Widget) {
  return FromQColor(Widget->palette().color(QPalette::WindowText));
}

TSideSnapshot SideSnapshot(TfrmDorvane& Board, TMatch& Match, TSide Side) {
  const TDorvaneMgr& Mgr = Match.ScoreMgr();
  const bool Red = Side == TSide::Red;
  const QString Colour = Red ? QStringLiteral("Red") : QStringLiteral("Blue");
  TSideSnapshot Result;
  Result.Name = Board.Label(QStringLiteral("lbl%1PlayerName").arg(Colour))->text();
  Result.Score = Red ? Mgr.RedScore() : Mgr.BlueScore();
  Result.Penalties = Red ? Mgr.RedPenalty() : Mgr.BluePenalty();
  // The shown figure, not the label, which blinks "W" for a winner.
  Result.ShownScore = QString::number(ShownScore(Mgr, Side));
  Result.ShownPenalties = Board.Label(QStringLiteral("lbl%1Penalty").arg(Colour))->text();
  Result.HalfPenaltyShown = !Board.Element(QStringLiteral("shp%1Penalty").arg(Colour))->isHidden();
  Result.Color = TextColor(Board.Label(QStringLiteral("lbl%1Score").arg(Colour)));
  Result.RoundsWon = Match.RoundFlow().BestOfThree().RoundsWon(Red ? TSide::Red : TSide::Blue);
  return Result;
}

}  // namespace

std::optional<TMatchSnapshot> BoardSnapshot(TfrmDorvane& Board, TMatch& Match, double TicksAfter) {
  const TRoundFlow::TClockReading Reading = Match.RoundFlow().ClockReading();
  const TFeedClockState State = Reading.Exists ? FeedState(Reading.State) : TFeedClockState::Idle;
  const bool Counts = State == TFeedClockState::Running || State == TFeedClockState::Break ||
                      State == TFeedClockState::Injury;
  const bool FreshTick =
      Reading.Exists && Reading.TickState == Reading.State && Reading.TakenAt >= TicksAfter;
  if (Counts && !FreshTick) return std::nullopt;
  const TDorvaneMgr& Mgr = Match.ScoreMgr();
  TMatchSnapshot Result;
  Result.Division = Board.Label(QStringLiteral("lblDivision"))->text();
  Result.Red = SideSnapshot(Board, Match, TSide::Red);
  Result.Blue = SideSnapshot(Board, Match, TSide::Blue);
  Result.Round = Mgr.Round();
  Result.Rounds = Match.RoundFlow().RoundCount();
  Result.SuddenDeath = Match.RoundFlow().SuddenDeathActive();
  Result.Winner = static_cast<uint8_t>(Mgr.Winner());

  TClockSnapshot& Clock = Result.Clock;
  const QLabel* ClockLabel = Board.Label(QStringLiteral("lblCountDown"));
  const QLabel* StateLabel = Board.Label(QStringLiteral("lblRoundState"));
  Clock.Text = ClockLabel->text();
  Clock.StateText = StateLabel->text();
  // The state line has the clock's colour without the warning blink's dark phase.
  Clock.Color = TextColor(StateLabel);
  Clock.WarningMs = Match.Config().EndOfRoundWarning * 1000;
  Clock.TakenAtUnixMs = QDateTime::currentMSecsSinceEpoch();
  Clock.State = State;
  // A pause holds the round time it was entered with (the last tick may be
  // most of a second older); other held states hold what the board shows.
  if (Counts) {
    Clock.RemainingMs = std::max(0.0, Reading.Remaining * 1000);
    Clock.TakenAtMs = Reading.TakenAt * MsPerDay;
  } else if (State == TFeedClockState::Paused) {
    Clock.RemainingMs = std::max(0.0, Match.RoundFlow().RoundLeft() * 1000);
    Clock.TakenAtMs = Now() * MsPerDay;
  } else {
    Clock.RemainingMs = ShownSeconds(Clock.Text) * 1000;
    Clock.TakenAtMs = Now() * MsPerDay;
  }

  TJudgeList& Judges = Match.Judges();
  for (int N = 1; N <= MaxJudges; ++N) {
    TJudgeSnapshot& Judge = Result.Judges[static_cast<size_t>(N - 1)];
    Judge.Connected = N <= Judges.Count() && Judges[N - 1].JoyStick != nullptr;
    Judge.RedLight = Board.RedLight(N).LightColor();
    Judge.BlueLight = Board.BlueLight(N).LightColor();
  }
  Result.Background = FromQColor(Board.palette().color(QPalette::Window));
  Result.NameColor = TextColor(Board.Label(QStringLiteral("lblRedPlayerName")));
  return Result;
}

TBoardFeed::TBoardFeed(TfrmDorvane& Board, TMatch& Match, std::unique_ptr<TFeedOutlet> Feed)
    : FBoard(Board), FMatch(Match), FFeed(std::move(Feed)) {
  if (!FFeed) return;
  FPending.setSingleShot(true);
  connect(&FPending, &QTimer::timeout, this, [this] { OfferSnapshot(); });
  FBoard.OnMatchChanged = [this] { MatchChanged(); };
  // The judges' lights change on this timer's beat, not through a redraw of the board.
  connect(&Match.JudgeLightTimer(), &QTimer::timeout, this, [this] { MatchChanged(); });
  MatchChanged();
}

TBoardFeed::~TBoardFeed() { FBoard.OnMatchChanged = nullptr; }

// Many redraws of one command become one snapshot, taken when they are done.
void TBoardFeed::MatchChanged() {
  if (FPending.isActive() && FStaleTries == 0) return;
  FStaleTries = 0;
  FPending.start(0);
}

void TBoardFeed::OfferSnapshot() {
  const TRoundFlow::TClockReading Reading = FMatch.RoundFlow().ClockReading();
  const int State = Reading.Exists ? static_cast<int>(Reading.State) : -1;
  if (State != FSeenState) {
    FSeenState = State;
    FStateSince = Now();
  }
  const std::optional<TMatchSnapshot> Snapshot = BoardSnapshot(FBoard, FMatch, FStateSince);
  if (!Snapshot && ++FStaleTries <= StaleTriesMax) {
    FPending.start(StaleRetryMs);
    return;
  }
  FStaleTries = 0;
  if (Snapshot) FFeed->Offer(*Snapshot);
}
