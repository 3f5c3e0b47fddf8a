#include <gtest/gtest.h>

#include <QFile>
#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/JudgesReport.h"
#include "model/DefaultLocale.h"

namespace {

TEST(JudgesReportTest, ShowsOneRowPerJudgeAndSavesTheSameAsCsv) {
  const TDefaultLocaleScope Locale(QLocale::c());
  TfrmJudgesReport Report(nullptr, {{1, 5, 4, 1, 12.5}, {2, 0, 0, 0, std::nullopt}});
  ASSERT_EQ(Report.grdJudges->rowCount(), 2);
  QStringList First, Second;
  for (int Column = 0; Column < Report.grdJudges->columnCount(); ++Column) {
    First << Report.grdJudges->item(0, Column)->text();
    Second << Report.grdJudges->item(1, Column)->text();
  }
  EXPECT_EQ(First, (QStringList{"1", "5", "4", "1", "12.5"}));
  EXPECT_EQ(Second, (QStringList{"2", "0", "0", "0", "-"}));

  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("report.csv"));
  ASSERT_TRUE(Report.SaveTo(Path));
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::ReadOnly));
  EXPECT_EQ(File.readAll(),
            "judge,presses,scored,lone,median_delay_ms\r\n1,5,4,1,12.5\r\n2,0,0,0,\r\n");
  EXPECT_FALSE(Report.SaveTo(Dir.filePath(QStringLiteral("missing/report.csv"))));
}

// The operator reads the numbers in the locale's own way; the CSV keeps its
// points for the programs that read it.
TEST(JudgesReportTest, NumbersInTheOperatorsLocaleTheCsvAsEver) {
  const TDefaultLocaleScope Locale(QLocale(QLocale::German, QLocale::Germany));
  TfrmJudgesReport Report(nullptr, {{1, 1500, 4, 1, 12.5}});
  EXPECT_EQ(Report.grdJudges->item(0, 1)->text(), QStringLiteral("1.500"));
  EXPECT_EQ(Report.grdJudges->item(0, 4)->text(), QStringLiteral("12,5"));
  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("report.csv"));
  ASSERT_TRUE(Report.SaveTo(Path));
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::ReadOnly));
  EXPECT_TRUE(File.readAll().endsWith("1,1500,4,1,12.5\r\n"));
}

// Every column, the last one's header too, is whole when the report opens.
TEST(JudgesReportTest, EveryColumnIsWholeAtTheOpeningSize) {
  TfrmJudgesReport Report(nullptr, {{1, 5, 4, 1, 12.5}, {2, 0, 0, 0, std::nullopt}});
  Report.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Report));
  const QHeaderView* Header = Report.grdJudges->horizontalHeader();
  const int Last = Header->count() - 1;
  EXPECT_LE(Header->sectionViewportPosition(Last) + Header->sectionSize(Last),
            Report.grdJudges->viewport()->width());
  EXPECT_GE(Header->sectionSize(Last), Header->sectionSizeHint(Last));
}

}  // namespace
