// What the board hands the live feed, taken from the real board and its match
// with the clock counting on the fixture's fake time.
#include <gtest/gtest.h>

#include "board/BoardFeed.h"
#include "clock/RoundFlow.h"
#include "match/Match.h"
#include "support/core/RunUntil.h"
#include "support/ui/BoardFixture.h"

namespace {

// The clock text changes once a second, and a tick reaches the board only
// then: a pause between two ticks holds a time the last tick never showed.
// The feed carries the held time itself, wherever in the second it falls.
TEST_F(TBoardFixture, APausedClockInTheFeedHoldsTheTimeThePauseHolds) {
  TRoundFlow& Flow = Match().RoundFlow();
  for (const int64_t PauseAtMs : {300, 1300, 1501, 2750}) {
    SCOPED_TRACE(PauseAtMs);
    FTime.After(PauseAtMs, [this] { Match().TogglePause(); });
    Match().StartRound();
    ASSERT_TRUE(RunUntil([&Flow] { return Flow.ClockExists() && !Flow.ClockRunning(); }));

    const std::optional<TMatchSnapshot> Snapshot = BoardSnapshot(Board(), Match(), 0);
    ASSERT_TRUE(Snapshot.has_value());
    EXPECT_EQ(Snapshot->Clock.State, TFeedClockState::Paused);
    EXPECT_NEAR(Snapshot->Clock.RemainingMs, (FConfig.RoundTime * 1000) - PauseAtMs, 1.5);
    EXPECT_DOUBLE_EQ(Snapshot->Clock.RemainingMs, Flow.RoundLeft() * 1000);

    Match().StopRound();
    ASSERT_TRUE(RunUntil([&Flow] { return !Flow.ClockExists(); }));
  }
}

}  // namespace
