#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
        TBadJournal{"tooLarge", QByteArray(100 * 1024, ' '), "it is too large"}),
    [](const testing::TestParamInfo<TBadJournal>& Info) { return std::string(Info.param.Name); });

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
