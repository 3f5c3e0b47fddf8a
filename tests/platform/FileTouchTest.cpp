#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

#include "platform/FileTouch.h"

namespace {

const QDateTime LongAgo = QDateTime::fromSecsSinceEpoch(1000000000, Qt::UTC);

void WriteFileFromLongAgo(const QString& Path) {
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write("x");
  // Written out first: a write at close would set the time to now.
  ASSERT_TRUE(File.flush());
  ASSERT_TRUE(File.setFileTime(LongAgo, QFileDevice::FileModificationTime));
}

bool MarkedNow(const QString& Path) {
  const QDateTime Marked = QFileInfo(Path).lastModified();
  return Marked.secsTo(QDateTime::currentDateTimeUtc()) < 60 && Marked > LongAgo;
}

TEST(FileTouch, MarksTheFileAndTheFileThatReplacedIt) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("journal"));
  WriteFileFromLongAgo(Path);
  ASSERT_TRUE(TouchFile(QFile::encodeName(Path)));
  EXPECT_TRUE(MarkedNow(Path));

  // A new file renamed over the old one, as a journal write does.
  const QString Next = Dir.filePath(QStringLiteral("journal.new"));
  WriteFileFromLongAgo(Next);
  ASSERT_EQ(std::rename(QFile::encodeName(Next).constData(), QFile::encodeName(Path).constData()),
            0);
  ASSERT_TRUE(TouchFile(QFile::encodeName(Path)));
  EXPECT_TRUE(MarkedNow(Path));
}

TEST(FileTouch, AMissingFileIsNotMarkedAndSaysWhy) {
  QTemporaryDir Dir;
  const QString Gone = Dir.filePath(QStringLiteral("gone"));
  QString Error;
  EXPECT_FALSE(TouchFile(QFile::encodeName(Gone), &Error));
  EXPECT_FALSE(Error.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(Gone));
}

}  // namespace
