#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "input/ElectronicScoring.h"
#include "input/GamepadDevices.h"
#include "input/Judges.h"
#include "input/VoteCheckGate.h"
#include "model/BoardLight.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "platform/ProgramDir.h"
#include "platform/SoundPlayer.h"
#include "platform/TimeSource.h"
#include "record/SoundCues.h"
#include "support/core/FakeJoystickApi.h"
#include "support/core/FakeSoundPlayer.h"
#include "support/core/FakeTimeSource.h"
#include "support/core/TestLight.h"
#include "support/core/VoteButtonOf.h"

namespace {

constexpr double Start = 46000.5;
constexpr int Judges = 4;
// The default vote buttons: R1 5, B1 6, R2 7, B2 8, R3 9, B3 10.
constexpr int RedOne = 5, BlueOne = 6, RedTwo = 7, BlueTwo = 8, RedThree = 9, BlueThree = 10;
// A judge's press lasts this long before the button is let go.
constexpr int64_t TapMs = 30;

struct TTap {
  int64_t AtMs;
  int Judge;  // 1 to 4
  int Button;
};

// Four judges on scripted pads with the default settings; the test plays the
// clock: one poll per millisecond, each followed by the vote check, with the
// clock running unless the test says otherwise.
class ElectronicScoringTest : public testing::Test {
 protected:
  ElectronicScoringTest() {
    EXPECT_TRUE(FDir.isValid());
    SetProgramDirForTest(FDir.path());
    Config.LoadConfig();
    SetSoundPlayer(&Sound);
    WriteCueFiles();
    for (int Pad = 0; Pad < Judges; ++Pad) Pads.AddPad(12);
  }

  ~ElectronicScoringTest() override {
    SetSoundPlayer(nullptr);
    SetProgramDirForTest(QString());
  }

  // The judges from the settings, wired as the window and the clock wire them.
  void BuildJudgesAndScoring() {
    JoySticks.emplace();
    TJudgeLights Red{}, Blue{};
    for (size_t Index = 0; Index < Judges; ++Index) {
      Red[Index] = &RedLights[Index];
      Blue[Index] = &BlueLights[Index];
    }
    BuildJudges(JudgeList, *JoySticks, Config, Red, Blue);
    Scoring.emplace(
        JudgeList, Mgr, HandSet, Config, [this] { return Running; }, PlayCue);
    JoySticks->OnPoll = [this](TSysJoySticks&) { Scoring->CheckJudgeVotes(); };
    for (int32_t Pad = 0; Pad < JoySticks->Count(); ++Pad) {
      JoySticks->LockList()[Pad].OnButtonClick = [this](TMyJoyStick&, TJoyButton&, int32_t, double,
                                                        bool&) { Scoring->PressReleased(); };
    }
    Mgr.OnRedScoreChange = [this](TDorvaneMgr&) { NoteAward(); };
    Mgr.OnBlueScoreChange = [this](TDorvaneMgr&) { NoteAward(); };
  }

  void PollAt(int64_t Ms) {
    NowMs = Ms;
    Time.SetNow(Start + Ms / MsPerDay);
    JoySticks->Poll();
  }

  // Every millisecond from 0 to EndMs: the taps due, then one poll.
  void Play(const std::vector<TTap>& Taps, int64_t EndMs,
            const std::function<void(int64_t)>& BeforePoll = nullptr) {
    for (int64_t Ms = 0; Ms <= EndMs; ++Ms) {
      for (const TTap& Tap : Taps) {
        if (Tap.AtMs == Ms) Pads.Press(Tap.Judge - 1, Tap.Button);
        if (Tap.AtMs + TapMs == Ms) Pads.Release(Tap.Judge - 1, Tap.Button);
      }
      if (BeforePoll) BeforePoll(Ms);
      PollAt(Ms);
    }
  }

  TJoyButton& Vote(int Judge, int Button) {
    return *JoySticks->LockList()[Judge - 1].Buttons.FindButton(Button);
  }

  // The cues played, by their wave files' names.
  QStringList PlayedCues() {
    QStringList Cues;
    for (const QString& Call : Sound.Calls()) {
      if (Call.startsWith(QLatin1String("play "))) Cues << QFileInfo(Call.mid(5)).baseName();
    }
    return Cues;
  }

  TFakeTimeSource Time{Start};
  TFakeJoystickApi Pads;
  TFakeSoundPlayer Sound;
  TTKDConfig Config;
  TDorvaneMgr Mgr;
  std::optional<TSysJoySticks> JoySticks;
  TJudgeList JudgeList;
  std::array<TTestLight, Judges> RedLights;
  std::array<TTestLight, Judges> BlueLights;
  QTimer HandSet;
  std::optional<TElectronicScoring> Scoring;
  bool Running = true;
  int64_t NowMs = 0;
  // The poll at which a score first changed.
  std::optional<int64_t> FirstAwardMs;

 private:
  void NoteAward() {
    if (!FirstAwardMs) FirstAwardMs = NowMs;
  }

  void WriteCueFiles() {
    QString Section = QStringLiteral("[Wav]\n");
    for (const char* Cue :
         {"RedPoint", "Red2Point", "Red3Point", "BluePoint", "Blue2Point", "Blue3Point"}) {
      const QString Path = QDir(FDir.path()).filePath(QLatin1String(Cue) + ".wav");
      QFile Wave(Path);
      EXPECT_TRUE(Wave.open(QIODevice::WriteOnly));
      Section += QLatin1String(Cue) + QLatin1Char('=') + Path + QLatin1Char('\n');
    }
    QFile File(SettingsFilePath());
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(Section.toUtf8());
  }

  QTemporaryDir FDir;
  TFakeTimeScope FTimeScope{Time};
  TFakeJoystickScope FPadScope{Pads};
};

struct TVote {
  int Judge;
  int Button;
  auto operator<=>(const TVote&) const = default;
};

// GCC 12 warns about members left to their defaults in designated initializers.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

struct TVoteCase {
  const char* Name;
  std::vector<TTap> Taps;
  int32_t NumButtons = 2;
  int32_t R2 = RedTwo;
  // The clock is paused from the first to the second millisecond.
  std::pair<int64_t, int64_t> Paused = {-1, -1};
  int32_t Red = 0;
  int32_t Blue = 0;
  QStringList Cues;
  std::optional<int64_t> FirstAwardMs;
  // The votes still pending at the end: none, as a vote too old to agree is
  // dropped at the next check while the clock runs.
  std::set<TVote> Pending;
};

void PrintTo(const TVoteCase& Case, std::ostream* Out) { *Out << Case.Name; }

const TVoteCase VoteCases[] = {
    {.Name = "AgreeWithin150Ms",
     .Taps = {{0, 1, RedOne}, {150, 2, RedOne}},
     .Red = 1,
     .Cues = {"RedPoint"},
     .FirstAwardMs = 150},
    {.Name = "ApartBy250MsNeverAgree", .Taps = {{0, 1, RedOne}, {250, 2, RedOne}}},
    {.Name = "VoteExactlyTransiencyOldCounts",
     .Taps = {{0, 1, RedOne}, {200, 2, RedOne}},
     .Red = 1,
     .Cues = {"RedPoint"},
     .FirstAwardMs = 200},
    {.Name = "VoteOneMsOlderDoesNot", .Taps = {{0, 1, RedOne}, {201, 2, RedOne}}},
    {.Name = "ThreeJudgesAtOneCheckGiveOnePointAndAllAreConsumed",
     .Taps = {{0, 1, RedOne}, {0, 2, RedOne}, {0, 3, RedOne}},
     .Red = 1,
     .Cues = {"RedPoint"},
     .FirstAwardMs = 0},
    {.Name = "LateThirdJudgeStaysAlone",
     .Taps = {{0, 1, RedOne}, {0, 2, RedOne}, {100, 3, RedOne}},
     .Red = 1,
     .Cues = {"RedPoint"},
     .FirstAwardMs = 0},
    {.Name = "LateThirdJudgeScoresAgainWithAFourth",
     .Taps = {{0, 1, RedOne}, {0, 2, RedOne}, {100, 3, RedOne}, {250, 4, RedOne}},
     .Red = 2,
     .Cues = {"RedPoint", "RedPoint"},
     .FirstAwardMs = 0},
    {.Name = "OneJudgePressingTwiceCountsOnce", .Taps = {{0, 1, RedOne}, {80, 1, RedOne}}},
    {.Name = "RedAndBlueAtOneCheckRedFirst",
     .Taps = {{0, 1, BlueOne}, {0, 2, BlueOne}, {0, 1, RedOne}, {0, 2, RedOne}},
     .Red = 1,
     .Blue = 1,
     .Cues = {"RedPoint", "BluePoint"},
     .FirstAwardMs = 0},
    {.Name = "EachCategoryItsPointsAndCue",
     .Taps = {{0, 1, RedTwo},
              {10, 2, RedTwo},
              {0, 3, RedThree},
              {20, 4, RedThree},
              {300, 1, BlueTwo},
              {300, 3, BlueTwo},
              {400, 2, BlueThree},
              {410, 4, BlueThree}},
     .Red = 5,
     .Blue = 5,
     .Cues = {"Red2Point", "Red3Point", "Blue2Point", "Blue3Point"},
     .FirstAwardMs = 10},
    {.Name = "SharedButtonCountsInTheEarlierCategoryOnly",
     .Taps = {{0, 1, RedOne}, {50, 2, RedOne}},
     .R2 = RedOne,
     .Red = 1,
     .Cues = {"RedPoint"},
     .FirstAwardMs = 50},
    {.Name = "PausedPressesAwardNothing",
     .Taps = {{0, 1, RedOne}, {50, 2, RedOne}},
     .Paused = {0, 1000}},
    {.Name = "PressesDuringAPauseCountOnResumeWhileYoungEnough",
     .Taps = {{0, 1, RedOne}, {50, 2, RedOne}},
     .Paused = {0, 150},
     .Red = 1,
     .Cues = {"RedPoint"},
     .FirstAwardMs = 150},
    {.Name = "PressesDuringAPauseTooOldOnResume",
     .Taps = {{0, 1, RedOne}, {50, 2, RedOne}},
     .Paused = {0, 201}},
    {.Name = "NumButtonsZeroCountsAsOne",
     .Taps = {{100, 3, BlueOne}},
     .NumButtons = 0,
     .Blue = 1,
     .Cues = {"BluePoint"},
     .FirstAwardMs = 100},
    {.Name = "NumButtonsThreeNeedsThreeJudges",
     .Taps =
         {{0, 1, RedOne}, {50, 2, RedOne}, {400, 1, RedOne}, {450, 2, RedOne}, {500, 4, RedOne}},
     .NumButtons = 3,
     .Red = 1,
     .Cues = {"RedPoint"},
     .FirstAwardMs = 500},
};

class VoteCheckTest : public ElectronicScoringTest, public testing::WithParamInterface<TVoteCase> {
 protected:
  void PlayCase(const TVoteCase& Case) {
    const auto [PauseFrom, ResumeAt] = Case.Paused;
    Play(Case.Taps, 1000, [&](int64_t Ms) { Running = !(Ms >= PauseFrom && Ms < ResumeAt); });
  }

  void ExpectAwards(const TVoteCase& Case) {
    EXPECT_EQ(Mgr.RedScore(), Case.Red);
    EXPECT_EQ(Mgr.BlueScore(), Case.Blue);
    EXPECT_EQ(PlayedCues(), Case.Cues);
    EXPECT_EQ(FirstAwardMs, Case.FirstAwardMs);
    // Each press either scored or aged out alone by the end, never both: a
    // vote exactly Transiency old counts, so it is not alone.
    for (const TJudgeSummary& Judge : Scoring->PressLog().Summary(Judges)) {
      EXPECT_EQ(Judge.Presses, Judge.Scored + Judge.Lone) << "judge " << Judge.Judge;
    }
  }
};

TEST_P(VoteCheckTest, AwardsConsumesAndPlays) {
  const TVoteCase& Case = GetParam();
  Config.NumButtons = Case.NumButtons;
  ButtonNumber(Config, TSide::Red, 2) = Case.R2;
  BuildJudgesAndScoring();
  PlayCase(Case);

  ExpectAwards(Case);
  std::set<TVote> Pending;
  for (int Judge = 1; Judge <= Judges; ++Judge) {
    for (int Button : {RedOne, BlueOne, RedTwo, BlueTwo, RedThree, BlueThree}) {
      if (Vote(Judge, Button).Pending) Pending.insert({Judge, Button});
    }
  }
  EXPECT_EQ(Pending, Case.Pending);
}

// The clock hands over only the polls whose check can find something new:
// the votes award the same points at the same moments, and each lone press
// is logged as it ages out, not only at a later judge's press.
TEST_P(VoteCheckTest, OnlyTheChecksTheGateLetThroughAwardTheSame) {
  const TVoteCase& Case = GetParam();
  Config.NumButtons = Case.NumButtons;
  ButtonNumber(Config, TSide::Red, 2) = Case.R2;
  BuildJudgesAndScoring();
  TVoteCheckGate Gate;
  JoySticks->OnPoll = [&](TSysJoySticks& Polled) {
    if (Gate.CheckDue(Polled, Config.Transiency, Running)) Scoring->CheckJudgeVotes();
  };
  PlayCase(Case);

  ExpectAwards(Case);
}

INSTANTIATE_TEST_SUITE_P(Cases, VoteCheckTest, testing::ValuesIn(VoteCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(ElectronicScoringTest, LightsShowTheLowestValuePressedAndPauseAwardsNothing) {
  BuildJudgesAndScoring();
  Running = false;
  Play({{0, 1, RedTwo},
        {100, 1, RedOne},
        {0, 2, RedThree},
        {0, 2, BlueTwo},
        {20, 3, BlueThree},
        {30, 3, RedOne}},
       150);
  EXPECT_EQ(RedLights[0].LightColor(), Config.OnePointColor);
  EXPECT_EQ(RedLights[1].LightColor(), Config.ThreePointColor);
  EXPECT_EQ(BlueLights[1].LightColor(), Config.TwoPointColor);
  EXPECT_EQ(BlueLights[2].LightColor(), Config.ThreePointColor);
  EXPECT_EQ(RedLights[2].LightColor(), Config.OnePointColor);
  EXPECT_EQ(BlueLights[0].LightColor(), clUnlitLight);
  EXPECT_EQ(RedLights[3].LightColor(), clUnlitLight);
  EXPECT_TRUE(HandSet.isActive());
  EXPECT_EQ(Mgr.RedScore(), 0);
  EXPECT_EQ(Mgr.BlueScore(), 0);
}

TEST_F(ElectronicScoringTest, LightShowsAPressForItsFirst500MsConsumedOrNot) {
  BuildJudgesAndScoring();
  Play({{0, 1, RedOne}, {0, 2, RedOne}}, 0);
  ASSERT_EQ(Mgr.RedScore(), 1);
  EXPECT_FALSE(Vote(1, RedOne).Pending);
  EXPECT_TRUE(HandSet.isActive()) << "a check that finds a lit light starts the refresh";

  Time.SetNow(Start + 500 / MsPerDay);
  Scoring->tmrHandSetTimer();
  EXPECT_EQ(RedLights[0].LightColor(), Config.OnePointColor);
  EXPECT_TRUE(HandSet.isActive());

  Time.SetNow(Start + 501 / MsPerDay);
  Scoring->tmrHandSetTimer();
  EXPECT_EQ(RedLights[0].LightColor(), clUnlitLight);
  EXPECT_EQ(RedLights[1].LightColor(), clUnlitLight);
  EXPECT_FALSE(HandSet.isActive()) << "the first tick that finds all dark stops the refresh";
}

// A vote too old to agree with any other can never count: a check while the
// clock runs drops it.
TEST_F(ElectronicScoringTest, AVoteTooOldToAgreeIsDroppedAtTheNextCheck) {
  BuildJudgesAndScoring();
  Play({{0, 1, RedOne}}, 200);
  EXPECT_TRUE(Vote(1, RedOne).Pending) << "still able to agree at 200 ms";
  Running = false;
  PollAt(500);
  EXPECT_TRUE(Vote(1, RedOne).Pending) << "no check while the clock is paused";
  Running = true;
  PollAt(501);
  EXPECT_FALSE(Vote(1, RedOne).Pending);
  EXPECT_EQ(Mgr.RedScore(), 0);
}

TEST_F(ElectronicScoringTest, ClickRestartsTheRefreshAndLeavesThePressAVote) {
  BuildJudgesAndScoring();
  // Only the click reaches the scoring: the check would refresh the lights itself.
  JoySticks->OnPoll = nullptr;
  Pads.Press(0, RedOne);
  PollAt(0);
  Pads.Release(0, RedOne);
  PollAt(600);
  EXPECT_TRUE(HandSet.isActive());
  EXPECT_TRUE(Vote(1, RedOne).Pending);
}

}  // namespace

namespace {

struct TFourFiveCase {
  const char* Rules;
  int Button;
  int32_t RedScore;
  int32_t BlueScore;
};

class FourAndFivePointVotes : public ElectronicScoringTest,
                              public testing::WithParamInterface<TFourFiveCase> {};

// Buttons 4 and 5 score and light only under the best-of-three rules, and
// each award is reported as a technique before its points are added.
TEST_P(FourAndFivePointVotes, ScoreOnlyUnderBestOfThree) {
  const TFourFiveCase& Case = GetParam();
  Config.Rules = QLatin1String(Case.Rules);
  ButtonNumber(Config, TSide::Red, 4) = 11, ButtonNumber(Config, TSide::Red, 5) = 12;
  ButtonNumber(Config, TSide::Blue, 4) = 3, ButtonNumber(Config, TSide::Blue, 5) = 4;
  BuildJudgesAndScoring();
  std::vector<std::pair<TSide, int32_t>> Techniques;
  Scoring->OnTechnique = [&](TSide Side, int32_t Points) {
    EXPECT_EQ(Mgr.RedScore() + Mgr.BlueScore(), 0) << "reported before the points are added";
    Techniques.emplace_back(Side, Points);
  };
  Play({{10, 1, Case.Button}, {20, 2, Case.Button}}, 200);
  EXPECT_EQ(Mgr.RedScore(), Case.RedScore);
  EXPECT_EQ(Mgr.BlueScore(), Case.BlueScore);
  const int32_t Points = Case.RedScore + Case.BlueScore;
  // The judges' lights show a press that scores, in the 3's colour; the
  // classic rules have no such buttons.
  const TColor Lit = Config.ThreePointColor;
  EXPECT_EQ(RedLights[0].LightColor(), Case.RedScore > 0 ? Lit : clUnlitLight);
  EXPECT_EQ(BlueLights[1].LightColor(), Case.BlueScore > 0 ? Lit : clUnlitLight);
  EXPECT_EQ(RedLights[2].LightColor(), clUnlitLight) << "judge 3 pressed nothing";
  if (Points == 0) {
    EXPECT_TRUE(Techniques.empty());
  } else {
    ASSERT_EQ(Techniques.size(), 1U);
    EXPECT_EQ(Techniques[0].first, Case.RedScore > 0 ? TSide::Red : TSide::Blue);
    EXPECT_EQ(Techniques[0].second, Points);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Votes, FourAndFivePointVotes,
    testing::Values(TFourFiveCase{"BestOfThree", 11, 4, 0}, TFourFiveCase{"BestOfThree", 12, 5, 0},
                    TFourFiveCase{"BestOfThree", 3, 0, 4}, TFourFiveCase{"BestOfThree", 4, 0, 5},
                    TFourFiveCase{"Classic", 12, 0, 0}, TFourFiveCase{"Classic", 3, 0, 0}));

}  // namespace
