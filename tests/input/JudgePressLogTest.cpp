// The judges' press audit and report, from polls of scripted pads on a fake
// clock, as the vote check sees them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <optional>
#include <utility>

#include "input/ElectronicScoring.h"
#include "input/GamepadDevices.h"
#include "input/JudgePressLog.h"
#include "input/Judges.h"
#include "input/JudgesAudit.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "platform/ProgramDir.h"
#include "platform/SoundPlayer.h"
#include "platform/TimeSource.h"
#include "platform/UserFolders.h"
#include "record/MatchRecords.h"
#include "support/core/FakeJoystickApi.h"
#include "support/core/JudgesFixture.h"

namespace {

constexpr double Start = TJudgesFixture::Start;
constexpr int RedOne = 5, BlueTwo = 8;  // R1's and B2's defaults

std::string Describe(const TJudgeAuditLine& Line) {
  static const char* const Events[] = {"press", "release", "score", "alone"};
  std::string Who = "j" + std::to_string(Line.Judge);
  if (Line.Event == TJudgeAuditLine::Score) {
    Who.clear();
    for (int32_t Judge : Line.Judges) Who += (Who.empty() ? "j" : "+j") + std::to_string(Judge);
  }
  std::string Text = "@" + std::to_string(std::llround((Line.Time - Start) * MsPerDay)) + " " +
                     Events[Line.Event] + " " + Who + (Line.Red ? " red " : " blue ") +
                     std::to_string(Line.Points);
  if (Line.Event == TJudgeAuditLine::Score) Text += " spread " + std::to_string(Line.SpreadMs);
  return Text;
}

struct TPress {
  int64_t AtMs;
  int Judge;  // 1 to 4
  int Button;
  int64_t HeldMs = 30;
};

// Four judges on scripted pads with the default settings (NumButtons 2,
// Transiency 200), one poll per millisecond followed by the vote check.
class JudgePressLogTest : public TJudgesFixture {
 protected:
  JudgePressLogTest() {
    for (int Pad = 0; Pad < MaxJudges; ++Pad) Pads.AddPad(12);
    BuildJudgesAndScoring();
    Scoring->PressLog().OnLine = [this](const TJudgeAuditLine& Line) {
      Lines.push_back(Describe(Line));
    };
  }

  // Every millisecond from FromMs to EndMs: the presses and releases due, then one poll.
  void Play(const std::vector<TPress>& Presses, int64_t EndMs, int64_t FromMs = 0) {
    for (int64_t Ms = FromMs; Ms <= EndMs; ++Ms) {
      for (const TPress& Press : Presses) {
        if (Press.AtMs == Ms) Pads.Press(Press.Judge - 1, Press.Button);
        if (Press.AtMs + Press.HeldMs == Ms) Pads.Release(Press.Judge - 1, Press.Button);
      }
      Time.SetNow(Start + Ms / MsPerDay);
      JoySticks->Poll();
    }
  }

  TFakeJoystickApi Pads;
  TFakeJoystickScope PadScope{Pads};
  // The audit's lines as "@<ms> <event> <judge or judges> <side> <value> [spread <ms>]".
  std::vector<std::string> Lines;
};

struct TPatternCase {
  const char* Name;
  std::vector<TPress> Presses;
  std::vector<std::string> Lines;
};

const TPatternCase PatternCases[] = {
    {"AgreementWithinTheWindow",
     {{0, 1, RedOne}, {50, 2, RedOne}},
     {"@0 press j1 red 1", "@30 release j1 red 1", "@50 press j2 red 1",
      "@50 score j1+j2 red 1 spread 50", "@80 release j2 red 1"}},
    {"OtherSideAndValue",
     {{0, 3, BlueTwo}, {10, 4, BlueTwo}},
     {"@0 press j3 blue 2", "@10 press j4 blue 2", "@10 score j3+j4 blue 2 spread 10",
      "@30 release j3 blue 2", "@40 release j4 blue 2"}},
    {"Alone",
     {{0, 1, RedOne}},
     {"@0 press j1 red 1", "@30 release j1 red 1", "@200 alone j1 red 1"}},
    {"LateThirdJudge",
     {{0, 1, RedOne}, {20, 2, RedOne}, {300, 3, RedOne}},
     {"@0 press j1 red 1", "@20 press j2 red 1", "@20 score j1+j2 red 1 spread 20",
      "@30 release j1 red 1", "@50 release j2 red 1", "@300 press j3 red 1",
      "@330 release j3 red 1", "@500 alone j3 red 1"}},
    {"HeldButtonVotesOnce",
     {{0, 1, RedOne, 1000}, {300, 2, RedOne}},
     {"@0 press j1 red 1", "@200 alone j1 red 1", "@300 press j2 red 1", "@330 release j2 red 1",
      "@500 alone j2 red 1", "@1000 release j1 red 1"}},
};

class PressPatternTest : public JudgePressLogTest,
                         public testing::WithParamInterface<TPatternCase> {};

TEST_P(PressPatternTest, AuditLines) {
  Play(GetParam().Presses, 1200);
  EXPECT_EQ(Lines, GetParam().Lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, PressPatternTest, testing::ValuesIn(PatternCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(JudgePressLogTest, ReportCountsPerJudgeForTheCurrentMatch) {
  // Judge 2 first, judge 1 40 ms behind; judge 3 alone; judges 1 and 3 agree
  // with judge 3 60 ms behind; judge 2 alone.
  Play({{0, 2, RedOne},
        {40, 1, RedOne},
        {500, 3, RedOne},
        {1000, 1, RedOne},
        {1060, 3, RedOne},
        {1500, 2, RedOne}},
       2000);
  EXPECT_EQ(Mgr.RedScore(), 2);
  const std::vector<TJudgeSummary> Report = Scoring->PressLog().Summary(Judges.Count());
  ASSERT_EQ(Report.size(), 4u);
  struct TRow {
    int32_t Presses, Scored, Lone;
    std::optional<double> Median;
  };
  const TRow Expected[] = {{2, 2, 0, 20.0}, {2, 1, 1, 0.0}, {2, 1, 1, 60.0}, {0, 0, 0, {}}};
  for (size_t Judge = 0; Judge < Report.size(); ++Judge) {
    SCOPED_TRACE(Judge + 1);
    EXPECT_EQ(Report[Judge].Judge, static_cast<int32_t>(Judge) + 1);
    EXPECT_EQ(Report[Judge].Presses, Expected[Judge].Presses);
    EXPECT_EQ(Report[Judge].Scored, Expected[Judge].Scored);
    EXPECT_EQ(Report[Judge].Lone, Expected[Judge].Lone);
    EXPECT_EQ(Report[Judge].MedianDelayMs, Expected[Judge].Median);
  }
  EXPECT_EQ(JudgesReportCsv(Report).toStdString(),
            "judge,presses,scored,lone,median_delay_ms\r\n1,2,2,0,20\r\n2,2,1,1,0\r\n"
            "3,2,1,1,60\r\n4,0,0,0,\r\n");

  Scoring->PressLog().StartMatch();
  const std::vector<TJudgeSummary> NewMatch = Scoring->PressLog().Summary(Judges.Count());
  EXPECT_EQ(NewMatch[0].Presses, 0);
  EXPECT_FALSE(NewMatch[0].MedianDelayMs);
}

TEST(MedianTest, MiddleValueOrMeanOfTheTwoMiddleOnes) {
  const std::pair<std::vector<double>, std::optional<double>> Cases[] = {
      {{}, std::nullopt}, {{7}, 7.0}, {{3, 1}, 2.0}, {{5, 1, 3}, 3.0}, {{4, 1, 3, 2}, 2.5}};
  for (const auto& [Values, Median] : Cases) EXPECT_EQ(::Median(Values), Median);
}

TEST_F(JudgePressLogTest, SaveInputWritesTheAuditFileBesideAnUnchangedRecord) {
  // Records in a data folder of their own (--data), not beside the program.
  QTemporaryDir DataFolder;
  UseUserFolders({.SettingsFile = QString(), .DataDir = DataFolder.path()});
  struct TForgetFolders {
    ~TForgetFolders() { ForgetUserFolders(); }
  } Forget;
  Config.SaveInput = true;
  Config.SaveFileName = QStringLiteral("cup.log");
  Scoring.emplace(
      Judges, Mgr, HandSet, Config, [] { return true; }, PlayCue);
  Play({{0, 1, RedOne}, {50, 2, RedOne}, {400, 3, BlueTwo}}, 700);

  EXPECT_FALSE(QFile::exists(QDir(ProgramDir()).filePath(QStringLiteral("Data/cup.judges.csv"))));
  QFile Audit(QDir(DataFolder.path()).filePath(QStringLiteral("cup.judges.csv")));
  ASSERT_TRUE(Audit.open(QIODevice::ReadOnly));
  QStringList Rows = QString::fromUtf8(Audit.readAll()).split(QStringLiteral("\r\n"));
  ASSERT_EQ(Rows.size(), 10) << Rows.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(Rows[0], QStringLiteral("time,event,judge,side,value,judges,spread_ms"));
  EXPECT_EQ(Rows.takeLast(), QString());
  for (QString& Row : Rows.mid(1)) {
    EXPECT_EQ(Row.section(QLatin1Char(','), 0, 0).size(), 23) << Row.toStdString();
  }
  QStringList Fields;
  for (const QString& Row : Rows.mid(1)) Fields << Row.section(QLatin1Char(','), 1);
  EXPECT_EQ(Fields, (QStringList{"press,1,red,1,,", "release,1,red,1,,", "press,2,red,1,,",
                                 "score,,red,1,1 2,50", "release,2,red,1,,", "press,3,blue,2,,",
                                 "release,3,blue,2,,", "alone,3,blue,2,,"}));
  EXPECT_TRUE(Rows[1].startsWith(FormatRecordTime(Start).left(10)));
  // Judges' points were never operator inputs: the match record gets no line.
  EXPECT_FALSE(QFile::exists(QDir(DataFolder.path()).filePath(QStringLiteral("cup.txt"))));
}

}  // namespace
