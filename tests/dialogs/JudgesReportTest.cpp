#include <gtest/gtest.h>

#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>

#include "dialogs/JudgesReport.h"

namespace {

TEST(JudgesReportTest, ShowsOneRowPerJudgeAndSavesTheSameAsCsv) {
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

}  // namespace
