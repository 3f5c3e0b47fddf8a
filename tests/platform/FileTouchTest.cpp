#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <cstdio>

#include "platform/FileTouch.h"
#include "platform/PeriodicTouch.h"

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

TEST(FileTouch, MarksTheFileAndAfterReopenTheFileThatReplacedIt) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("journal"));
  WriteFileFromLongAgo(Path);
  TFileTouch Mark(Path);
  ASSERT_TRUE(Mark.Touch());
  EXPECT_TRUE(MarkedNow(Path));

  // A new file renamed over the old one, as a journal write does.
  const QString Next = Dir.filePath(QStringLiteral("journal.new"));
  WriteFileFromLongAgo(Next);
  ASSERT_EQ(std::rename(QFile::encodeName(Next).constData(), QFile::encodeName(Path).constData()),
            0);
  Mark.Reopen();
  ASSERT_TRUE(Mark.Touch());
  EXPECT_TRUE(MarkedNow(Path));
}

TEST(FileTouch, AMissingFileIsNotMarkedAndSaysWhy) {
  QTemporaryDir Dir;
  TFileTouch Mark(Dir.filePath(QStringLiteral("gone")));
  QString Error;
  EXPECT_FALSE(Mark.Touch(&Error));
  EXPECT_FALSE(Error.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(Dir.filePath(QStringLiteral("gone"))));
}

// Waits for the marking thread's effect on the file, not for the clock.
bool WaitFor(const std::function<bool()>& Done) {
  const QDeadlineTimer Deadline(10000);
  while (!Done()) {
    if (Deadline.hasExpired()) return false;
    QThread::yieldCurrentThread();
  }
  return true;
}

TEST(PeriodicTouch, MarksFromItsOwnThreadUntilStopped) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("journal"));
  WriteFileFromLongAgo(Path);
  TPeriodicTouch Mark(Path, std::chrono::milliseconds(1), nullptr);
  Mark.Start();
  EXPECT_TRUE(WaitFor([&] { return MarkedNow(Path); }));

  // Marks go on at the file that replaced the old one.
  const QString Next = Dir.filePath(QStringLiteral("journal.new"));
  WriteFileFromLongAgo(Next);
  ASSERT_EQ(std::rename(QFile::encodeName(Next).constData(), QFile::encodeName(Path).constData()),
            0);
  Mark.Reopen();
  EXPECT_TRUE(WaitFor([&] { return MarkedNow(Path); }));
  Mark.Stop();
}

TEST(PeriodicTouch, TellsOfAFailureOnceUntilAMarkSucceedsAgain) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("journal"));
  std::atomic<int> Failures = 0;
  TPeriodicTouch Mark(Path, std::chrono::milliseconds(1), [&](const QString& Error) {
    EXPECT_FALSE(Error.isEmpty());
    ++Failures;
  });
  Mark.Start();
  ASSERT_TRUE(WaitFor([&] { return Failures > 0; }));

  WriteFileFromLongAgo(Path);
  Mark.Reopen();
  EXPECT_TRUE(WaitFor([&] { return MarkedNow(Path); }));
  EXPECT_EQ(Failures, 1);

  ASSERT_TRUE(QFile::remove(Path));
  Mark.Reopen();
  EXPECT_TRUE(WaitFor([&] { return Failures == 2; }));
  Mark.Stop();
}

}  // namespace
