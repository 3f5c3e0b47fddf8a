#include <gtest/gtest.h>

#include "RoundFlowFixture.h"
#include "clock/TimerThread.h"

namespace {

TClockState StateNow(const TRoundFlow& Flow) { return Flow.ClockReading().State; }

// Rounds last 2 s. Paused at 0.5 s with 1.5 s to go, the operator adds a
// second: only half of it fits in the round, and the round then runs 2 s
// from the resume instead of 1.5 s.
TEST_F(RoundFlowTest, PausedCorrectionMovesTheRoundEndWithinTheRound) {
  bool Added = false, AddedBeyond = true;
  Time.After(500, [this] { Flow->TogglePause(); });
  Time.After(600, [&] {
    Added = Flow->CorrectClock(+1);
    AddedBeyond = Flow->CorrectClock(+1);
    EXPECT_EQ(View.Board.ClockText, "0:02");
  });
  Time.After(700, [this] { Flow->TogglePause(); });
  TClockState At2400 = csEnded, At2800 = csEnded;
  Time.After(2400, [&] { At2400 = StateNow(*Flow); });
  Time.After(2800, [&] { At2800 = StateNow(*Flow); });
  Time.After(2900, [this] { Flow->StopRound(); });
  PlayRound();
  EXPECT_TRUE(Added);
  EXPECT_FALSE(AddedBeyond) << "the round's length bounds the correction";
  EXPECT_EQ(At2400, csRunning) << "without the correction the break would have begun at 2.2 s";
  EXPECT_EQ(At2800, csBreak);
}

// The board hears of the time only when its text changes ("0:01" at about
// 0.6 s): paused at 1 s, the second added goes on the 1.0 s held, not on the
// 1.4 s of that last tick, which the round's length would cut to 0.6 s.
TEST_F(RoundFlowTest, PausedCorrectionStartsFromTheTimeHeld) {
  Time.After(1000, [this] { Flow->TogglePause(); });
  Time.After(1100, [this] {
    EXPECT_TRUE(Flow->CorrectClock(+1));
    EXPECT_NEAR(Flow->RoundLeft(), 2.0, 1e-6);
    Flow->TogglePause();
  });
  TClockState At3100 = csEnded, At3300 = csEnded;
  Time.After(3100, [&] { At3100 = StateNow(*Flow); });
  Time.After(3300, [&] { At3300 = StateNow(*Flow); });
  Time.After(3400, [this] { Flow->StopRound(); });
  PlayRound();
  EXPECT_EQ(At3100, csRunning) << "2 s from the resume at 1.1 s";
  EXPECT_EQ(At3300, csBreak);
}

TEST_F(RoundFlowTest, PausedCorrectionStopsAtZero) {
  Time.After(1500, [this] { Flow->TogglePause(); });
  Time.After(1600, [this] {
    EXPECT_TRUE(Flow->CorrectClock(-1));  // 0.5 s left: down to 0
    EXPECT_FALSE(Flow->CorrectClock(-1));
    EXPECT_EQ(Flow->RoundLeft(), 0);
    EXPECT_EQ(View.Board.ClockText, "0:00");
    Flow->TogglePause();
  });
  TClockState At1700 = csEnded;
  Time.After(1700, [&] { At1700 = StateNow(*Flow); });
  Time.After(1800, [this] { Flow->StopRound(); });
  PlayRound();
  EXPECT_EQ(At1700, csBreak) << "a round with no time left ends at the resume";
}

// Running round time, injury time and the break count on: never corrected.
TEST_F(RoundFlowTest, ACountingClockIsNeverCorrected) {
  std::vector<bool> Changed;
  std::vector<QString> Shown;
  auto TryBoth = [&] {
    Shown.push_back(View.Board.ClockText);
    Changed.push_back(Flow->CorrectClock(+1) || Flow->CorrectClock(-1));
    Shown.push_back(View.Board.ClockText);
  };
  Time.After(500, TryBoth);                           // running
  Time.After(600, [this] { Flow->ToggleInjury(); });  // injury time
  Time.After(700, TryBoth);
  Time.After(800, [this] { Flow->ToggleInjury(); });
  Time.After(2500, TryBoth);  // the break
  Time.After(2600, [this] { Flow->StopRound(); });
  PlayRound();
  EXPECT_EQ(Changed, std::vector<bool>(3, false));
  ASSERT_EQ(Shown.size(), 6u);
  for (size_t At = 0; At < Shown.size(); At += 2) EXPECT_EQ(Shown[At], Shown[At + 1]) << At;
}

// With no clock the correction sets where the next start counts from.
TEST_F(RoundFlowTest, StoppedCorrectionIsWhereTheNextStartCounts) {
  EXPECT_FALSE(Flow->CorrectClock(+1)) << "a full round has no more room";
  EXPECT_TRUE(Flow->CorrectClock(-1));
  EXPECT_EQ(View.Board.ClockText, "0:01");
  TClockState At900 = csEnded, At1100 = csEnded;
  Time.After(900, [&] { At900 = StateNow(*Flow); });
  Time.After(1100, [&] { At1100 = StateNow(*Flow); });
  Time.After(1200, [this] { Flow->StopRound(); });
  PlayRound();
  EXPECT_EQ(At900, csRunning);
  EXPECT_EQ(At1100, csBreak);
  // Counted once: the start after that counts the full round again.
  EXPECT_FALSE(Flow->CorrectClock(+1));
}

}  // namespace
