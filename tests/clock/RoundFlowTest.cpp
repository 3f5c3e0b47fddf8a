#include <gmock/gmock.h>

#include <QRegularExpression>

#include "RoundFlowFixture.h"
#include "model/DorvaneError.h"
#include "model/StringFn.h"

using testing::Contains;
using testing::ElementsAre;
using testing::Not;

namespace {

const QString Between = QStringLiteral("Between rounds");
constexpr TColor White = 16777215;  // RoundColor's default
constexpr TColor Lime = 65280;      // BreakColor's default

// A result line without its record time.
QString ResultFields(const QString& Line) {
  static const QRegularExpression RecordTime(
      QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3},)"));
  const QRegularExpressionMatch Match = RecordTime.match(Line);
  return Match.hasMatch() ? Line.mid(Match.capturedLength()) : QStringLiteral("no time: ") + Line;
}

// The state line's texts without repeats: the clock announces the state it
// settles in after injury time even when a command has set it already.
QStringList Collapsed(const QStringList& Texts) {
  QStringList Result;
  for (const QString& Text : Texts) {
    if (Result.isEmpty() || Result.last() != Text) Result << Text;
  }
  return Result;
}

}  // namespace

TEST_F(RoundFlowTest, ThreeRoundsWithBreaksThenTheLeaderWins) {
  Config.SaveScores = true;
  Config.AutoCalcWinner = true;
  Mgr.SetRedScore(1);

  for (int32_t Round = 1; Round <= 2; ++Round) {
    View.StateTexts.clear();
    PlayRound();
    EXPECT_THAT(View.StateTexts, ElementsAre("", Between, "")) << "round " << Round;
    EXPECT_EQ(Mgr.Round(), Round + 1);
    EXPECT_EQ(View.Board.ClockText, "0:02");
    EXPECT_EQ(View.Board.RoundField, Round + 1);
  }
  View.StateTexts.clear();
  PlayRound();
  EXPECT_THAT(View.StateTexts, ElementsAre("", "")) << "no break after the last round";
  EXPECT_EQ(Mgr.Round(), 3);
  EXPECT_EQ(View.Board.ClockText, "0:00");
  EXPECT_EQ(Mgr.Winner(), TWinner::Red);
  EXPECT_FALSE(View.Board.ClockCommandsShowClock);

  const QStringList Lines = RecordLines();
  ASSERT_EQ(Lines.size(), 10);
  for (int Round = 1; Round <= 3; ++Round) {
    const int At = (Round - 1) * 3;
    EXPECT_EQ(Lines[At], QStringLiteral("ROUND %1 OF 3").arg(Round));
    EXPECT_EQ(Lines[At + 1], QStringLiteral("END OF ROUND %1").arg(Round));
    EXPECT_EQ(ResultFields(Lines[At + 2]),
              QStringLiteral("%1,Red player,1,0.0,Blue player,0,0.0").arg(Round));
  }
  EXPECT_EQ(Lines[9], "WINNER,Red player");
}

struct TLastRoundCase {
  const char* Name;
  bool AutoCalcWinner;
  double BluePenalty;
  bool BreakFollows;
  int32_t RoundAfter;
  bool SuddenDeath;
  TWinner Winner;
  const char* ClockText;
};

class LastRoundTest : public RoundFlowTest, public testing::WithParamInterface<TLastRoundCase> {};

TEST_P(LastRoundTest, LevelSidesGoIntoTheSuddenDeathRound) {
  const TLastRoundCase& Case = GetParam();
  Config.AutoCalcWinner = Case.AutoCalcWinner;
  Config.UseSuddenDeath = true;
  Config.ResetScoreForSuddenDeath = true;
  Mgr.SetRound(3);
  Mgr.SetRedScore(5);
  Mgr.SetBlueScore(5);
  Mgr.SetBluePenalty(Case.BluePenalty);

  PlayRound();

  EXPECT_EQ(View.StateTexts.contains(Between), Case.BreakFollows);
  EXPECT_EQ(Mgr.Round(), Case.RoundAfter);
  EXPECT_EQ(Flow->SuddenDeathActive(), Case.SuddenDeath);
  EXPECT_EQ(Mgr.Winner(), Case.Winner);
  EXPECT_EQ(View.Board.ClockText, Case.ClockText);
  if (Case.SuddenDeath) {
    EXPECT_EQ(Mgr.RedScore() + Mgr.BlueScore() + Mgr.BluePenalty() + Mgr.RedPenalty(), 0);
    EXPECT_EQ(View.Board.RedScoreText, "0");
  } else {
    EXPECT_EQ(Mgr.RedScore(), 5);
    EXPECT_EQ(Mgr.BluePenalty(), Case.BluePenalty);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, LastRoundTest,
                         testing::Values(TLastRoundCase{"HalfPenaltyIsLevel", true, 0.5, true, 4,
                                                        true, TWinner::None, "0:02"},
                                         TLastRoundCase{"NoAutoCalcStaysInRound3", false, 0.5, true,
                                                        3, false, TWinner::None, "0:00"},
                                         TLastRoundCase{"WholePenaltyDecides", true, 1.0, false, 3,
                                                        false, TWinner::Red, "0:00"}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(RoundFlowTest, StopInRound2KeepsTheRoundAndTheTimeShown) {
  Config.SaveScores = true;
  Mgr.SetRound(2);
  Time.After(1000, [this] { Flow->StopRound(); });
  PlayRound();
  EXPECT_EQ(Mgr.Round(), 2);
  EXPECT_EQ(View.Board.ClockText, "0:01");
  EXPECT_FALSE(Flow->SuddenDeathActive());

  View.ClockTexts.clear();
  PlayRound();
  ASSERT_FALSE(View.ClockTexts.isEmpty());
  EXPECT_EQ(View.ClockTexts.first(), "0:02") << "the same round counts again in full";
  EXPECT_EQ(Mgr.Round(), 3);
  const QStringList Lines = RecordLines();
  ASSERT_GE(Lines.size(), 4);
  EXPECT_EQ(Lines[0], "ROUND 2 OF 3");
  EXPECT_EQ(Lines[1], "END OF ROUND 2");
  EXPECT_EQ(Lines[3], "ROUND 2 OF 3");
}

// Ticks reach the board only when its text changes; a pause between two of
// them still reports (to the match journal) the time left at the pause.
TEST_F(RoundFlowTest, PauseReportsTheTimeLeftAtThePauseItself) {
  std::vector<double> LeftAtPause;
  Flow->OnClockChange = [&LeftAtPause](TClockState State, double RoundLeft) {
    if (State == csPaused) LeftAtPause.push_back(RoundLeft);
  };
  Time.After(1130, [this] { Flow->TogglePause(); });
  Time.After(1300, [this] { Flow->TogglePause(); });
  PlayRound();
  ASSERT_EQ(LeftAtPause.size(), 1u);
  EXPECT_NEAR(LeftAtPause[0], 2.0 - 1.130, 0.005);
}

TEST_F(RoundFlowTest, StopDuringTheBreakKeepsTheRound) {
  Time.After(2500, [this] {
    EXPECT_EQ(View.Board.StateText, Between);
    Flow->StopRound();
  });
  PlayRound();
  EXPECT_EQ(Mgr.Round(), 1);
  EXPECT_EQ(View.Board.StateText, "");
  EXPECT_NE(View.Board.ClockText, "0:00");
}

// Ctrl+P in the break or injury time and Ctrl+I while paused or in the break
// change no state, so the state line never shows them.
TEST_F(RoundFlowTest, PauseAndInjuryCommandsOnlyActWhereTheyApply) {
  const auto Press = [this](int64_t AtMs, void (TRoundFlow::*Command)()) {
    Time.After(AtMs, [this, Command] { (Flow.get()->*Command)(); });
  };
  Press(500, &TRoundFlow::ToggleInjury);   // injury
  Press(700, &TRoundFlow::TogglePause);    // ignored in injury time
  Press(900, &TRoundFlow::ToggleInjury);   // cancel: running again
  Press(1000, &TRoundFlow::TogglePause);   // pause
  Press(1100, &TRoundFlow::ToggleInjury);  // ignored while paused
  Press(1200, &TRoundFlow::TogglePause);   // resume
  // The round ends at 2.6 s (injury time and the pause hold it); the break follows.
  Press(3000, &TRoundFlow::TogglePause);
  Press(3100, &TRoundFlow::ToggleInjury);
  PlayRound();

  EXPECT_THAT(Collapsed(View.StateTexts), ElementsAre("", "Injury", "", "Pause", "", Between, ""));
  EXPECT_EQ(Mgr.Round(), 2);
}

struct TQuickPauseCase {
  const char* Name;
  // When the operator cancels injury time (called at 500 ms) and pauses in
  // the same moment; -1: the pause comes with the start.
  int64_t CancelAtMs;
  double HeldLeft;
};

class QuickPauseTest : public RoundFlowTest, public testing::WithParamInterface<TQuickPauseCase> {};

// What the operator sets on the main thread stands: the clock thread, still
// starting or still leaving injury time, never sets itself running over it.
TEST_P(QuickPauseTest, APauseInTheSameMomentHolds) {
  const TQuickPauseCase& Case = GetParam();
  Config.AutoRestartAfterInjury = true;
  QString HeldText;
  double HeldLeft = -1;
  Time.After(std::max<int64_t>(Case.CancelAtMs, 0) + 2000, [&] {
    HeldText = View.Board.StateText;
    HeldLeft = Flow->RoundLeft();
    Flow->StopRound();
  });
  if (Case.CancelAtMs >= 0) {
    Time.After(500, [this] { Flow->ToggleInjury(); });
    Time.After(Case.CancelAtMs, [this] {
      Flow->ToggleInjury();
      Flow->TogglePause();
    });
  }
  Flow->StartRound();
  if (Case.CancelAtMs < 0) Flow->TogglePause();
  ASSERT_TRUE(RunUntil([this] { return !Flow->ClockExists(); }));
  EXPECT_EQ(HeldText, "Pause");
  EXPECT_NEAR(HeldLeft, Case.HeldLeft, 0.002);
  EXPECT_EQ(Mgr.Round(), 1);
}

INSTANTIATE_TEST_SUITE_P(Moments, QuickPauseTest,
                         testing::Values(TQuickPauseCase{"WithTheStart", -1, 2.0},
                                         TQuickPauseCase{"WithTheEndOfInjuryTime", 905, 1.5}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(RoundFlowTest, CancellingInjuryWithoutAutoRestartLeavesTheClockPaused) {
  Config.AutoRestartAfterInjury = false;
  TBoardState InInjury;
  TBoardState Cancelled;
  Time.After(500, [this, &InInjury] {
    Flow->ToggleInjury();
    InInjury = View.Board;
  });
  Time.After(700, [this, &Cancelled] {
    Flow->ToggleInjury();
    Cancelled = View.Board;
    EXPECT_FALSE(Flow->ClockRunning());
  });
  Time.After(900, [this] {
    Flow->TogglePause();
    EXPECT_EQ(View.Board.PauseCaption, "Pause");
    EXPECT_TRUE(Flow->ClockRunning());
  });
  PlayRound();

  EXPECT_EQ(InInjury.InjuryCaption, "Cancel");
  EXPECT_EQ(InInjury.StateText, "Injury");
  EXPECT_EQ(InInjury.StateColor, 65535);
  EXPECT_FALSE(InInjury.PauseEnabled);
  EXPECT_TRUE(InInjury.InjuryEnabled);

  EXPECT_EQ(Cancelled.PauseCaption, "Resume");
  EXPECT_EQ(Cancelled.InjuryCaption, "Injury");
  EXPECT_EQ(Cancelled.StateText, "Pause");
  EXPECT_TRUE(Cancelled.PauseEnabled);
  EXPECT_FALSE(Cancelled.InjuryEnabled);

  EXPECT_EQ(View.Board.PauseCaption, "Pause");
  EXPECT_EQ(View.Board.InjuryCaption, "Injury");
}

struct TWarningCase {
  const char* Name;
  double Warning;
  // Fake milliseconds of the round in which the digits may be dark.
  std::vector<std::pair<int64_t, int64_t>> DarkSpans;
};

class WarningBlinkTest : public RoundFlowTest, public testing::WithParamInterface<TWarningCase> {};

// n = round(Remaining x 5) is a multiple of 4 for Remaining in [0.7, 0.9] and
// up to 0.1 (halves to even), so a 1 s warning darkens 1.1-1.3 s and 1.9 s on.
TEST_P(WarningBlinkTest, DigitsGoDarkOnlyInTheLastSecondsOfARunningRound) {
  Config.EndOfRoundWarning = GetParam().Warning;
  const int64_t Start = Time.NowMs();
  PlayRound();

  std::vector<bool> SpanSeen(GetParam().DarkSpans.size(), false);
  bool BreakColourSeen = false;
  for (const TColorChange& Change : View.ClockColors) {
    const int64_t At = Change.AtMs - Start;
    if (Change.Color == Lime) BreakColourSeen = true;
    if (Change.Color != 0) continue;
    EXPECT_FALSE(BreakColourSeen) << "dark during the break at " << At;
    bool InSpan = false;
    for (size_t I = 0; I < SpanSeen.size(); ++I) {
      const auto [From, To] = GetParam().DarkSpans[I];
      if (At >= From && At <= To) InSpan = SpanSeen[I] = true;
    }
    EXPECT_TRUE(InSpan) << "dark at " << At;
  }
  EXPECT_TRUE(BreakColourSeen);
  EXPECT_THAT(SpanSeen, Not(Contains(false)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WarningBlinkTest,
    testing::Values(TWarningCase{"OneSecond", 1.0, {{1100, 1300}, {1900, 2001}}},
                    TWarningCase{"Off", 0.05, {}},
                    TWarningCase{
                        "LongerThanTheRound", 5.0, {{300, 500}, {1100, 1300}, {1900, 2001}}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(RoundFlowTest, PauseInADarkBlinkPhaseShowsTheDigitsLit) {
  Config.EndOfRoundWarning = 1.0;
  TColor DigitsBefore = -1;
  Time.After(1200, [this, &DigitsBefore] {
    DigitsBefore = View.Board.ClockColor;
    Flow->TogglePause();
    EXPECT_EQ(View.Board.ClockColor, White);
    EXPECT_EQ(View.Board.PauseCaption, "Resume");
  });
  Time.After(1300, [this] { Flow->TogglePause(); });
  PlayRound();
  EXPECT_EQ(DigitsBefore, 0);
}

TEST_F(RoundFlowTest, StopInADarkBlinkPhaseLeavesTheDigitsLit) {
  Config.EndOfRoundWarning = 1.0;
  TColor DigitsAtStop = -1;
  Time.After(1200, [this, &DigitsAtStop] {
    DigitsAtStop = View.Board.ClockColor;
    Flow->StopRound();
  });
  PlayRound();
  EXPECT_EQ(DigitsAtStop, 0);
  EXPECT_EQ(View.Board.ClockColor, White);
  EXPECT_EQ(View.Board.ClockText, "0:01") << "the stopped time stays";
}

TEST_F(RoundFlowTest, SetRoundAboveTheRoundsOpensTheSuddenDeathRound) {
  Config.UseSuddenDeath = true;
  Config.ResetScoreForSuddenDeath = true;
  Mgr.SetRedScore(4);
  Mgr.SetBluePenalty(1);

  Flow->SetRound(QStringLiteral("4"));
  EXPECT_EQ(Mgr.Round(), 4);
  EXPECT_TRUE(Flow->SuddenDeathActive());
  EXPECT_EQ(Mgr.RedScore(), 0);
  EXPECT_EQ(Mgr.BluePenalty(), 0);

  Flow->SetRound(QStringLiteral("3"));
  EXPECT_EQ(Mgr.Round(), 3);
  EXPECT_FALSE(Flow->SuddenDeathActive());
}

TEST_F(RoundFlowTest, SetRoundWithoutSuddenDeathKeepsTheScores) {
  Config.UseSuddenDeath = false;
  Mgr.SetRedScore(4);
  Flow->SetRound(QStringLiteral("4"));
  EXPECT_EQ(Mgr.Round(), 4);
  EXPECT_FALSE(Flow->SuddenDeathActive());
  EXPECT_EQ(Mgr.RedScore(), 4);
}

TEST_F(RoundFlowTest, SetRoundWithATextThatIsNoNumberChangesNothing) {
  Mgr.SetRound(2);
  try {
    Flow->SetRound(QStringLiteral("abc"));
    FAIL() << "no error";
  } catch (const TDorvaneError& Error) {
    EXPECT_EQ(Error.Message(), "'abc' is not a valid integer value");
  }
  EXPECT_EQ(Mgr.Round(), 2);
  EXPECT_FALSE(Flow->SuddenDeathActive());
}

TEST_F(RoundFlowTest, StartAfterADecidedMatchClearsTheWinnerAndCountsTheSameRound) {
  Config.SaveScores = true;
  Mgr.SetRound(3);
  Mgr.SetRedScore(7);
  Flow->Retire(TSide::Blue);
  ASSERT_EQ(Mgr.Winner(), TWinner::Red);
  ASSERT_TRUE(RunUntil([this] { return View.Board.Winner == "red" && !View.Board.WinnerLit; }));

  Flow->StartRound();
  EXPECT_EQ(Mgr.Winner(), TWinner::None);
  EXPECT_EQ(View.Board.RedScoreText, "7");
  Flow->StopRound();
  ASSERT_TRUE(RunUntil([this] { return !Flow->ClockExists(); }));
  EXPECT_EQ(Mgr.Round(), 3);
  EXPECT_EQ(RecordLines().value(1), "ROUND 3 OF 3");
  EXPECT_EQ(View.Board.RedScoreText, "7");
  EXPECT_TRUE(View.Board.Winner.isEmpty()) << "the blink has stopped";
}

TEST_F(RoundFlowTest, AnErrorInARunIsShownAndTheRoundCountsAsPlayed) {
  View.ClockTextError = QStringLiteral("Display failed");
  PlayRound();
  EXPECT_THAT(View.Errors, ElementsAre("Display failed"));
  EXPECT_EQ(Mgr.Round(), 2);
}

TEST_F(RoundFlowTest, ClosingDuringARunReturnsAndNothingCallsBackAfterwards) {
  Flow->StartRound();
  ASSERT_TRUE(RunUntil([this] { return View.Board.ClockText == "0:01"; }));
  ASSERT_TRUE(JoySticks->OnPoll);
  Flow.reset();
  const int ChangesAtClose = View.Changes;
  EXPECT_FALSE(JoySticks->OnPoll) << "the clock has let go of the gamepads";
  QCoreApplication::processEvents();
  EXPECT_EQ(View.Changes, ChangesAtClose);
}

struct TOddSettingsCase {
  const char* Name;
  double RoundTime;
  double CoachTime;
  int32_t Rounds;
  int64_t StopAtMs;  // -1: the run ends by itself
  int32_t RoundAfter;
};

class OddSettingsTest : public RoundFlowTest,
                        public testing::WithParamInterface<TOddSettingsCase> {};

TEST_P(OddSettingsTest, TheRunEndsAndTheMatchMovesAsTheNumbersSay) {
  const TOddSettingsCase& Case = GetParam();
  Config.RoundTime = Case.RoundTime;
  Config.CoachTime = Case.CoachTime;
  Config.Rounds = Case.Rounds;
  Config.AutoCalcWinner = true;
  if (Case.StopAtMs >= 0) Time.After(Case.StopAtMs, [this] { Flow->StopRound(); });
  PlayRound();
  EXPECT_EQ(Mgr.Round(), Case.RoundAfter);
  EXPECT_EQ(View.Board.StateText, "");
  // The next round stands ready with its full time.
  if (Case.RoundAfter == 2) {
    EXPECT_EQ(View.Board.ClockText, FormatSecondsMS(Case.RoundTime));
  }
  EXPECT_TRUE(View.Errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, OddSettingsTest,
                         testing::Values(TOddSettingsCase{"ZeroLengths", 0, 0, 3, -1, 2},
                                         TOddSettingsCase{"NoBreak", 2, 0, 3, -1, 2},
                                         TOddSettingsCase{"NegativeLengths", -5, -5, 3, -1, 2},
                                         TOddSettingsCase{"HugeRoundStopped", 1e9, 1, 3, 100, 1},
                                         TOddSettingsCase{"HugeBreakStopped", 2, 1e9, 3, 2500, 1},
                                         TOddSettingsCase{"NoRounds", 2, 1, 0, -1, 1},
                                         TOddSettingsCase{"NegativeRounds", 2, 1, -2, -1, 1}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(RoundFlowTest, ZeroInjuryTimeEndsAtOnce) {
  Config.InjuryTime = 0;
  Time.After(500, [this] { Flow->ToggleInjury(); });
  PlayRound();
  EXPECT_THAT(Collapsed(View.StateTexts), ElementsAre("", "Injury", "", Between, ""));
  EXPECT_EQ(Mgr.Round(), 2);
}

// A hundred commands a second, each with a point as F2 would give it: every
// command acts on the state it finds and the board always agrees with it.
TEST_F(RoundFlowTest, HammeredCommandsLoseNothingAndKeepTheBoardConsistent) {
  void (TRoundFlow::*const Cycle[])() = {&TRoundFlow::TogglePause, &TRoundFlow::ToggleInjury,
                                         &TRoundFlow::TogglePause, &TRoundFlow::ToggleInjury,
                                         &TRoundFlow::ToggleInjury};
  int Pressed = 0;
  for (int I = 0; I < 800; ++I) {
    Time.After(10 * (I + 1), [this, &Pressed, Command = Cycle[I % 5]] {
      (Flow.get()->*Command)();
      Mgr.SetRedScore(Mgr.RedScore() + 1);
      ++Pressed;
      const TBoardState& Board = View.Board;
      EXPECT_EQ(Board.PauseCaption == "Resume", Board.StateText == "Pause");
      EXPECT_EQ(Board.InjuryCaption == "Cancel", Board.StateText == "Injury");
      EXPECT_EQ(Board.PauseEnabled, Board.StateText == "" || Board.StateText == "Pause");
      EXPECT_EQ(Board.InjuryEnabled, Board.StateText == "" || Board.StateText == "Injury");
    });
  }
  PlayRound();
  EXPECT_GT(Pressed, 100);
  EXPECT_EQ(Mgr.RedScore(), Pressed);
  EXPECT_EQ(Mgr.Round(), 2);
  EXPECT_EQ(View.Board.PauseCaption, "Pause");
  EXPECT_EQ(View.Board.InjuryCaption, "Injury");
}
