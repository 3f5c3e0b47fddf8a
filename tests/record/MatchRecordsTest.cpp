#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <cerrno>

#include "model/InputKinds.h"
#include "model/Settings.h"
#include "platform/ProgramDir.h"
#include "platform/TimeSource.h"
#include "platform/UserFolders.h"
#include "record/ASCIIFileReader.h"
#include "record/MatchRecords.h"
#include "support/core/CategoryMessages.h"
#include "support/core/FakeTimeSource.h"

namespace {

// 2024-03-09 14:05:07.042 as a date-time.
constexpr double March9 = 45360.0 + (14 * 3600 + 5 * 60 + 7.042) / SecondsPerDay;

class MatchRecordsTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FDir.isValid());
    SetProgramDirForTest(FProgramDir);
    FConfig.SaveFileName = "match";
  }
  void TearDown() override {
    ForgetUserFolders();
    SetProgramDirForTest(QString());
  }

  // The record writer of FConfig, called as the match calls it.
  QString RecordFilePath() const { return FRecords.FilePath(); }
  void WriteScoreRecord(const QString& Line) const { FRecords.WriteScoreRecord(Line); }
  void WriteInputRecord(const QString& Line) const { FRecords.WriteInputRecord(Line); }
  void RecordNewMatch() const { FRecords.RecordNewMatch(); }
  void RecordInput(uint8_t Kind, double Amount) const {
    FRecords.RecordInput(static_cast<TInputKind>(Kind), Amount);
  }

  // Holds the record file open as another opener would: no line gets in.
  void HoldRecordFile(TASCIIFileReader& Holder) const {
    Holder.SetFileName(RecordFilePath());
    Holder.SetActive(true);
    ASSERT_TRUE(Holder.Active());
  }

  QString DataFile(const QString& Name) { return FProgramDir + "/Data/" + Name; }
  std::string Content(const QString& Name = "match.txt") {
    QFile File(DataFile(Name));
    return File.open(QIODevice::ReadOnly) ? File.readAll().toStdString() : "<missing>";
  }
  // Every file below the temporary folder, relative to it.
  QStringList AllFiles() {
    QStringList Files;
    QDir Root(FDir.path());
    for (const QFileInfo& Info :
         QDir(FDir.path()).entryInfoList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden))
      Files << Root.relativeFilePath(Info.filePath());
    for (const QString& Sub : {FProgramDir, FProgramDir + "/Data"})
      for (const QFileInfo& Info :
           QDir(Sub).entryInfoList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden))
        Files << Root.relativeFilePath(Info.filePath());
    return Files;
  }

  QTemporaryDir FDir;
  // Nested and not yet there: the first line must create it with its parents.
  QString FProgramDir = FDir.filePath("apps/dorvane");
  TTKDConfig FConfig;
  TMatchRecords FRecords{FConfig};
  TFakeTimeSource FClock{March9};
  TFakeTimeScope FClockScope{FClock};
};

// The same match events under every combination of the switches.
struct TSwitchCase {
  bool SaveScores;
  bool SaveInput;
  const char* SaveFileName;
  QByteArray Expected;
};

class RecordSwitchTest : public MatchRecordsTest,
                         public testing::WithParamInterface<TSwitchCase> {};

TEST_P(RecordSwitchTest, WritesOnlyTheSwitchedOnKinds) {
  FConfig.SaveScores = GetParam().SaveScores;
  FConfig.SaveInput = GetParam().SaveInput;
  FConfig.SaveFileName = GetParam().SaveFileName;
  RecordNewMatch();
  WriteScoreRecord("ROUND 1 OF 3");
  RecordInput(7, 1);
  FClock.AdvanceMs(1500);
  RecordInput(4, -0.5);
  WriteScoreRecord("END OF ROUND 1");
  WriteScoreRecord("WINNER,Red player");
  WriteInputRecord("input line");
  EXPECT_EQ(Content(), GetParam().Expected.toStdString());
}

const QByteArray InputA = "2024-03-09 14:05:07.042,keyboard,1 red point,1.0\r\n";
const QByteArray InputB = "2024-03-09 14:05:08.542,keyboard,0.5 blue penalty,-0.5\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordSwitchTest,
    testing::Values(
        TSwitchCase{false, false, "match", "<missing>"},
        TSwitchCase{true, false, "match",
                    "  \r\nNEW MATCH\r\nROUND 1 OF 3\r\nEND OF ROUND 1\r\nWINNER,Red player\r\n"},
        TSwitchCase{false, true, "match",
                    "  \r\nNEW MATCH\r\n" + InputA + InputB + "input line\r\n"},
        TSwitchCase{true, true, "match",
                    "  \r\nNEW MATCH\r\nROUND 1 OF 3\r\n" + InputA + InputB +
                        "END OF ROUND 1\r\nWINNER,Red player\r\ninput line\r\n"},
        // A blank name switches recording off; the stored name is used untrimmed.
        TSwitchCase{true, true, "   ", "<missing>"}, TSwitchCase{true, true, "", "<missing>"}));

TEST_F(MatchRecordsTest, SpacesAroundTheNameAreKept) {
  FConfig.SaveScores = true;
  FConfig.SaveFileName = " match ";
  WriteScoreRecord("ROUND 1 OF 3");
  EXPECT_EQ(Content(" match .txt"), "ROUND 1 OF 3\r\n");
}

struct TNameCase {
  const char* SaveFileName;
  const char* FileName;
};

class RecordFileNameTest : public testing::TestWithParam<TNameCase> {};

TEST_P(RecordFileNameTest, KeepsOnlyTheFileNamePart) {
  EXPECT_EQ(RecordFileName(QString::fromUtf8(GetParam().SaveFileName)).toStdString(),
            GetParam().FileName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordFileNameTest,
    testing::Values(TNameCase{"cup.2024.log", "cup.2024.txt"}, TNameCase{"Final 2", "Final 2.txt"},
                    TNameCase{"match.csv", "match.txt"}, TNameCase{"D:\\cup\\day1", "day1.txt"},
                    TNameCase{"../x", "x.txt"}, TNameCase{"..\\..\\x.log", "x.txt"},
                    TNameCase{"/etc/passwd", "passwd.txt"}, TNameCase{"Jörg–Ana", "Jörg–Ana.txt"},
                    TNameCase{"..", ""}, TNameCase{".", ""}, TNameCase{"cup/", ""},
                    TNameCase{"a\\..", ""}));

TEST_F(MatchRecordsTest, NoNameReachesOutsideData) {
  FConfig.SaveScores = true;
  for (const char* Name : {"../../escape", "..\\..\\escape", "/tmp/escape", "..", "x/.."}) {
    FConfig.SaveFileName = Name;
    WriteScoreRecord(Name);
  }
  EXPECT_EQ(AllFiles(), QStringList{"apps/dorvane/Data/escape.txt"});
  EXPECT_EQ(Content("escape.txt"), "../../escape\r\n..\\..\\escape\r\n/tmp/escape\r\n");
}

TEST_F(MatchRecordsTest, RecordFilePathIsInsideData) {
  FConfig.SaveFileName = "D:\\cup\\day1";
  EXPECT_EQ(RecordFilePath(), DataFile("day1.txt"));
  FConfig.SaveFileName = "..";
  EXPECT_EQ(RecordFilePath(), QString());
}

TEST_F(MatchRecordsTest, FileDeletedMidMatchIsRecreatedWithLaterLines) {
  FConfig.SaveScores = true;
  WriteScoreRecord("ROUND 1 OF 3");
  ASSERT_TRUE(QFile::remove(DataFile("match.txt")));
  WriteScoreRecord("END OF ROUND 1");
  EXPECT_EQ(Content(), "END OF ROUND 1\r\n");
}

TEST_F(MatchRecordsTest, DataFolderDeletedMidMatchIsRecreated) {
  FConfig.SaveScores = true;
  WriteScoreRecord("ROUND 1 OF 3");
  ASSERT_TRUE(QDir(FProgramDir + "/Data").removeRecursively());
  WriteScoreRecord("END OF ROUND 1");
  EXPECT_EQ(Content(), "END OF ROUND 1\r\n");
}

// A line the file cannot take waits, and goes in once and in its place when
// the file takes lines again: by a retry alone, or before the next line.
TEST_F(MatchRecordsTest, ALineWaitsWhileAnotherOpenerHoldsTheFileAndIsWrittenOnce) {
  FConfig.SaveScores = true;
  WriteScoreRecord("ROUND 1 OF 3");
  for (const bool ByRetry : {true, false}) {
    {
      TASCIIFileReader Holder;
      ASSERT_NO_FATAL_FAILURE(HoldRecordFile(Holder));
      WriteScoreRecord("END OF ROUND 1");
      WriteScoreRecord("ROUND 2 OF 3");
      FRecords.RetryWrite();
      EXPECT_EQ(FRecords.WriteState(), TMatchRecords::TWriteState::CannotWrite);
    }
    if (ByRetry) {
      FRecords.RetryWrite();
      FRecords.RetryWrite();
      EXPECT_EQ(FRecords.WriteState(), TMatchRecords::TWriteState::Writing);
    }
    WriteScoreRecord("END OF ROUND 2");
  }
  const std::string Row = "END OF ROUND 1\r\nROUND 2 OF 3\r\nEND OF ROUND 2\r\n";
  EXPECT_EQ(Content(), "ROUND 1 OF 3\r\n" + Row + Row);
  EXPECT_EQ(FRecords.WriteState(), TMatchRecords::TWriteState::Writing);
}

// The waiting lines are bounded: the ones beyond are lost, logged once.
TEST_F(MatchRecordsTest, WaitingLinesAreBoundedAndTheLossLogged) {
  FConfig.SaveScores = true;
  WriteScoreRecord("ROUND 1 OF 3");
  const TCategoryMessages Log("dorvane.record");
  {
    TASCIIFileReader Holder;
    ASSERT_NO_FATAL_FAILURE(HoldRecordFile(Holder));
    for (qsizetype Line = 0; Line < TMatchRecords::MaxWaitingLines + 2; ++Line) {
      WriteScoreRecord(QString::number(Line));
    }
  }
  FRecords.RetryWrite();
  const QStringList Lines = QString::fromStdString(Content()).split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(Lines.size(), TMatchRecords::MaxWaitingLines + 1);
  EXPECT_EQ(Lines[1], "0");
  EXPECT_EQ(Lines.last(), QString::number(TMatchRecords::MaxWaitingLines - 1));
  // One line for the failed write, one for the loss.
  EXPECT_EQ(Log.Texts().size(), 2) << Log.Texts().join('\n').toStdString();
}

TEST_F(MatchRecordsTest, ARowOfFailedWritesIsLoggedOnceWithTheReason) {
  FConfig.SaveScores = true;
  WriteScoreRecord("ROUND 1 OF 3");
  const TCategoryMessages Log("dorvane.record");
  for (int Row = 0; Row < 2; ++Row) {
    TASCIIFileReader Holder;
    ASSERT_NO_FATAL_FAILURE(HoldRecordFile(Holder));
    WriteScoreRecord("END OF ROUND 1");
    WriteScoreRecord("END OF ROUND 1");
    Holder.SetActive(false);
    WriteScoreRecord("ROUND 2 OF 3");
  }
  const QStringList& RecordWarnings = Log.Texts();
  ASSERT_EQ(RecordWarnings.size(), 2) << RecordWarnings.join('\n').toStdString();
  EXPECT_TRUE(RecordWarnings[0].contains(RecordFilePath()));
  EXPECT_TRUE(RecordWarnings[0].contains(qt_error_string(EWOULDBLOCK)))
      << RecordWarnings[0].toStdString();
}

TEST(InputKindTextTest, KnownCodesHaveTextsOthersNone) {
  EXPECT_EQ(InputKindText(0).toStdString(), "3 blue points");
  EXPECT_EQ(InputKindText(9).toStdString(), "0.5 red penalty");
  EXPECT_EQ(InputKindText(10).toStdString(), "");
  EXPECT_EQ(InputKindText(255).toStdString(), "");
}

TEST_F(MatchRecordsTest, NamesAreWrittenAsUtf8) {
  FConfig.SaveScores = true;
  WriteScoreRecord(QString::fromUtf8("WINNER,Jörg Müller"));
  EXPECT_EQ(Content(), "WINNER,J\xC3\xB6rg M\xC3\xBCller\r\n");
}

struct TTimeCase {
  double DateTime;
  const char* Text;
};

class RecordTimeTest : public testing::TestWithParam<TTimeCase> {};

TEST_P(RecordTimeTest, FormatsDateAndTimeToTheMillisecond) {
  EXPECT_EQ(FormatRecordTime(GetParam().DateTime).toStdString(), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(Cases, RecordTimeTest,
                         testing::Values(TTimeCase{March9, "2024-03-09 14:05:07.042"},
                                         TTimeCase{45351.0, "2024-02-29 00:00:00.000"},
                                         TTimeCase{36525.0 + 86399.999 / SecondsPerDay,
                                                   "1999-12-31 23:59:59.999"},
                                         TTimeCase{0.0, "1899-12-30 00:00:00.000"}));

struct TDecimalCase {
  double Value;
  const char* Text;
};

class OneDecimalTest : public testing::TestWithParam<TDecimalCase> {};

TEST_P(OneDecimalTest, FixedWithOneDecimal) {
  EXPECT_EQ(FormatOneDecimal(GetParam().Value).toStdString(), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(Cases, OneDecimalTest,
                         testing::Values(TDecimalCase{1, "1.0"}, TDecimalCase{-1, "-1.0"},
                                         TDecimalCase{0.5, "0.5"}, TDecimalCase{-0.5, "-0.5"},
                                         TDecimalCase{0, "0.0"}, TDecimalCase{12345.5, "12345.5"}));

class LocaleScope {
 public:
  explicit LocaleScope(const QLocale& Locale) { QLocale::setDefault(Locale); }
  ~LocaleScope() { QLocale::setDefault(QLocale::system()); }
};

TEST(RecordLocaleTest, SeparatorsFollowTheLocale) {
  {
    LocaleScope German(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatOneDecimal(-1234.5).toStdString(), "-1234,5");
    EXPECT_EQ(FormatRecordTime(March9).toStdString(), "2024-03-09 14:05:07.042");
  }
  {
    LocaleScope Finnish(QLocale(QLocale::Finnish, QLocale::Finland));
    EXPECT_EQ(FormatRecordTime(March9).toStdString(), "2024-03-09 14.05.07.042");
  }
  {
    LocaleScope Swedish(QLocale(QLocale::Swedish, QLocale::Sweden));
    EXPECT_EQ(FormatOneDecimal(-0.5).toStdString(), "-0,5");  // a plain minus, not U+2212
  }
}

}  // namespace

// An installed copy, or --data, puts the records into a folder of the user's.
TEST_F(MatchRecordsTest, LinesGoToTheChosenDataFolder) {
  const QString UserData = FDir.filePath("share/Dorvane/Data");
  UseUserFolders({FDir.filePath("config/Dorvane/Dorvane.INI"), UserData, true});
  FConfig.SaveScores = true;
  WriteScoreRecord("ROUND 1 OF 3");
  QFile File(UserData + "/match.txt");
  ASSERT_TRUE(File.open(QIODevice::ReadOnly));
  EXPECT_EQ(File.readAll(), QByteArray("ROUND 1 OF 3\r\n"));
  EXPECT_FALSE(QDir(FProgramDir).exists());
}
