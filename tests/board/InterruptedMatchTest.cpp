// A real board in a child process, killed with SIGKILL in each part of a
// match; a second child starts over the same folder and takes the match up.

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <cstdio>

#include "board/InterruptedMatch.h"
#include "clock/RoundFlow.h"
#include "clock/TimerThread.h"
#include "model/ScoreManager.h"
#include "platform/ProgramDir.h"
#include "support/ui/BoardFixture.h"

namespace {

const char* const PhaseVariable = "DORVANE_JOURNAL_CHILD";
const char* const DirVariable = "DORVANE_JOURNAL_DIR";

void Report(const QString& Line) {
  std::printf("@@ %s\n", qPrintable(Line));
  std::fflush(stdout);
}

QString JournalSegment(const QString& Dir) {
  QFile File(Dir + QStringLiteral("/Data/current-match"));
  if (!File.open(QIODevice::ReadOnly)) return {};
  return QJsonDocument::fromJson(File.readAll()).object().value("segment").toString();
}

double JournalNumber(const QString& Dir, const char* Key) {
  QFile File(Dir + QStringLiteral("/Data/current-match"));
  if (!File.open(QIODevice::ReadOnly)) return -1;
  return QJsonDocument::fromJson(File.readAll()).object().value(QLatin1String(Key)).toDouble(-1);
}

struct TKillCase {
  const char* Name;
  // The journal's segment once the child stands where it is killed.
  const char* Segment;
  // The state line, round and clock state the resumed board shows.
  const char* StateText;
  int Round;
  const char* Clock;
  // The round clock runs until the kill, and so counts in the resumed time.
  bool ClockCounts;
  // A second start is killed while it asks whether to resume.
  bool KilledAsking = false;
};

// The child's reports: "@@ key value" lines.
QMap<QString, QString> Reports(const QByteArray& Output) {
  QMap<QString, QString> Found;
  for (const QByteArray& Line : Output.split('\n')) {
    if (!Line.startsWith("@@ ")) continue;
    const QString Text = QString::fromUtf8(Line.mid(3));
    const qsizetype Space = Text.indexOf(QLatin1Char(' '));
    Found[Text.left(Space)] = Text.mid(Space + 1);
  }
  return Found;
}

QProcess* StartChild(const QString& Phase, const QString& Dir) {
  auto* Child = new QProcess;
  QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
  Environment.insert(QLatin1String(PhaseVariable), Phase);
  Environment.insert(QLatin1String(DirVariable), Dir);
  Child->setProcessEnvironment(Environment);
  Child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  Child->start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--gtest_filter=JournalChild.*")});
  return Child;
}

class InterruptedMatchKill : public testing::TestWithParam<TKillCase> {};

TEST_P(InterruptedMatchKill, NextStartOffersAndRestoresTheMatch) {
  const TKillCase& Case = GetParam();
  QTemporaryDir Dir;
  ASSERT_TRUE(Dir.isValid());
  QFile Settings(Dir.filePath(QStringLiteral("Dorvane.INI")));
  ASSERT_TRUE(Settings.open(QIODevice::WriteOnly));
  // A short round leads into a long break.
  const bool ShortRound = QLatin1String(Case.Segment) == QLatin1String("break");
  Settings.write(ShortRound ? "[Config]\nRoundTime=1\nCoachTime=60\nRequestNames=0\n"
                            : "[Config]\nRequestNames=0\n");
  Settings.write("SaveScores=1\nSaveFileName=kill\n");
  Settings.close();

  std::unique_ptr<QProcess> Driver(StartChild(QLatin1String(Case.Name), Dir.path()));
  ASSERT_TRUE(Driver->waitForStarted());
  // The child reports what it did; the journal shows when it has been written.
  QByteArray DriverOutput;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        DriverOutput += Driver->readAllStandardOutput();
        return DriverOutput.contains("@@ ready") &&
               JournalSegment(Dir.path()) == QLatin1String(Case.Segment);
      },
      20000))
      << DriverOutput.constData();
  QTest::qWait(300);
  const QMap<QString, QString> Driven = Reports(DriverOutput);
  const double SegmentStartMs = JournalNumber(Dir.path(), "segmentStartMs");
  const double SegmentLength = JournalNumber(Dir.path(), "segmentLeft");
  const int64_t KilledMs = QDateTime::currentMSecsSinceEpoch();
  Driver->kill();  // SIGKILL
  ASSERT_TRUE(Driver->waitForFinished());
  ASSERT_EQ(Driver->exitStatus(), QProcess::CrashExit);
  const QByteArray Journal = [&] {
    QFile File(Dir.filePath(QStringLiteral("Data/current-match")));
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
  }();

  if (Case.KilledAsking) {
    std::unique_ptr<QProcess> Asker(StartChild(QStringLiteral("ask"), Dir.path()));
    QByteArray AskerOutput;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
          AskerOutput += Asker->readAllStandardOutput();
          return AskerOutput.contains("@@ asking");
        },
        20000))
        << AskerOutput.constData();
    Asker->kill();
    ASSERT_TRUE(Asker->waitForFinished());
    // Nothing was taken from the journal while the question was open.
    QFile File(Dir.filePath(QStringLiteral("Data/current-match")));
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    EXPECT_EQ(File.readAll(), Journal);
  }

  std::unique_ptr<QProcess> Resumer(StartChild(QStringLiteral("resume"), Dir.path()));
  ASSERT_TRUE(Resumer->waitForFinished(20000));
  const QByteArray Output = Resumer->readAllStandardOutput();
  const QMap<QString, QString> Resumed = Reports(Output);
  ASSERT_TRUE(Resumed.contains(QStringLiteral("question"))) << Output.constData();
  EXPECT_TRUE(
      Resumed.value(QStringLiteral("question"))
          .startsWith(QStringLiteral("Resume the interrupted match? (Red 2 \u2013 Blue 1, ")))
      << qPrintable(Resumed.value(QStringLiteral("question")));
  EXPECT_EQ(Resumed.value(QStringLiteral("scores")), QStringLiteral("2 1 0.5 1"));
  EXPECT_EQ(Resumed.value(QStringLiteral("round")).toInt(), Case.Round);
  EXPECT_EQ(Resumed.value(QStringLiteral("state")), QLatin1String(Case.StateText));
  EXPECT_EQ(Resumed.value(QStringLiteral("names")), QStringLiteral("Kim|Lee|Juniors"));
  EXPECT_EQ(Resumed.value(QStringLiteral("clock")), QLatin1String(Case.Clock));
  EXPECT_TRUE(QFile::exists(Dir.filePath(QStringLiteral("Data/current-match"))));
  const double SegmentLeft = Resumed.value(QStringLiteral("segmentLeft")).toDouble();
  if (QLatin1String(Case.Segment) == QLatin1String("break")) {
    // The break's time left at the kill, from where the journal says it began.
    EXPECT_NEAR(SegmentLeft, SegmentLength - (KilledMs - SegmentStartMs) / 1000.0, 0.1);
    return;
  }
  // The resumed match's round ends under its own names.
  EXPECT_TRUE(Resumed.value(QStringLiteral("result"))
                  .endsWith(QStringLiteral(",%1,Kim,2,0.5,Lee,1,1.0").arg(Case.Round)))
      << qPrintable(Resumed.value(QStringLiteral("result")));
  // Where the clock stood at the kill, from the driver's own moments.
  const int64_t HeldAtMs = Driven.value(QStringLiteral("heldAtMs")).toLongLong();
  const int64_t StoppedMs = Case.ClockCounts ? KilledMs : HeldAtMs;
  const double Expected =
      180.0 - (StoppedMs - Driven.value(QStringLiteral("startedMs")).toLongLong()) / 1000.0;
  EXPECT_NEAR(Resumed.value(QStringLiteral("roundLeft")).toDouble(), Expected, 0.1);
  if (QLatin1String(Case.Segment) == QLatin1String("injury")) {
    // Injury time counted from the operator's key until the kill.
    EXPECT_NEAR(SegmentLeft, 60.0 - (KilledMs - HeldAtMs) / 1000.0, 0.1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Moments, InterruptedMatchKill,
    testing::Values(TKillCase{"round", "round", "Pause", 1, "paused", true},
                    TKillCase{"pause", "paused", "Pause", 1, "paused", false},
                    TKillCase{"injury", "injury", "Injury", 1, "injury", false},
                    TKillCase{"break", "break", "Between rounds", 1, "break", false},
                    TKillCase{"question", "round", "Pause", 1, "paused", true, true}),
    [](const testing::TestParamInfo<TKillCase>& Info) { return std::string(Info.param.Name); });

QString ClockName(const TRoundFlow::TClockReading& Clock) {
  if (!Clock.Exists) return QStringLiteral("none");
  switch (Clock.State) {
    case csRunning:
      return QStringLiteral("running");
    case csPaused:
      return QStringLiteral("paused");
    case csInjury:
      return QStringLiteral("injury");
    case csBreak:
      return QStringLiteral("break");
    default:
      return QStringLiteral("other");
  }
}

// A question the operator never answers: the start is killed while it is open.
class THangingQuestion : public TMessageBoxSink {
 public:
  THangingQuestion() { SetMessageBoxSink(this); }
  ~THangingQuestion() override { SetMessageBoxSink(nullptr); }
  THangingQuestion(const THangingQuestion&) = delete;
  THangingQuestion& operator=(const THangingQuestion&) = delete;
  bool Take(TMessageKind, const QString& Text) override {
    Report(QStringLiteral("asking ") + Text);
    for (;;) QTest::qWait(1000);
  }
};

struct TQuestionCase {
  const char* Settings;
  const char* Scores;
};

class ResumeQuestion : public TBoardFixture, public testing::WithParamInterface<TQuestionCase> {};

// The question shows the scores as the board showed them: where the rules
// count a side's whole penalties for the opponent, in the opponent's score.
TEST_P(ResumeQuestion, ShowsTheScoresTheBoardShowed) {
  WriteSettingsFile(QString::fromLatin1(GetParam().Settings));
  Board();
  TJournalState State;
  State.Started = true;
  State.RedScore = 2;
  State.BlueScore = 1;
  State.RedPenalty = 1.5;
  State.BluePenalty = 3;
  ASSERT_TRUE(WriteJournal(JournalPath(), State));
  const std::optional<TInterruptedMatch> Interrupted = TakeInterruptedMatch(JournalPath());
  ASSERT_TRUE(Interrupted.has_value());
  FBoxes.SetNextAnswer(false);
  OfferInterruptedMatch(&Board(), Match(), *Interrupted);
  EXPECT_TRUE(
      FBoxes.LastMessage().Text.startsWith(QStringLiteral("Resume the interrupted match? (%1, ")
                                               .arg(QString::fromUtf8(GetParam().Scores))))
      << qPrintable(FBoxes.LastMessage().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ResumeQuestion,
    testing::Values(
        TQuestionCase{"[Config]\nRequestNames=0\n", "Red 2 \u2013 Blue 1"},
        TQuestionCase{"[Config]\nRequestNames=0\nUsePenaltyIncrement=1\n", "Red 5 \u2013 Blue 2"},
        TQuestionCase{"[Config]\nRequestNames=0\nRules=BestOfThree\n", "Red 5 \u2013 Blue 2"}));

// The child side; it runs only when the test above starts it.
class JournalChild : public TBoardFixture {};

TEST_F(JournalChild, RunsOnlyInsideTheKillTest) {
  const QString Phase = qEnvironmentVariable(PhaseVariable);
  if (Phase.isEmpty()) GTEST_SKIP() << "started by InterruptedMatchKill only";
  // Real time: the clock counts as it does for the operator.
  SetTimeSource(nullptr);
  SetProgramDirForTest(qEnvironmentVariable(DirVariable));
  FConfig.LoadConfig();
  FConfig.RedPlayer = QStringLiteral("Kim");
  FConfig.BluePlayer = QStringLiteral("Lee");
  FConfig.Division = QStringLiteral("Juniors");
  if (Phase == QLatin1String("ask")) {
    // The question stays open until the parent kills this start.
    THangingQuestion Hanging;
    const std::optional<TInterruptedMatch> Interrupted = TakeInterruptedMatch(JournalPath());
    ASSERT_TRUE(Interrupted.has_value());
    OfferInterruptedMatch(&Board(), Board().Match(), *Interrupted);
    return;
  }
  if (Phase == QLatin1String("resume")) {
    const std::optional<TInterruptedMatch> Interrupted = TakeInterruptedMatch(JournalPath());
    ASSERT_TRUE(Interrupted.has_value());
    // A fresh start's own names, so restored names show.
    FConfig.RedPlayer = QStringLiteral("New red");
    FConfig.BluePlayer = QStringLiteral("New blue");
    FConfig.Division.clear();
    TMatch& Match = Board().Match();
    FBoxes.SetNextAnswer(true);
    OfferInterruptedMatch(&Board(), Match, *Interrupted);
    // The resumed clock tells the board its state once its thread runs.
    QTest::qWaitFor([this] { return !Text("lblRoundState").isEmpty(); }, 5000);
    Report(QStringLiteral("question ") + FBoxes.LastMessage().Text);
    TDorvaneMgr& Mgr = Match.ScoreMgr();
    Report(QStringLiteral("scores %1 %2 %3 %4")
               .arg(Mgr.RedScore())
               .arg(Mgr.BlueScore())
               .arg(Mgr.RedPenalty())
               .arg(Mgr.BluePenalty()));
    Report(QStringLiteral("round %1").arg(Mgr.Round()));
    Report(QStringLiteral("state ") + Text("lblRoundState"));
    Report(QStringLiteral("names %1|%2|%3")
               .arg(Text("lblRedPlayerName"), Text("lblBluePlayerName"), Text("lblDivision")));
    TRoundFlow& Flow = Match.RoundFlow();
    Report(QStringLiteral("clock ") + ClockName(Flow.ClockReading()));
    Report(QStringLiteral("roundLeft %1").arg(Flow.RoundLeft(), 0, 'f', 3));
    Report(QStringLiteral("segmentLeft %1").arg(Flow.SegmentLeft(), 0, 'f', 3));
    // A round stopped at once: its record lines. Injury time is cancelled
    // first; the break ends its round by itself.
    if (Flow.ClockReading().State == csBreak) return;
    if (Flow.ClockReading().State == csInjury) Match.ToggleInjury();
    if (!Flow.ClockExists()) Match.StartRound();
    Match.StopRound();
    ASSERT_TRUE(QTest::qWaitFor([&Flow] { return !Flow.ClockExists(); }, 5000));
    const QStringList Lines = RecordFileText().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    Report(QStringLiteral("result ") + (Lines.isEmpty() ? QString() : Lines.last()));
    return;
  }
  TMatch& Match = Board().Match();
  Match.AddPoint(TSide::Red);
  Match.AddPoint(TSide::Red);
  Match.AddPoint(TSide::Blue);
  Match.AddWarning(TSide::Red);
  Match.AddDeduction(TSide::Blue);
  Report(QStringLiteral("startedMs %1").arg(QDateTime::currentMSecsSinceEpoch()));
  Match.StartRound();
  QTest::qWait(700);
  if (Phase == QLatin1String("pause")) {
    Report(QStringLiteral("heldAtMs %1").arg(QDateTime::currentMSecsSinceEpoch()));
    Match.TogglePause();
  } else if (Phase == QLatin1String("injury")) {
    Report(QStringLiteral("heldAtMs %1").arg(QDateTime::currentMSecsSinceEpoch()));
    Match.ToggleInjury();
  }
  Report(QStringLiteral("ready 1"));
  // Runs until the parent kills it.
  for (;;) QTest::qWait(1000);
}

}  // namespace
