#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "record/MatchJournal.h"

namespace {

struct TBadJournal {
  const char* Name;
  QByteArray Content;
  const char* Why;
};

class BadJournal : public testing::TestWithParam<TBadJournal> {};

// Whatever lies in the journal's place, the start goes on with a clear reason
// and the file is kept aside unchanged.
TEST_P(BadJournal, IsReportedAndKeptAside) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("Data/current-match"));
  QDir().mkpath(Dir.filePath(QStringLiteral("Data")));
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write(GetParam().Content);
  File.close();

  const std::optional<TInterruptedMatch> Taken = TakeInterruptedMatch(Path);
  ASSERT_TRUE(Taken.has_value());
  EXPECT_FALSE(Taken->Read.State.has_value());
  EXPECT_EQ(Taken->Read.Error, QLatin1String(GetParam().Why));
  EXPECT_FALSE(QFile::exists(Path));
  QFile Kept(Taken->KeptPath);
  ASSERT_TRUE(Kept.open(QIODevice::ReadOnly)) << qPrintable(Taken->KeptPath);
  EXPECT_EQ(Kept.readAll(), GetParam().Content);
}

const QByteArray Good =
    R"({"version":1,"redScore":5,"blueScore":3,"redPenalty":0.5,"bluePenalty":1,"round":2,)"
    R"("winner":0,"suddenDeath":false,"started":true,"redName":"Kim","blueName":"Lee",)"
    R"("division":"","segment":"paused","roundLeft":72,"segmentStartMs":1700000000000})";

INSTANTIATE_TEST_SUITE_P(
    Files, BadJournal,
    testing::Values(
        TBadJournal{"empty", QByteArray(), "it is damaged"},
        TBadJournal{"truncated", Good.left(Good.size() / 2), "it is damaged"},
        TBadJournal{"garbage", QByteArray("\x00\xff\x13garbage\n", 11), "it is damaged"},
        TBadJournal{"array", "[1,2,3]", "it is damaged"},
        TBadJournal{"newer", QByteArray(Good).replace("\"version\":1", "\"version\":2"),
                    "it was written by a newer version of Dorvane"},
        TBadJournal{"noVersion", QByteArray(Good).replace("\"version\":1,", ""), "it is damaged"},
        TBadJournal{"scoreText", QByteArray(Good).replace("\"redScore\":5", "\"redScore\":\"5\""),
                    "it is damaged"},
        TBadJournal{"scoreFraction", QByteArray(Good).replace("\"redScore\":5", "\"redScore\":5.5"),
                    "it is damaged"},
        TBadJournal{"roundHuge", QByteArray(Good).replace("\"round\":2", "\"round\":1e300"),
                    "it is damaged"},
        TBadJournal{"unknownSegment",
                    QByteArray(Good).replace("\"segment\":\"paused\"", "\"segment\":\"nap\""),
                    "it is damaged"},
        TBadJournal{"roundsNotAList",
                    QByteArray(Good).replace("\"round\":2", "\"round\":2,\"rounds\":3"),
                    "it is damaged"},
        TBadJournal{"roundUnknownReason",
                    QByteArray(Good).replace(
                        "\"round\":2",
                        "\"round\":2,\"rounds\":[{\"round\":1,\"winner\":2,\"reason\":\"luck\"}]"),
                    "it is damaged"},
        TBadJournal{"roundWithoutWinner",
                    QByteArray(Good).replace(
                        "\"round\":2",
                        "\"round\":2,\"rounds\":[{\"round\":1,\"winner\":0,\"reason\":\"score\"}]"),
                    "it is damaged"},
        TBadJournal{"tooLarge", QByteArray(100 * 1024, ' '), "it is too large"},
        // Numbers the program never writes: each alone keeps the journal aside.
        TBadJournal{"scoreHuge",
                    QByteArray(Good).replace("\"redScore\":5", "\"redScore\":1999999999"),
                    "it holds values out of range"},
        TBadJournal{"scoreNegative",
                    QByteArray(Good).replace("\"blueScore\":3", "\"blueScore\":-1999999999"),
                    "it holds values out of range"},
        TBadJournal{"penaltyHuge",
                    QByteArray(Good).replace("\"redPenalty\":0.5", "\"redPenalty\":1e300"),
                    "it holds values out of range"},
        TBadJournal{"penaltyNotAHalf",
                    QByteArray(Good).replace("\"bluePenalty\":1", "\"bluePenalty\":0.3"),
                    "it holds values out of range"},
        TBadJournal{"roundNegative", QByteArray(Good).replace("\"round\":2", "\"round\":-2"),
                    "it holds values out of range"},
        TBadJournal{"winnerUnknown", QByteArray(Good).replace("\"winner\":0", "\"winner\":7"),
                    "it holds values out of range"},
        TBadJournal{"roundLeftHuge",
                    QByteArray(Good).replace("\"roundLeft\":72", "\"roundLeft\":1e12"),
                    "it holds values out of range"},
        TBadJournal{
            "segmentLeftNegative",
            QByteArray(Good).replace("\"roundLeft\":72", "\"roundLeft\":72,\"segmentLeft\":-5"),
            "it holds values out of range"}),
    [](const testing::TestParamInfo<TBadJournal>& Info) { return std::string(Info.param.Name); });

struct TSpecialJournal {
  const char* Name;
  // Puts something other than a journal file at Path.
  std::function<bool(const QString& Path)> Make;
  const char* Why;
};

class SpecialJournal : public testing::TestWithParam<TSpecialJournal> {};

// A pipe, a device or a huge file in the journal's place is refused at once,
// not read (a pipe's open would block, /dev/zero never ends), and kept aside.
TEST_P(SpecialJournal, IsRefusedAtOnceAndKeptAside) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("Data/current-match"));
  ASSERT_TRUE(QDir().mkpath(Dir.filePath(QStringLiteral("Data"))));
  ASSERT_TRUE(GetParam().Make(Path));

  const std::optional<TInterruptedMatch> Taken = TakeInterruptedMatch(Path);
  ASSERT_TRUE(Taken.has_value());
  EXPECT_FALSE(Taken->Read.State.has_value());
  EXPECT_EQ(Taken->Read.Error, QLatin1String(GetParam().Why));
  struct stat Info {};
  EXPECT_NE(lstat(QFile::encodeName(Path).constData(), &Info), 0) << "still in the journal's place";
  EXPECT_EQ(lstat(QFile::encodeName(Taken->KeptPath).constData(), &Info), 0)
      << qPrintable(Taken->KeptPath);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SpecialJournal,
    testing::Values(TSpecialJournal{"fifo",
                                    [](const QString& Path) {
                                      return mkfifo(QFile::encodeName(Path).constData(), 0600) == 0;
                                    },
                                    "it is not a regular file"},
                    TSpecialJournal{
                        "linkToDevZero",
                        [](const QString& Path) { return QFile::link("/dev/zero", Path); },
                        "it is not a regular file"},
                    // Sparse: a gigabyte that takes no disk.
                    TSpecialJournal{"gigabyte",
                                    [](const QString& Path) {
                                      QFile File(Path);
                                      return File.open(QIODevice::WriteOnly) &&
                                             File.resize(qint64(1) << 30);
                                    },
                                    "it is too large"}),
    [](const testing::TestParamInfo<TSpecialJournal>& Info) {
      return std::string(Info.param.Name);
    });

// Injury time and the break keep their own time left; a journal of an
// earlier version has none, and its injury time comes back held.
TEST(MatchJournal, InjuryTimeAndTheBreakCountTheirOwnTimeLeft) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("Data/current-match"));
  TJournalState State;
  State.Started = true;
  State.Segment = TJournalState::TSegment::Injury;
  State.RoundLeft = 72;
  State.SegmentLeft = 60;
  State.SegmentStartMs = 1700000000000;
  ASSERT_TRUE(WriteJournal(Path, State));
  const TJournalRead Read = ReadJournal(Path);
  ASSERT_TRUE(Read.State.has_value()) << qPrintable(Read.Error);
  EXPECT_EQ(Read.State->SegmentLeft, 60);
  // The round stays held while injury time counts.
  EXPECT_DOUBLE_EQ(Read.State->RoundLeftAt(1700000012450), 72);
  EXPECT_DOUBLE_EQ(Read.State->SegmentLeftAt(1700000012450), 47.5);
  EXPECT_DOUBLE_EQ(Read.State->SegmentLeftAt(1700000100000), 0);

  QFile Older(Path);
  ASSERT_TRUE(Older.open(QIODevice::WriteOnly));
  Older.write(QByteArray(Good).replace("\"segment\":\"paused\"", "\"segment\":\"injury\""));
  Older.close();
  const TJournalRead OlderRead = ReadJournal(Path);
  ASSERT_TRUE(OlderRead.State.has_value()) << qPrintable(OlderRead.Error);
  EXPECT_EQ(OlderRead.State->SegmentLeftAt(1700000012450), 0);
}

// The question comes before the new match's journal: a journal of a match
// in progress stays where it is until it has been answered.
TEST(MatchJournal, AMatchInProgressStaysInPlaceUntilAnswered) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("Data/current-match"));
  TJournalState State;
  State.Started = true;
  State.RedScore = 2;
  ASSERT_TRUE(WriteJournal(Path, State));
  // A later write the crash cut short.
  QFile Unfinished(Path + QStringLiteral(".tmp-a1B2c3"));
  ASSERT_TRUE(Unfinished.open(QIODevice::WriteOnly));
  Unfinished.write("{\"version\":1,\"redSc");
  Unfinished.close();
  const std::optional<TInterruptedMatch> Taken = TakeInterruptedMatch(Path);
  ASSERT_TRUE(Taken.has_value());
  ASSERT_TRUE(Taken->Read.State.has_value());
  EXPECT_TRUE(Taken->KeptPath.isEmpty());
  EXPECT_EQ(ReadJournal(Path).State->RedScore, 2);
  EXPECT_EQ(QDir(Dir.filePath(QStringLiteral("Data"))).entryList(QDir::Files),
            QStringList{QStringLiteral("current-match")});
}

TEST(MatchJournal, WrittenStateReadsBackAndCountsUntilTheProgramStopped) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("Data/current-match"));
  TJournalState State;
  State.RedScore = 5;
  State.BlueScore = 3;
  State.RedPenalty = 1.5;
  State.Round = 2;
  State.Started = true;
  State.RedName = QStringLiteral("Kim \u00e9");
  State.Segment = TJournalState::TSegment::Round;
  State.RoundLeft = 72;
  State.SegmentStartMs = 1700000000000;
  ASSERT_TRUE(WriteJournal(Path, State));

  const TJournalRead Read = ReadJournal(Path);
  ASSERT_TRUE(Read.State.has_value()) << qPrintable(Read.Error);
  EXPECT_EQ(Read.State->RedScore, 5);
  EXPECT_EQ(Read.State->RedPenalty, 1.5);
  EXPECT_EQ(Read.State->RedName, State.RedName);
  EXPECT_EQ(Read.State->SegmentStartMs, State.SegmentStartMs);
  // Counted to the middle of the mark's interval the program stopped in.
  EXPECT_DOUBLE_EQ(Read.State->RoundLeftAt(1700000012450), 59.5);
  EXPECT_DOUBLE_EQ(Read.State->RoundLeftAt(1700000100000), 0);
  EXPECT_EQ(JournalSummary(*Read.State, 1700000012450),
            QStringLiteral("Red 5 \u2013 Blue 3, round 2, 1:00 left"));
}

TEST(MatchJournal, BestOfThreeRoundsReadBackAndOlderJournalsHaveNone) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("Data/current-match"));
  TJournalState State;
  State.Started = true;
  State.DecidedRounds = {{1, {TWinner::Red, TRoundReason::PointGap}},
                         {2, {TWinner::Blue, TRoundReason::Referee}}};
  State.RoundDecided = true;
  ASSERT_TRUE(WriteJournal(Path, State));
  const TJournalRead Read = ReadJournal(Path);
  ASSERT_TRUE(Read.State.has_value()) << qPrintable(Read.Error);
  ASSERT_EQ(Read.State->DecidedRounds.size(), 2U);
  EXPECT_EQ(Read.State->DecidedRounds[1].Round, 2);
  EXPECT_EQ(Read.State->DecidedRounds[1].Result.Winner, TWinner::Blue);
  EXPECT_EQ(Read.State->DecidedRounds[1].Result.Reason, TRoundReason::Referee);
  EXPECT_TRUE(Read.State->RoundDecided);

  QFile Older(Path);
  ASSERT_TRUE(Older.open(QIODevice::WriteOnly));
  Older.write(Good);
  Older.close();
  const TJournalRead OlderRead = ReadJournal(Path);
  ASSERT_TRUE(OlderRead.State.has_value()) << qPrintable(OlderRead.Error);
  EXPECT_TRUE(OlderRead.State->DecidedRounds.empty());
  EXPECT_FALSE(OlderRead.State->RoundDecided);
}

TEST(MatchJournal, JournalOfNoMatchInProgressIsRemovedWithoutAQuestion) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("current-match"));
  TJournalState State;
  State.Started = true;
  State.Winner = 1;
  ASSERT_TRUE(WriteJournal(Path, State));
  EXPECT_FALSE(TakeInterruptedMatch(Path).has_value());
  EXPECT_FALSE(QFile::exists(Path));
  EXPECT_TRUE(QDir(Dir.path()).entryList(QDir::Files).isEmpty());
}

}  // namespace
