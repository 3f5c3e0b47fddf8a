// The journal and the record file in a data folder that cannot take them: the
// board's state line and the console say so until writing works again.

#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "board/OperatorConsole.h"
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

TEST_F(WriteTroubleTest, BoardAndConsoleSayWhichFileCannotBeWrittenUntilItCanAgain) {
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

  ASSERT_TRUE(QFile::remove(Data));
  Match().AddPoint(TSide::Red);
  EXPECT_EQ(Text("lblRoundState"), QStringLiteral("Pause"));
  EXPECT_EQ(Console().JournalStatus(), QStringLiteral("Journal: writing"));
  EXPECT_EQ(Console().RecordStatus(), QStringLiteral("Record: cup.txt, writing"));
  EXPECT_TRUE(QFile::exists(Data + QStringLiteral("/current-match")));
}

}  // namespace
