// The live match without any window: score entry, the winner rules after
// each change, new game, and views attached side by side.
#include <gmock/gmock.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "clock/RoundFlow.h"
#include "input/ElectronicScoring.h"
#include "input/GamepadDevices.h"
#include "input/GamepadWatch.h"
#include "match/Match.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "model/StringFn.h"
#include "platform/ProgramDir.h"
#include "platform/SoundPlayer.h"
#include "platform/TimeSource.h"
#include "record/MatchRecords.h"
#include "support/core/FakeJoystickApi.h"
#include "support/core/FakeSoundPlayer.h"
#include "support/core/FakeTimeSource.h"
#include "support/core/RunUntil.h"
#include "support/core/VoteButtonOf.h"

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

constexpr TWinner NoWinner = TWinner::None;
constexpr TWinner BlueWins = TWinner::Blue;
constexpr TWinner RedWins = TWinner::Red;

QString SideName(TSide Side) { return Side == TSide::Red ? "red" : "blue"; }

// A view that writes down everything it is told, and the winner the manager
// holds at the moment of each score redraw.
class TRecordingView : public TMatchView {
 public:
  QStringList Log;
  std::vector<TWinner> WinnerAtScoreRedraw;
  QString Scores[2];

  void SetClockText(const QString& Text) override { Log << "clock " + Text; }
  void SetClockColor(TColor Color) override { Log << QString("clock colour %1").arg(Color); }
  void SetStateText(const QString& Text) override { Log << "state " + Text; }
  void SetStateColor(TColor Color) override { Log << QString("state colour %1").arg(Color); }
  void SetPauseButtonCaption(const QString& Caption) override { Log << "pause " + Caption; }
  void SetPauseButtonEnabled(bool Enabled) override { Log << QString("pause on %1").arg(Enabled); }
  void SetInjuryButtonCaption(const QString& Caption) override { Log << "injury " + Caption; }
  void SetInjuryButtonEnabled(bool Enabled) override {
    Log << QString("injury on %1").arg(Enabled);
  }
  void SetClockCommandsEnabled(bool ClockExists) override {
    Log << QString("clock exists %1").arg(ClockExists);
  }
  void SetRoundField(int Round) override { Log << QString("round field %1").arg(Round); }
  void ShowWinner(TSide Winner, bool Lit) override {
    Log << QString("winner %1 %2").arg(Winner == TSide::Red).arg(Lit);
  }
  void HideWinner() override { Log << "winner hidden"; }
  void ShowError(const QString& Message) override { Log << "error " + Message; }

  void ShowRound(int32_t Round, bool SuddenDeathRound) override {
    Log << QString("round %1 %2").arg(Round).arg(SuddenDeathRound);
  }
  void ShowScore(TSide Side, const TDorvaneMgr& Mgr) override {
    const int32_t Score = Side == TSide::Red ? Mgr.RedScore() : Mgr.BlueScore();
    Scores[Side == TSide::Red ? 0 : 1] = QString::number(Score);
    WinnerAtScoreRedraw.push_back(Mgr.Winner());
    Log << QString("score %1 %2").arg(SideName(Side)).arg(Score);
  }
  void ShowPenalty(TSide Side, const TDorvaneMgr& Mgr) override {
    const double Penalty = Side == TSide::Red ? Mgr.RedPenalty() : Mgr.BluePenalty();
    Log << QString("penalty %1 %2").arg(SideName(Side)).arg(Penalty);
  }
  void ShowAllScores(const TDorvaneMgr& Mgr) override {
    Log << QString("all %1 %2").arg(Mgr.RedScore()).arg(Mgr.BlueScore());
  }
  void ShowJudgeLight(TSide Side, int32_t Judge, TColor Color) override {
    Log << QString("judge light %1 %2 %3").arg(SideName(Side)).arg(Judge + 1).arg(Color);
  }
  void ShowPlayers(const QString& RedName, const QString& BlueName,
                   const QString& Division) override {
    Log << "players " + RedName + " / " + BlueName + " / " + Division;
  }
};

// A match over default settings in a fresh program folder, with no gamepads,
// silent sound and a fake time source; no QApplication and no window.
class MatchTest : public testing::Test {
 protected:
  MatchTest() {
    SetProgramDirForTest(FDir.path());
    SetSoundPlayer(&Sound);
    Config.LoadConfig();
  }
  ~MatchTest() override {
    SetSoundPlayer(nullptr);
    SetProgramDirForTest(QString());
  }

  TMatch& Match() {
    if (!FMatch) FMatch = std::make_unique<TMatch>(Config);
    return *FMatch;
  }
  TDorvaneMgr& Mgr() { return Match().ScoreMgr(); }

  QTemporaryDir FDir;
  TFakeSoundPlayer Sound;
  TFakeJoystickApi Pads;
  TFakeJoystickScope PadScope{Pads};
  TFakeTimeSource Time;
  TFakeTimeScope TimeScope{Time};
  TTKDConfig Config;

 private:
  std::unique_ptr<TMatch> FMatch;
};

TEST_F(MatchTest, PointGapDecidesAfterTheViewHasRedrawnTheDecidingPoint) {
  Config.UsePointGap = true;
  Config.PointGap = 3;
  TRecordingView View;
  Match().Attach(View);
  for (int Point = 0; Point < 3; ++Point) Match().AddPoint(TSide::Red);
  EXPECT_EQ(Mgr().RedScore(), 3);
  EXPECT_EQ(Mgr().Winner(), RedWins);
  // Each point was redrawn before the rules looked at it; the decision then
  // reached the view as the winner's display, lit first.
  EXPECT_THAT(View.WinnerAtScoreRedraw, ElementsAre(NoWinner, NoWinner, NoWinner));
  EXPECT_EQ(View.Log.count("winner 1 1"), 1);
}

TEST_F(MatchTest, ScoreEntryKeepsTotalsAndTheRulesRunAfterEachChange) {
  Config.DisqualifyPenalty = 2;
  TRecordingView View;
  Match().Attach(View);
  Match().AddDeduction(TSide::Blue);
  EXPECT_EQ(Mgr().Winner(), NoWinner);
  Match().AddWarning(TSide::Blue);
  Match().AddWarning(TSide::Blue);
  EXPECT_EQ(Mgr().BluePenalty(), 2.0);
  EXPECT_EQ(Mgr().Winner(), RedWins) << "disqualified at the limit";
  Match().TakeBackWarning(TSide::Blue);
  EXPECT_EQ(Mgr().BluePenalty(), 1.5);
  EXPECT_EQ(Mgr().Winner(), NoWinner) << "the take-back undoes the disqualification";
  Match().TakeBackPoint(TSide::Red);
  EXPECT_EQ(Mgr().RedScore(), 0) << "never below zero";
  Match().TakeBackDeduction(TSide::Blue);
  Match().TakeBackDeduction(TSide::Blue);
  EXPECT_EQ(Mgr().BluePenalty(), 0.5) << "a deduction comes back only from a whole point";
}

TEST_F(MatchTest, NewGameStartsOverWithTheSettings) {
  Config.SaveScores = true;
  Config.SaveFileName = QStringLiteral("day1");
  Config.RedPlayer = QStringLiteral("Kim");
  Config.BluePlayer = QStringLiteral("Lee");
  Config.Division = QStringLiteral("Juniors");
  TRecordingView View;
  Match().Attach(View);
  Match().AddPoint(TSide::Red);
  Match().AddDeduction(TSide::Blue);
  Match().SetRound(QStringLiteral("2"));
  Match().Retire(TSide::Red);
  ASSERT_EQ(Mgr().Winner(), BlueWins);
  View.Log.clear();

  Match().NewGame();
  EXPECT_EQ(Mgr().Winner(), NoWinner);
  EXPECT_EQ(Mgr().Round(), 1);
  EXPECT_EQ(Mgr().RedScore(), 0);
  EXPECT_EQ(Mgr().BluePenalty(), 0.0);
  EXPECT_TRUE(View.Log.contains("players Kim / Lee / Juniors"));
  EXPECT_TRUE(View.Log.contains("clock " + FormatSecondsMS(Config.RoundTime)));
  EXPECT_TRUE(View.Log.contains("round 1 0"));
  QFile Record(Match().Records().FilePath());
  ASSERT_TRUE(Record.open(QIODevice::ReadOnly));
  EXPECT_TRUE(Record.readAll().contains("NEW MATCH"));
}

TEST_F(MatchTest, NoNewGameWhileAClockRuns) {
  Config.RoundTime = 3600;
  Match().AddPoint(TSide::Blue);
  Match().StartRound();
  ASSERT_TRUE(Match().RoundFlow().ClockExists());
  Match().NewGame();
  EXPECT_EQ(Mgr().BlueScore(), 1);
}

TEST_F(MatchTest, PadsAreLookedForMoreOftenWhileAClockRuns) {
  Config.RoundTime = 3600;
  EXPECT_EQ(Match().GamepadWatch().IntervalMs(), TGamepadWatch::IdleIntervalMs);
  Match().StartRound();
  EXPECT_TRUE(RunUntil(
      [&] { return Match().GamepadWatch().IntervalMs() == TGamepadWatch::ClockIntervalMs; }));
  Match().StopRound();
  EXPECT_TRUE(RunUntil(
      [&] { return Match().GamepadWatch().IntervalMs() == TGamepadWatch::IdleIntervalMs; }));
}

// A clock that reads the pads meets pads plugged in or out itself: the watch
// looks for them more often only while the clock does not read them.
TEST_F(MatchTest, AClockThatReadsThePadsLeavesTheWatchIdle) {
  Config.RoundTime = 3600;
  Config.InjuryTime = 3600;
  Config.UseElectronicScoring = true;
  Match().StartRound();
  ASSERT_TRUE(RunUntil([&] { return Match().RoundFlow().ClockRunning(); }));
  EXPECT_EQ(Match().GamepadWatch().IntervalMs(), TGamepadWatch::IdleIntervalMs);
  Match().RoundFlow().ToggleInjury();
  EXPECT_TRUE(RunUntil(
      [&] { return Match().GamepadWatch().IntervalMs() == TGamepadWatch::ClockIntervalMs; }));
  Match().StopRound();
}

TEST_F(MatchTest, ASecondViewReceivesTheSameRedrawsUntilItDetaches) {
  Config.UsePointGap = true;
  Config.PointGap = 2;
  TRecordingView Board;
  TRecordingView Console;
  Match().Attach(Board);
  Match().Attach(Console);
  Match().NewGame();
  Match().AddPoint(TSide::Blue);
  Match().AddWarning(TSide::Red);
  Match().AddPoint(TSide::Blue);
  Match().SetRound(QStringLiteral("2"));
  ASSERT_EQ(Mgr().Winner(), BlueWins);
  EXPECT_FALSE(Board.Log.isEmpty());
  EXPECT_EQ(Console.Log, Board.Log);

  Match().Detach(Console);
  const QStringList Before = Console.Log;
  Match().AddPoint(TSide::Red);
  EXPECT_EQ(Console.Log, Before);
  EXPECT_TRUE(Board.Log.contains("score red 1"));
}

TEST_F(MatchTest, JudgeLightsReachEveryAttachedView) {
  Pads.AddPad(12);
  Pads.AddPad(12);
  TRecordingView Board;
  TRecordingView Console;
  Match().Attach(Board);
  Match().Attach(Console);
  Pads.Press(1, ButtonNumber(Config, TSide::Blue, 2));
  Match().JoySticks().Poll();
  // The match's light refresh, run by its timer as on the board.
  QTimer& Refresh = Match().JudgeLightTimer();
  QSignalSpy Refreshed(&Refresh, &QTimer::timeout);
  Refresh.start();
  ASSERT_TRUE(Refreshed.wait(5000));
  EXPECT_THAT(Board.Log, ElementsAre(QString("judge light blue 2 %1").arg(Config.TwoPointColor)));
  EXPECT_EQ(Console.Log, Board.Log);

  // Half a second after the press the light goes out on both views.
  Time.AdvanceMs(JudgeLightMs + 1);
  ASSERT_TRUE(Refreshed.wait(5000));
  EXPECT_EQ(Board.Log.last(), QString("judge light blue 2 %1").arg(clUnlitLight));
  EXPECT_EQ(Console.Log, Board.Log);
  EXPECT_FALSE(Refresh.isActive());
}

TEST_F(MatchTest, WithoutViewsTheMatchStillKeepsScore) {
  Match().AddPoint(TSide::Red);
  Match().AddDeduction(TSide::Red);
  Match().Retire(TSide::Blue);
  EXPECT_EQ(Mgr().RedScore(), 1);
  EXPECT_EQ(Mgr().RedPenalty(), 1.0);
  EXPECT_EQ(Mgr().Winner(), RedWins);
  EXPECT_THAT(Match().GamepadError().toStdString(), IsEmpty());
}

}  // namespace

namespace {

// Counts how often the joystick driver is asked for its devices.
class TCountingJoystickApi : public TFakeJoystickApi {
 public:
  uint32_t joyGetNumDevs() override {
    ++DeviceLookups;
    return TFakeJoystickApi::joyGetNumDevs();
  }
  int DeviceLookups = 0;
};

// A judge as its bindings: pad id and the numbers of its vote buttons.
std::vector<int> Binding(const TJudge& Judge) {
  std::vector<int> Result{static_cast<int>(Judge.JoyStick->JoyId)};
  for (const TJoyButton* Button : Judge.Votes) {
    Result.push_back(Button ? Button->Number : 0);
  }
  Result.push_back(Judge.RedIndicator != nullptr && Judge.BlueIndicator != nullptr);
  return Result;
}

}  // namespace

TEST_F(MatchTest, GamepadsStartedLaterSeatTheSameJudgesAsAtOnce) {
  TCountingJoystickApi Later;
  const TFakeJoystickScope LaterScope(Later);
  for (TFakeJoystickApi* Api : {static_cast<TFakeJoystickApi*>(&Later), &Pads}) {
    for (int Pad = 0; Pad < 5; ++Pad) Api->AddPad(12);
  }
  TMatch Deferred(Config, TMatch::TGamepadStart::Later);
  EXPECT_EQ(Later.DeviceLookups, 0) << "the driver waits for StartGamepads";
  EXPECT_FALSE(Deferred.GamepadsLookedFor());
  EXPECT_EQ(Deferred.Judges().Count(), 0);

  Deferred.StartGamepads();
  EXPECT_TRUE(Deferred.GamepadsLookedFor());
  SetJoystickApi(&Pads);
  TMatch AtOnce(Config);
  ASSERT_EQ(AtOnce.Judges().Count(), MaxJudges);
  ASSERT_EQ(Deferred.Judges().Count(), AtOnce.Judges().Count());
  for (int Judge = 0; Judge < AtOnce.Judges().Count(); ++Judge) {
    EXPECT_EQ(Binding(Deferred.Judges()[Judge]), Binding(AtOnce.Judges()[Judge])) << Judge;
  }
}
