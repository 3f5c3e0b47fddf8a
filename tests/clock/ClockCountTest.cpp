#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "ClockFixture.h"
#include "model/DorvaneError.h"
#include "model/StringFn.h"

using testing::Contains;
using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;
using testing::Not;

namespace {

int64_t TicksBetween(const std::vector<TTickRecord>& Ticks, int64_t FromMs, int64_t ToMs) {
  int64_t Count = 0;
  for (const auto& Tick : Ticks) Count += Tick.AtMs > FromMs && Tick.AtMs < ToMs;
  return Count;
}

}  // namespace

TEST_F(ClockTest, RoundEndsByItselfAfterItsLength) {
  MakeClock(2.0).Execute();
  EXPECT_THAT(StateSequence(), ElementsAre(csRunning, csEnded));
  EXPECT_NEAR(FirstAnnounced(csEnded), 2000, 2);
  EXPECT_EQ(Clock->ReturnValue(), 0);
  ASSERT_FALSE(Ticks.empty());
  EXPECT_NEAR(Ticks.front().Remaining, 2.0, 0.002);
}

// The clock text is rewritten when the time has moved by more than 0.2 s
// (about every 201 ms); the board hears only of the rewrites that change the
// text, and of the round's start and end: not of each 1 ms pass. Each text
// shows at the moment the rule writes it.
TEST_F(ClockTest, TicksReachTheBoardOnlyWhenTheyChangeWhatItShows) {
  MakeClock(2.0).Execute();
  using TWrite = std::pair<int64_t, std::string>;
  std::vector<TWrite> Expected{{0, "0:02"}};
  double Shown = 2.0;
  for (int64_t Ms = 1; Ms <= 2000; ++Ms) {
    const double Remaining = (2000.0 - static_cast<double>(Ms)) / 1000;
    if (!ClockTextDue(Shown, Remaining)) continue;
    Shown = Remaining;
    const std::string Text = FormatSecondsMS(Shown).toStdString();
    if (Text != Expected.back().second) Expected.emplace_back(Ms, Text);
  }
  ASSERT_EQ(Expected.size(), 3u);
  std::vector<int64_t> TickMoments;
  std::vector<TWrite> Written;
  for (const auto& Tick : Ticks) {
    TickMoments.push_back(Tick.AtMs);
    EXPECT_NEAR(Tick.Remaining, 2.0 - Tick.AtMs / 1000.0, 1e-9);
    const std::string Text = FormatSecondsMS(Tick.Shown).toStdString();
    if (Written.empty() || Written.back().second != Text) Written.emplace_back(Tick.AtMs, Text);
  }
  EXPECT_EQ(Written, Expected);
  EXPECT_THAT(TickMoments, ElementsAre(0, Expected[1].first, Expected[2].first, 2000));
}

TEST_F(ClockTest, WarningBlinkPhasesAndTheStateBringTicksOfTheirOwn) {
  Config.EndOfRoundWarning = 1.0;
  MakeClock(1.5, 1.0, 0, 1, 2).Execute();
  std::vector<int64_t> DarkStarts;
  bool Dark = false;
  for (const auto& Tick : Ticks) {
    const bool TickDark = Tick.State == csRunning && WarningBlinkDark(1.0, Tick.Remaining);
    if (TickDark && !Dark) DarkStarts.push_back(Tick.AtMs);
    Dark = TickDark;
  }
  // Dark from a remaining 0.9 s and 0.1 s on (200 ms steps, halves to even).
  EXPECT_THAT(DarkStarts, ElementsAre(600, 1400));
  ASSERT_GT(FirstAnnounced(csBreak), 0);
  const auto FirstOfBreak = std::find_if(Ticks.begin(), Ticks.end(),
                                         [](const TTickRecord& T) { return T.State == csBreak; });
  ASSERT_NE(FirstOfBreak, Ticks.end());
  EXPECT_EQ(FirstOfBreak->AtMs, FirstAnnounced(csBreak));
}

struct TDeadlineCase {
  const char* Name;
  double RoundTime;
  int64_t PauseAtMs;  // -1: no pause
  int64_t EndMs;
};

class ClockDeadlineTest : public ClockTest, public testing::WithParamInterface<TDeadlineCase> {};

// The last pass is the one at the deadline: one more would end the round a
// millisecond late.
TEST_P(ClockDeadlineTest, RoundEndsAtItsDeadline) {
  const TDeadlineCase& Case = GetParam();
  MakeClock(Case.RoundTime);
  if (Case.PauseAtMs >= 0) {
    SetStateAt(Case.PauseAtMs, csPaused);
    SetStateAt(Case.PauseAtMs + 250, csRunning);
  }
  Clock->Execute();
  EXPECT_EQ(FirstAnnounced(csEnded), Case.EndMs);
  EXPECT_EQ(Clock->ReturnValue(), 0);
}

// An interrupted round taken up again counts only the time it had left.
TEST_F(ClockTest, ResumedRoundEndsAfterTheTimeItHadLeft) {
  UsedRoundTime = 1.5;
  MakeClock(2.0);
  Clock->Execute();
  EXPECT_EQ(FirstAnnounced(csEnded), 500);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ClockDeadlineTest,
                         testing::Values(TDeadlineCase{"WholeSeconds", 2.0, -1, 2000},
                                         TDeadlineCase{"PartOfAMillisecond", 0.0105, -1, 11},
                                         TDeadlineCase{"Paused", 1.0, 300, 1250}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(ClockTest, PauseDoesNotShortenTheRound) {
  MakeClock(5.0);
  SetStateAt(1000, csPaused);
  SetStateAt(4000, csRunning);
  Clock->Execute();

  EXPECT_THAT(StateSequence(), ElementsAre(csRunning, csPaused, csRunning, csEnded));
  // 5 s of running plus the 3 s pause.
  EXPECT_NEAR(FirstAnnounced(csEnded), 8000, 3);
  EXPECT_EQ(TicksBetween(Ticks, 1001, 4000), 0) << "no ticks while paused";
}

TEST_F(ClockTest, EachInjuryTimeCountsInFullAndHoldsTheRoundTime) {
  Mgr.SetAutoRestart(true);
  MakeClock(5.0, 0, 2.0);
  SetStateAt(1000, csInjury);
  SetStateAt(3500, csInjury);
  Clock->Execute();

  EXPECT_THAT(StateSequence(),
              ElementsAre(csRunning, csInjury, csRunning, csInjury, csRunning, csEnded));
  std::vector<double> InjuryStarts;
  for (size_t I = 0; I < Ticks.size(); ++I) {
    const bool FirstOfInjury =
        Ticks[I].State == csInjury && (I == 0 || Ticks[I - 1].State != csInjury);
    if (FirstOfInjury) InjuryStarts.push_back(Ticks[I].Remaining);
  }
  ASSERT_EQ(InjuryStarts.size(), 2u);
  EXPECT_NEAR(InjuryStarts[0], 2.0, 0.011);
  EXPECT_NEAR(InjuryStarts[1], 2.0, 0.011);

  // The round runs 0-1 s, from the end of the first injury time to 3.5 s, and
  // from the end of the second one on.
  const int64_t FirstInjuryEnd = States[2].AtMs;
  const int64_t SecondInjuryEnd = States[4].AtMs;
  EXPECT_NEAR(FirstInjuryEnd, 3000, 25);
  EXPECT_NEAR(SecondInjuryEnd, 5500, 25);
  const double RoundLeft = 5.0 - 1.0 - (3500 - FirstInjuryEnd) / 1000.0;
  for (const auto& Tick : Ticks) {
    if (Tick.AtMs >= SecondInjuryEnd && Tick.State == csRunning) {
      EXPECT_NEAR(Tick.Remaining, RoundLeft, 0.003);
      break;
    }
  }
  EXPECT_NEAR(FirstAnnounced(csEnded), SecondInjuryEnd + RoundLeft * 1000, 3);
}

TEST_F(ClockTest, InjuryTimeOverWithoutAutoRestartLeavesTheClockPaused) {
  Mgr.SetAutoRestart(false);
  MakeClock(3.0, 0, 1.0);
  SetStateAt(1000, csInjury);
  SetStateAt(60000, csRunning);
  Clock->Execute();

  EXPECT_THAT(StateSequence(), ElementsAre(csRunning, csInjury, csPaused, csRunning, csEnded));
  EXPECT_NEAR(States[2].AtMs, 2000, 25);
  // The remaining 2 s of the round count only after the operator resumes.
  EXPECT_NEAR(FirstAnnounced(csEnded), 62000, 15);
}

TEST_F(ClockTest, PointGapDuringInjuryTimeStaysToTheEnd) {
  Mgr.SetAutoRestart(true);
  MakeClock(5.0, 0, 2.0);
  SetStateAt(1000, csInjury);
  Time.At(1500, [this] {
    Clock->SetState(csPointGap);
    Clock->Terminate();
  });
  Clock->Execute();

  EXPECT_THAT(StateSequence(), ElementsAre(csRunning, csInjury, csPointGap));
  EXPECT_EQ(Clock->State(), csPointGap);
  EXPECT_EQ(Clock->ReturnValue(), -1);
}

// A winner rule writes the decided state first and asks for the stop right
// after; the clock may take a step in between, which must not undo the decision.
TEST_F(ClockTest, DecisionJustBeforeTheStartStays) {
  MakeClock(5.0);
  Clock->SetState(csPointCeiling);
  TerminateAt(5);
  Clock->Execute();

  EXPECT_THAT(StateSequence(), ElementsAre(csPointCeiling));
  EXPECT_EQ(Clock->State(), csPointCeiling);
}

// The operator pauses before the clock thread has begun to count: the pause
// holds, and no round time passes.
TEST_F(ClockTest, PauseJustAfterTheStartStays) {
  MakeClock(5.0);
  ASSERT_TRUE(Clock->ChangeState(csRunning, csPaused));
  TerminateAt(3000);
  Clock->Execute();

  EXPECT_THAT(StateSequence(), Not(Contains(csRunning)));
  ASSERT_FALSE(Ticks.empty());
  EXPECT_EQ(Ticks.back().Remaining, 5.0);
}

TEST_F(ClockTest, DecisionAsTheRoundRunsOutStaysThroughTheBreak) {
  MakeClock(1.0, 2.0, 0, 1, 3);
  Clock->OnTick = [this](TTimerThread& Sender, TClockState State, double Remaining, double) {
    if (State != csRunning || Remaining > 0) return;
    Sender.SetState(csPointGap);
    TerminateAt(Time.ElapsedMs() + 5);
  };
  Clock->Execute();

  EXPECT_THAT(StateSequence(), ElementsAre(csRunning, csPointGap));
  EXPECT_EQ(Clock->State(), csPointGap);
}

struct TStopCase {
  const char* Name;
  std::function<void(ClockTest&)> Script;
  bool AutoRestart;
  std::vector<TClockState> Expected;
};

class ClockStopTest : public ClockTest, public testing::WithParamInterface<TStopCase> {};

TEST_P(ClockStopTest, StopGivesMinusOneAndEndsTheRun) {
  Mgr.SetAutoRestart(GetParam().AutoRestart);
  // Round 1 of 2 lasts 1 s and is followed by a 5 s break.
  MakeClock(1.0, 5.0, 3.0, 1, 2);
  GetParam().Script(*this);
  TerminateAt(1500);
  Clock->Execute();

  EXPECT_EQ(Clock->ReturnValue(), -1);
  EXPECT_THAT(StateSequence(), ElementsAreArray(GetParam().Expected));
  EXPECT_LE(FirstAnnounced(csEnded), 1500 + 10);
}

INSTANTIATE_TEST_SUITE_P(
    EveryState, ClockStopTest,
    testing::Values(
        TStopCase{"Running", [](ClockTest& T) { T.TerminateAt(200); }, true, {csRunning, csEnded}},
        TStopCase{"Paused",
                  [](ClockTest& T) { T.SetStateAt(500, csPaused); },
                  true,
                  {csRunning, csPaused, csEnded}},
        TStopCase{"InjuryAutoRestart",
                  [](ClockTest& T) { T.SetStateAt(500, csInjury); },
                  true,
                  {csRunning, csInjury, csRunning, csEnded}},
        TStopCase{"InjuryNoAutoRestart",
                  [](ClockTest& T) { T.SetStateAt(500, csInjury); },
                  false,
                  {csRunning, csInjury, csPaused, csEnded}},
        // The operator cancels injury time and pauses within the same pass
        // of the clock: the pause holds.
        TStopCase{"InjuryCancelledThenPaused",
                  [](ClockTest& T) {
                    T.SetStateAt(500, csInjury);
                    T.Time.At(705, [&T] {
                      ASSERT_TRUE(T.Clock->ChangeState(csInjury, csRunning));
                      ASSERT_TRUE(T.Clock->ChangeState(csRunning, csPaused));
                    });
                  },
                  true,
                  {csRunning, csInjury, csRunning, csPaused, csEnded}},
        TStopCase{"Break", [](ClockTest&) {}, true, {csRunning, csBreak, csEnded}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(ClockTest, StopBeforeTheStartEndsAtOnce) {
  MakeClock(60.0);
  Clock->Terminate();
  Clock->Execute();
  EXPECT_THAT(StateSequence(), ElementsAre(csRunning, csEnded));
  EXPECT_THAT(Ticks, IsEmpty());
  EXPECT_EQ(Clock->ReturnValue(), -1);
}

struct TBreakCase {
  const char* Name;
  int32_t Round;
  int32_t Rounds;
  bool UseSuddenDeath;
  int32_t RedScore;
  bool BreakDue;
};

class ClockBreakRuleTest : public ClockTest, public testing::WithParamInterface<TBreakCase> {};

TEST_P(ClockBreakRuleTest, BreakFollowsOnlyWhenDue) {
  const TBreakCase& Case = GetParam();
  Config.UseSuddenDeath = Case.UseSuddenDeath;
  SuddenDeathActive = Case.Round > Case.Rounds && Case.UseSuddenDeath;
  Mgr.SetRedScore(Case.RedScore);
  Mgr.SetBlueScore(2);
  MakeClock(0.1, 0.2, 0, Case.Round, Case.Rounds).Execute();

  const std::vector<TClockState> WithBreak{csRunning, csBreak, csEnded};
  const std::vector<TClockState> WithoutBreak{csRunning, csEnded};
  EXPECT_EQ(StateSequence(), Case.BreakDue ? WithBreak : WithoutBreak);
  EXPECT_EQ(Clock->ReturnValue(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rounds, ClockBreakRuleTest,
    testing::Values(TBreakCase{"FirstOfThree", 1, 3, false, 5, true},
                    TBreakCase{"SecondOfThreeLevel", 2, 3, true, 2, true},
                    TBreakCase{"LastWithoutSuddenDeath", 3, 3, false, 2, false},
                    TBreakCase{"LastLevelWithSuddenDeath", 3, 3, true, 2, true},
                    TBreakCase{"LastRedAheadWithSuddenDeath", 3, 3, true, 3, false},
                    TBreakCase{"SuddenDeathRoundLevel", 4, 3, true, 2, false}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(ClockTest, BreakCountsItsLengthAfterTheRound) {
  MakeClock(1.0, 2.0, 0, 1, 3).Execute();
  EXPECT_NEAR(FirstAnnounced(csBreak), 1000, 2);
  EXPECT_NEAR(FirstAnnounced(csEnded), 3000, 4);
  for (const auto& Tick : Ticks) {
    if (Tick.AtMs > FirstAnnounced(csBreak)) {
      EXPECT_EQ(Tick.State, csBreak);
      EXPECT_LE(Tick.Remaining, 2.0);
    }
  }
}

struct TCueCase {
  double BreakTime;
  std::vector<QString> Cues;
};

class ClockBreakCueTest : public ClockTest, public testing::WithParamInterface<TCueCase> {};

TEST_P(ClockBreakCueTest, BreakCueNeedsAtLeastHalfASecondRoundedUp) {
  MakeClock(0.1, GetParam().BreakTime, 0, 1, 3);
  ExecuteAndFinish();
  EXPECT_THAT(StateSequence(), ElementsAre(csRunning, csBreak, csEnded));
  EXPECT_EQ(Cues, GetParam().Cues);
}

INSTANTIATE_TEST_SUITE_P(BreakLengths, ClockBreakCueTest,
                         testing::Values(TCueCase{0.0, {"End"}}, TCueCase{0.4, {"End"}},
                                         TCueCase{0.5, {"End"}},
                                         TCueCase{0.6, {"StartBetweenRounds", "End"}},
                                         TCueCase{1.0, {"StartBetweenRounds", "End"}}));

TEST_F(ClockTest, EndCueSoundsAfterTheBreak) {
  MakeClock(0.5, 1.0, 0, 1, 3);
  Clock->CuePlayer = [this](const QString& Name) {
    Cues.push_back(Name + "@" + QString::number(Time.ElapsedMs()));
  };
  ExecuteAndFinish();
  ASSERT_EQ(Cues.size(), 2u);
  EXPECT_EQ(Cues[0], "StartBetweenRounds@" + QString::number(FirstAnnounced(csBreak)));
  EXPECT_EQ(Cues[1], "End@" + QString::number(FirstAnnounced(csEnded)));
}

TEST_F(ClockTest, NoEndCueInTheSuddenDeathRound) {
  Config.UseSuddenDeath = true;
  SuddenDeathActive = true;
  MakeClock(0.5, 1.0, 0, 4, 3);
  ExecuteAndFinish();
  EXPECT_THAT(Cues, IsEmpty());
  EXPECT_THAT(StateSequence(), ElementsAre(csRunning, csEnded));
}

struct TLengthCase {
  const char* Name;
  double RoundTime;
  double BreakTime;
  size_t MaxRoundTicks;
};

class ClockLengthTest : public ClockTest, public testing::WithParamInterface<TLengthCase> {};

// Lengths are not checked: none of these may hang the clock.
TEST_P(ClockLengthTest, OddLengthsEndTheirPhase) {
  const TLengthCase& Case = GetParam();
  MakeClock(Case.RoundTime, Case.BreakTime, 0, 1, 2);
  // A huge phase ends when the fake clock jumps past it.
  const auto Record = Clock->OnTick;
  Clock->OnTick = [this, Record](TTimerThread& Sender, TClockState State, double Remaining,
                                 double Shown) {
    Record(Sender, State, Remaining, Shown);
    if (Remaining > 1e6) Time.AdvanceMs(1'000'000'000'000LL + 1000);
  };
  Clock->Execute();

  EXPECT_THAT(StateSequence(), ElementsAre(csRunning, csBreak, csEnded));
  EXPECT_EQ(Clock->ReturnValue(), 0);
  size_t RoundTicks = 0;
  for (const auto& Tick : Ticks) RoundTicks += Tick.State == csRunning;
  EXPECT_LE(RoundTicks, Case.MaxRoundTicks);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ClockLengthTest,
                         testing::Values(TLengthCase{"Zero", 0, 0, 2},
                                         TLengthCase{"Negative", -5, -5, 0},
                                         TLengthCase{"Huge", 1e9, 1e9, 2}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(ClockTest, ErrorInTheRunIsShownOnceAndEndsTheRun) {
  MakeClock(5.0, 1.0, 0, 1, 3);
  Clock->OnTick = [](TTimerThread&, TClockState, double, double) {
    throw TDorvaneError("Display failed");
  };
  ExecuteAndFinish();

  EXPECT_THAT(Errors, ElementsAre("Display failed"));
  EXPECT_THAT(StateSequence(), ElementsAre(csRunning, csEnded));
  EXPECT_THAT(Cues, ElementsAre("End"));
  EXPECT_EQ(Clock->ReturnValue(), 0);
}

TEST_F(ClockTest, StateWriteOnTheMainThreadIsAnnouncedAtOnce) {
  MakeClock(1.0);
  Clock->SetState(csPaused);
  Clock->SetState(csPaused);
  EXPECT_THAT(StateSequence(), ElementsAre(csPaused, csPaused));
  EXPECT_EQ(Clock->State(), csPaused);
}
