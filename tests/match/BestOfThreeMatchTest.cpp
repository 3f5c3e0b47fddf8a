// Whole matches under the best-of-three rules, driven through the match with
// the clock counting on a fake time source: every way a round is won, and
// the match ending 2-0 after round 2 or going to round 3 at 1-1.
#include <gmock/gmock.h>

#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <vector>

#include "clock/RoundFlow.h"
#include "match/Match.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "platform/ProgramDir.h"
#include "platform/SoundPlayer.h"
#include "record/MatchJournal.h"
#include "record/MatchRecords.h"
#include "support/core/FakeJoystickApi.h"
#include "support/core/FakeSoundPlayer.h"
#include "support/core/OperatorScript.h"
#include "support/core/RunUntil.h"

namespace {

constexpr int32_t GamJeom = 0;

// One operator entry: a technique of Points, or a gam-jeom against Side.
struct TEntry {
  TSide Side;
  int32_t Points;
};
using TRound = std::vector<TEntry>;

struct TMatchCase {
  const char* Name;
  std::vector<TRound> Rounds;
  // The referee's answers, in the order the rounds ask.
  std::vector<TSide> Referee;
  std::vector<const char*> RoundWinnerLines;
  TWinner Winner;
  // The red and the blue side's rounds won at the end.
  int32_t RedRounds;
  int32_t BlueRounds;
  // The rounds' result lines after their record time, where a case checks them:
  // the scores as the board showed them, the opponent's gam-jeoms in them.
  std::vector<const char*> ResultLines = {};
};

const TEntry R1{TSide::Red, 1}, R2{TSide::Red, 2}, R3{TSide::Red, 3}, R4{TSide::Red, 4},
    R5{TSide::Red, 5}, B1{TSide::Blue, 1}, B2{TSide::Blue, 2}, B3{TSide::Blue, 3},
    B4{TSide::Blue, 4}, B5{TSide::Blue, 5}, RedGamJeom{TSide::Red, GamJeom},
    BlueGamJeom{TSide::Blue, GamJeom};

const TMatchCase Cases[] = {
    {"OnScoreTwoNilAfterRoundTwo",
     {{R3, B2}, {R2, B1, R1}},
     {},
     {"ROUND 1 WINNER,Red player,score", "ROUND 2 WINNER,Red player,score"},
     TWinner::Red,
     2,
     0},
    {"ByPointGapOneAllThenRoundThree",
     {{R5, R5, R2}, {B5, B4, B3}, {B1}},
     {},
     {"ROUND 1 WINNER,Red player,point gap", "ROUND 2 WINNER,Blue player,point gap",
      "ROUND 3 WINNER,Blue player,score"},
     TWinner::Blue,
     1,
     2},
    {"ByGamJeomLimit",
     {{BlueGamJeom, BlueGamJeom, BlueGamJeom, BlueGamJeom, BlueGamJeom},
      {R3, RedGamJeom, RedGamJeom, RedGamJeom, RedGamJeom, RedGamJeom},
      {R2}},
     {},
     {"ROUND 1 WINNER,Red player,gam-jeoms", "ROUND 2 WINNER,Blue player,gam-jeoms",
      "ROUND 3 WINNER,Red player,score"},
     TWinner::Red,
     2,
     1,
     {"1,Red player,5,0.0,Blue player,0,5.0", "2,Red player,3,5.0,Blue player,5,0.0",
      "3,Red player,2,0.0,Blue player,0,0.0"}},
    {"ByGamJeomPoints",
     {{RedGamJeom}, {B1, BlueGamJeom, BlueGamJeom}, {BlueGamJeom}},
     {},
     {"ROUND 1 WINNER,Blue player,score", "ROUND 2 WINNER,Red player,score",
      "ROUND 3 WINNER,Red player,score"},
     TWinner::Red,
     2,
     1,
     {"1,Red player,0,1.0,Blue player,1,0.0", "2,Red player,2,0.0,Blue player,1,2.0",
      "3,Red player,1,0.0,Blue player,0,1.0"}},
    {"ByTurningKicks",
     {{R4, B3, B1}, {R3, R2, B5}, {R5, B3, B2}},
     {},
     {"ROUND 1 WINNER,Red player,turning kicks", "ROUND 2 WINNER,Blue player,turning kicks",
      "ROUND 3 WINNER,Red player,turning kicks"},
     TWinner::Red,
     2,
     1},
    {"ByHeadBodyAndPunches",
     {{R3, B2, B1}, {R1, R1, B2}, {R1, RedGamJeom}},
     {},
     {"ROUND 1 WINNER,Red player,head kicks", "ROUND 2 WINNER,Blue player,body kicks",
      "ROUND 3 WINNER,Red player,punches"},
     TWinner::Red,
     2,
     1},
    {"ByRefereeDecision",
     {{R1, B1}, {R2}, {}},
     {TSide::Blue, TSide::Red},
     {"ROUND 1 WINNER,Blue player,referee", "ROUND 2 WINNER,Red player,score",
      "ROUND 3 WINNER,Red player,referee"},
     TWinner::Red,
     2,
     1},
};

// A match under the best-of-three rules over default settings, rounds of
// 2 s with breaks of 1 s, records on, no gamepads, silent sound.
class BestOfThreeMatchTest : public testing::TestWithParam<TMatchCase> {
 protected:
  BestOfThreeMatchTest() {
    SetProgramDirForTest(FDir.path());
    SetSoundPlayer(&Sound);
    Config.LoadConfig();
    Config.Rules = QStringLiteral("BestOfThree");
    Config.RoundTime = 2;
    Config.CoachTime = 1;
    Config.SaveScores = true;
    Config.SaveFileName = QStringLiteral("bo3");
    Match = std::make_unique<TMatch>(Config);
    Match->RoundFlow().OnRefereeDecision = [this](int32_t Round) {
      Asked.push_back(Round);
      return Answers.at(Asked.size() - 1);
    };
    Match->NewGame();
  }
  ~BestOfThreeMatchTest() override {
    Match.reset();
    SetSoundPlayer(nullptr);
    SetProgramDirForTest(QString());
  }

  void Enter(const TEntry& Entry) {
    if (Entry.Points == GamJeom) {
      Match->AddDeduction(Entry.Side);
    } else {
      Match->AddTechnique(Entry.Side, Entry.Points);
    }
  }

  // Starts a round with its entries 100 ms apart and lets the clock run out.
  void PlayRound(const TRound& Entries) {
    for (size_t Index = 0; Index < Entries.size(); ++Index) {
      Time.After(100 * static_cast<int64_t>(Index + 1),
                 [this, Entry = Entries[Index]] { Enter(Entry); });
    }
    Match->StartRound();
    ASSERT_TRUE(RunUntil([this] { return !Match->RoundFlow().ClockExists(); }));
  }

  QStringList RecordLines() const {
    QFile File(Match->Records().FilePath());
    if (!File.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(File.readAll()).split(QStringLiteral("\r\n"));
  }

  QStringList RoundWinnerLines() const { return RecordLines().filter(QStringLiteral("WINNER,")); }

  // The round result lines without their record time.
  QStringList ResultLines() const {
    QStringList Lines;
    for (const QString& Line : RecordLines()) {
      if (Line.count(QLatin1Char(',')) == 7) Lines << Line.section(QLatin1Char(','), 1);
    }
    return Lines;
  }

  QTemporaryDir FDir;
  TFakeSoundPlayer Sound;
  TFakeJoystickApi Pads;
  TFakeJoystickScope PadScope{Pads};
  TOperatorScript Time;
  TFakeTimeScope TimeScope{Time};
  TTKDConfig Config;
  std::unique_ptr<TMatch> Match;
  std::vector<TSide> Answers;
  std::vector<int32_t> Asked;
};

TEST_P(BestOfThreeMatchTest, PlaysTheWholeMatch) {
  const TMatchCase& Case = GetParam();
  Answers = Case.Referee;
  for (const TRound& Round : Case.Rounds) PlayRound(Round);

  const TDorvaneMgr& Mgr = Match->ScoreMgr();
  EXPECT_EQ(Mgr.Winner(), Case.Winner);
  EXPECT_EQ(Mgr.Round(), static_cast<int32_t>(Case.Rounds.size())) << "no round after the decider";
  const TBestOfThree& Rules = Match->RoundFlow().BestOfThree();
  EXPECT_EQ(Rules.RoundsWon(TSide::Red), Case.RedRounds);
  EXPECT_EQ(Rules.RoundsWon(TSide::Blue), Case.BlueRounds);
  EXPECT_EQ(Asked.size(), Case.Referee.size()) << "the referee asked once per fully tied round";
  QStringList Expected;
  for (const char* Line : Case.RoundWinnerLines) Expected << QString::fromUtf8(Line);
  Expected << QStringLiteral("WINNER,") +
                  (Case.Winner == TWinner::Red ? Config.RedPlayer : Config.BluePlayer);
  EXPECT_EQ(RoundWinnerLines().join('\n').toStdString(), Expected.join('\n').toStdString());
  if (!Case.ResultLines.empty()) {
    QStringList Results;
    for (const char* Line : Case.ResultLines) Results << QString::fromUtf8(Line);
    EXPECT_EQ(ResultLines().join('\n').toStdString(), Results.join('\n').toStdString());
  }

  // The match is over: a start does nothing until a new game.
  Match->StartRound();
  EXPECT_FALSE(Match->RoundFlow().ClockExists());
}

TEST_F(BestOfThreeMatchTest, AnInterruptedMatchKeepsItsRoundsWon) {
  PlayRound({R3, B2});
  ASSERT_EQ(Match->ScoreMgr().Round(), 2);
  Match.reset();  // the program goes down between the rounds
  const TJournalRead Read = ReadJournal(JournalPath());
  ASSERT_TRUE(Read.State.has_value()) << qPrintable(Read.Error);

  // The next start's settings name other players: the match keeps its own.
  Config.RedPlayer = QStringLiteral("Next red");
  Config.BluePlayer = QStringLiteral("Next blue");
  Match = std::make_unique<TMatch>(Config);
  Match->Resume(*Read.State, Read.AliveMs);
  EXPECT_EQ(Match->RoundFlow().BestOfThree().RoundsWon(TSide::Red), 1);
  EXPECT_EQ(Match->ScoreMgr().Round(), 2);
  PlayRound({R2, BlueGamJeom});
  EXPECT_EQ(Match->ScoreMgr().Winner(), TWinner::Red) << "2-0";
  EXPECT_EQ(ResultLines().value(1), QStringLiteral("2,Red player,3,0.0,Blue player,0,1.0"));
  EXPECT_EQ(RoundWinnerLines().mid(1).join('\n').toStdString(),
            "ROUND 2 WINNER,Red player,score\nWINNER,Red player");
}

INSTANTIATE_TEST_SUITE_P(Matches, BestOfThreeMatchTest, testing::ValuesIn(Cases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

}  // namespace
