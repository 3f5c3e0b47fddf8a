// The journal and the record file in a data folder that cannot take them: the
// board's state line and the console say so until writing works again.

#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <QTimer>
#include <functional>

#include "board/OperatorConsole.h"
#include "match/Match.h"
#include "support/ui/BoardFixture.h"

namespace {

class WriteTroubleTest : public TBoardFixture {
 protected:
  ~WriteTroubleTest() override { FConsole.reset(); }
  TfrmConsole& Console() {
    if (!FConsole) FConsole = std::make_unique<TfrmConsole>(Board(), Match());
    return *FConsole;
  }
  std::unique_ptr<TfrmConsole> FConsole;
};

// How writing works again: by the retry timer's tick, with the match
// standing still, or by the next change of the match.
struct TRecovery {
  const char* Name;
  std::function<void(TMatch&)> Recover;
};

class WriteTroubleRecovery : public WriteTroubleTest,
                             public testing::WithParamInterface<TRecovery> {};

TEST_P(WriteTroubleRecovery, BoardAndConsoleSayWhichFileCannotBeWrittenUntilItCanAgain) {
  WriteSettingsFile(QStringLiteral("[Config]\nSaveScores=1\nSaveInput=1\nSaveFileName=cup\n"));
  // A file where the data folder should be: no file can be made in it.
  const QString Data = FDir.filePath(QStringLiteral("Data"));
  {
    QFile Blocker(Data);
    ASSERT_TRUE(Blocker.open(QIODevice::WriteOnly));
  }
  Console();
  EXPECT_EQ(Console().JournalStatus(), QStringLiteral("Journal: writing"));
  Match().StartRound();
  const QString Both = QStringLiteral("Journal: cannot write, Record: cannot write");
  // The running round leaves the state line to the notice.
  ASSERT_TRUE(QTest::qWaitFor([&] { return Text("lblRoundState") == Both; }, 5000))
      << Text("lblRoundState").toStdString();
  EXPECT_EQ(Console().JournalStatus(), QStringLiteral("Journal: cannot write"));
  EXPECT_EQ(Console().RecordStatus(), QStringLiteral("Record: cannot write"));
  // A pause still shows, and so does the trouble.
  Match().TogglePause();
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return Text("lblRoundState") == QStringLiteral("Pause \u2013 ") + Both; }, 5000))
      << Text("lblRoundState").toStdString();
  QTimer& Retry = Match().WriteRetryTimer();
  EXPECT_TRUE(Retry.isActive());
  EXPECT_EQ(Retry.interval(), TMatch::WriteRetryMs);
  // A tick while the trouble lasts changes nothing.
  ASSERT_TRUE(QMetaObject::invokeMethod(&Retry, "timeout"));
  EXPECT_EQ(Text("lblRoundState"), QStringLiteral("Pause \u2013 ") + Both);

  ASSERT_TRUE(QFile::remove(Data));
  GetParam().Recover(Match());
  EXPECT_EQ(Text("lblRoundState"), QStringLiteral("Pause"));
  EXPECT_EQ(Console().JournalStatus(), QStringLiteral("Journal: writing"));
  EXPECT_EQ(Console().RecordStatus(), QStringLiteral("Record: cup.txt, writing"));
  EXPECT_TRUE(QFile::exists(Data + QStringLiteral("/current-match")));
  EXPECT_FALSE(Retry.isActive()) << "no trouble, no retries";
  // The round's start, recorded while the folder was blocked, is in the file once.
  QFile Record(Data + QStringLiteral("/cup.txt"));
  ASSERT_TRUE(Record.open(QIODevice::ReadOnly));
  EXPECT_EQ(Record.readAll().count("ROUND 1 OF "), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, WriteTroubleRecovery,
    testing::Values(TRecovery{"retryTick",
                              [](TMatch& Match) {
                                ASSERT_TRUE(
                                    QMetaObject::invokeMethod(&Match.WriteRetryTimer(), "timeout"));
                              }},
                    TRecovery{"aPoint", [](TMatch& Match) { Match.AddPoint(TSide::Red); }}),
    [](const testing::TestParamInfo<TRecovery>& Info) { return std::string(Info.param.Name); });

}  // namespace
