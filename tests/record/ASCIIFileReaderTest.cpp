#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "record/ASCIIFileReader.h"

namespace {

class ASCIIFileReaderTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FDir.isValid()); }

  std::string Content() {
    QFile File(FPath);
    return File.open(QIODevice::ReadOnly) ? File.readAll().toStdString() : "<missing>";
  }
  void Seed(const QByteArray& Bytes) {
    QFile File(FPath);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(Bytes);
  }

  QTemporaryDir FDir;
  QString FPath = FDir.filePath("record.txt");
};

TEST_F(ASCIIFileReaderTest, AppendsLinesWithCrLfAfterExistingContent) {
  Seed("old line\r\n");
  TASCIIFileReader Reader;
  Reader.SetFileName(FPath);
  Reader.SetActive(true);
  ASSERT_TRUE(Reader.Active());
  EXPECT_TRUE(Reader.WriteLine("ROUND 1 OF 3"));
  EXPECT_TRUE(Reader.WriteLine("  "));
  Reader.SetActive(false);
  EXPECT_FALSE(Reader.Active());
  EXPECT_EQ(Content(), "old line\r\nROUND 1 OF 3\r\n  \r\n");
}

TEST_F(ASCIIFileReaderTest, CreatesAMissingFile) {
  TASCIIFileReader Reader;
  Reader.SetFileName(FPath);
  Reader.SetActive(true);
  EXPECT_TRUE(Reader.WriteLine("NEW MATCH"));
  Reader.SetActive(false);
  EXPECT_EQ(Content(), "NEW MATCH\r\n");
}

TEST_F(ASCIIFileReaderTest, InactiveReaderWritesNothing) {
  Seed("kept\r\n");
  TASCIIFileReader Reader;
  Reader.SetFileName(FPath);
  EXPECT_FALSE(Reader.WriteLine("lost"));
  Reader.SetActive(true);
  Reader.SetFileName(FPath);  // a new name closes the file
  EXPECT_FALSE(Reader.Active());
  EXPECT_FALSE(Reader.WriteLine("lost"));
  EXPECT_EQ(Content(), "kept\r\n");
}

TEST_F(ASCIIFileReaderTest, SecondOpenerFailsWhileTheFirstHoldsTheFile) {
  TASCIIFileReader Holder;
  Holder.SetFileName(FPath);
  Holder.SetActive(true);
  ASSERT_TRUE(Holder.Active());

  TASCIIFileReader Other;
  Other.SetFileName(FPath);
  Other.SetActive(true);
  EXPECT_FALSE(Other.Active());
  EXPECT_FALSE(Other.WriteLine("lost"));

  Holder.SetActive(false);
  Other.SetActive(true);
  EXPECT_TRUE(Other.Active());
}

TEST_F(ASCIIFileReaderTest, OpenFailureLeavesTheReaderInactive) {
  TASCIIFileReader Reader;
  Reader.SetFileName(FDir.filePath("no such folder/record.txt"));
  Reader.SetActive(true);
  EXPECT_FALSE(Reader.Active());
  Reader.SetFileName(FDir.path());  // a folder is no file
  Reader.SetActive(true);
  EXPECT_FALSE(Reader.Active());
}

// A file-size limit makes write() stop part-way, as a full disk does.
TEST_F(ASCIIFileReaderTest, LineCutShortByAFullDiskIsRemovedWhole) {
  Seed("first\r\n");
  TASCIIFileReader Reader;
  Reader.SetFileName(FPath);
  Reader.SetActive(true);
  ASSERT_TRUE(Reader.Active());

  rlimit Old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Old), 0);
  const auto OldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit Small = Old;
  Small.rlim_cur = 12;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Small), 0);
  const bool Written = Reader.WriteLine("a line that does not fit");
  setrlimit(RLIMIT_FSIZE, &Old);
  std::signal(SIGXFSZ, OldHandler);

  EXPECT_FALSE(Written);
  EXPECT_TRUE(Reader.WriteLine("next"));
  Reader.SetActive(false);
  EXPECT_EQ(Content(), "first\r\nnext\r\n");
}

}  // namespace
