#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/ProfileFile.h"

namespace {

// Bytes of a literal that may hold NUL characters.
template <size_t N>
QByteArray Bytes(const char (&Literal)[N]) {
  return QByteArray(Literal, N - 1);
}

class ProfileFileTest : public testing::Test {
 protected:
  QString FilePath() const { return Dir.filePath(QStringLiteral("Dorvane.INI")); }
  void WriteFile(const QByteArray& Bytes) const {
    QFile File(FilePath());
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(Bytes);
  }
  QByteArray ReadFile() const {
    QFile File(FilePath());
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
  }
  QString Read(const char* Section, const char* Key) const {
    return ReadProfileString(FilePath(), QString::fromUtf8(Section), QString::fromUtf8(Key),
                             QStringLiteral("<default>"));
  }

  QTemporaryDir Dir;
};

struct TReadCase {
  const char* Name;
  QByteArray File;
  const char* Key;
  const char* Expected;
};

TEST_F(ProfileFileTest, ReadsValuesAsTheWindowsProfileReaderDoes) {
  const TReadCase Cases[] = {
      {"crlf", "[Config]\r\nRoundTime=90\r\n", "RoundTime", "90"},
      {"lf", "[Config]\nRoundTime=90\n", "RoundTime", "90"},
      {"no final line ending", "[Config]\nRoundTime=90", "RoundTime", "90"},
      {"names without regard to case", "[CONFIG]\nroundtime=90\n", "RoundTime", "90"},
      {"blanks around names and value", "  [ Config ]  \n\t RoundTime \t=  90 \t\n", "RoundTime",
       "90"},
      {"value holding =", "[Config]\nRoundTime=a=b\n", "RoundTime", "a=b"},
      {"empty value is not missing", "[Config]\nRoundTime=\n", "RoundTime", ""},
      {"first key wins", "[Config]\nRoundTime=1\nRoundTime=2\n", "RoundTime", "1"},
      {"first section wins", "[Config]\nA=1\n[Config]\nRoundTime=2\n", "RoundTime", "<default>"},
      {"key of another section", "[Labels]\nRoundTime=1\n[Config]\n", "RoundTime", "<default>"},
      {"key before any section", "RoundTime=1\n[Config]\n", "RoundTime", "<default>"},
      {"comment", "[Config]\n;RoundTime=1\n", "RoundTime", "<default>"},
      {"header without ]", "[Config\nRoundTime=1\n", "RoundTime", "<default>"},
      {"byte-order mark", "\xEF\xBB\xBF[Config]\r\nRoundTime=90\r\n", "RoundTime", "90"},
      {"utf-8", "[Config]\nRedPlayer=J\xC3\xBCrgen \xE6\x9D\x8E\n", "RedPlayer",
       "J\xC3\xBCrgen \xE6\x9D\x8E"},
      {"binary bytes", Bytes("\0\xFF\x01[\n[Config]\x00\n\xFE=\0\nRoundTime=7\n"), "RoundTime",
       "7"},
      {"empty file", "", "RoundTime", "<default>"},
  };
  for (const TReadCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    WriteFile(Case.File);
    EXPECT_EQ(Read("Config", Case.Key), QString::fromUtf8(Case.Expected));
  }
}

TEST_F(ProfileFileTest, MissingFileGivesTheDefault) {
  EXPECT_EQ(Read("Config", "RoundTime"), QStringLiteral("<default>"));
}

TEST_F(ProfileFileTest, FolderInPlaceOfTheFileGivesTheDefault) {
  ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("Dorvane.INI")));
  EXPECT_EQ(Read("Config", "RoundTime"), QStringLiteral("<default>"));
}

TEST_F(ProfileFileTest, ValuesAreCutAt2047Characters) {
  const QByteArray Accented = QString(3000, QChar(0xE9)).toUtf8();
  WriteFile("[Config]\nA=" + QByteArray(3000, 'x') + "\nB=" + Accented + "\n");
  EXPECT_EQ(Read("Config", "A"), QString(2047, QLatin1Char('x')));
  EXPECT_EQ(Read("Config", "B"), QString(2047, QChar(0xE9)));
}

TEST_F(ProfileFileTest, GarbageNeverHidesTheKeysAfterIt) {
  QByteArray Garbage = Bytes("[Config\n\xFF\xFE\0\0=\x01\n");
  Garbage += QByteArray(10 * 1024 * 1024, 'g');  // one line of 10 MB without "="
  Garbage += "\n[Config]\nRounds=5\nRounds=6\n" + QByteArray(10 * 1024 * 1024, '=') + "\nR1=3";
  WriteFile(Garbage);
  EXPECT_EQ(Read("Config", "Rounds"), QStringLiteral("5"));
  EXPECT_EQ(Read("Config", "R1"), QStringLiteral("3"));
  ASSERT_TRUE(WriteProfileString(FilePath(), QStringLiteral("Config"), QStringLiteral("R2"),
                                 QStringLiteral("7")));
  EXPECT_EQ(ReadFile(), Garbage + "\nR2=7");
}

struct TWriteCase {
  const char* Name;
  QByteArray Before;
  const char* Section;
  const char* Key;
  const char* Value;
  QByteArray After;
};

TEST_F(ProfileFileTest, WriteChangesOnlyTheLineItOwns) {
  const TWriteCase Cases[] = {
      {"replace in place, crlf", "; note\r\n[Config]\r\nA = 1  \r\nB=2\r\n", "Config", "A", "5",
       "; note\r\n[Config]\r\nA = 5\r\nB=2\r\n"},
      {"replace an empty value", "[Config]\nA=\n", "Config", "A", "5", "[Config]\nA=5\n"},
      {"keeps the file's spelling", "[CONFIG]\nroundtime=1\n", "Config", "RoundTime", "2",
       "[CONFIG]\nroundtime=2\n"},
      {"first of duplicates", "[Config]\nA=1\nA=2\n", "Config", "A", "3", "[Config]\nA=3\nA=2\n"},
      {"new key after the last key", "[Config]\nA=1\n\n; sounds\n[Wav]\nX=y\n", "Config", "B", "2",
       "[Config]\nA=1\nB=2\n\n; sounds\n[Wav]\nX=y\n"},
      {"new key in an empty section", "[Config]\r\n[Wav]\r\n", "Config", "A", "1",
       "[Config]\r\nA=1\r\n[Wav]\r\n"},
      {"new key at the end without line ending", "[Config]\nA=1", "Config", "B", "2",
       "[Config]\nA=1\nB=2"},
      {"new section", "[Labels]\nStart=Go\n", "Config", "A", "1",
       "[Labels]\nStart=Go\n[Config]\nA=1\n"},
      {"new section after a last line without ending", "[Labels]\r\nStart=Go", "Config", "A", "1",
       "[Labels]\r\nStart=Go\r\n[Config]\r\nA=1"},
      {"new file", "", "Config", "A", "1", "[Config]\r\nA=1\r\n"},
      {"line breaks in a value", "[Config]\n", "Config", "A", "x\r\ny\nz", "[Config]\nA=x  y z\n"},
      {"utf-8 value", "[Config]\n", "Config", "A", "M\xC3\xBCller", "[Config]\nA=M\xC3\xBCller\n"},
  };
  for (const TWriteCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    WriteFile(Case.Before);
    ASSERT_TRUE(WriteProfileString(FilePath(), QString::fromUtf8(Case.Section),
                                   QString::fromUtf8(Case.Key), QString::fromUtf8(Case.Value)));
    EXPECT_EQ(ReadFile(), Case.After);
  }
}

TEST_F(ProfileFileTest, WriteCreatesTheFileAndLeavesNoTemporaryFile) {
  ASSERT_TRUE(WriteProfileString(FilePath(), QStringLiteral("Config"), QStringLiteral("A"),
                                 QStringLiteral("1")));
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("Dorvane.INI")});
  EXPECT_EQ(Read("Config", "A"), QStringLiteral("1"));
}

TEST_F(ProfileFileTest, WriteFailsWhenTheParentIsAFile) {
  WriteFile("[Config]\nA=1\n");
  const QString Inside = FilePath() + QStringLiteral("/Dorvane.INI");
  EXPECT_FALSE(WriteProfileString(Inside, QStringLiteral("Config"), QStringLiteral("A"),
                                  QStringLiteral("2")));
  EXPECT_EQ(ReadFile(), QByteArray("[Config]\nA=1\n"));
}

TEST_F(ProfileFileTest, WriteFailsWhenThePathIsAFolder) {
  ASSERT_TRUE(QDir(Dir.path()).mkpath(QStringLiteral("Dorvane.INI/kept")));
  EXPECT_FALSE(WriteProfileString(FilePath(), QStringLiteral("Config"), QStringLiteral("A"),
                                  QStringLiteral("2")));
  EXPECT_TRUE(QFileInfo(FilePath() + QStringLiteral("/kept")).isDir());
}

TEST_F(ProfileFileTest, WriteInAReadOnlyFolderKeepsTheOldFile) {
  WriteFile("[Config]\nA=1\n");
  QFile::setPermissions(Dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const bool FolderWritable = access(QFile::encodeName(Dir.path()).constData(), W_OK) == 0;
  if (FolderWritable) {
    QFile::setPermissions(Dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    GTEST_SKIP() << "permissions do not bind this user (root)";
  }
  EXPECT_FALSE(WriteProfileString(FilePath(), QStringLiteral("Config"), QStringLiteral("A"),
                                  QStringLiteral("2")));
  QFile::setPermissions(Dir.path(),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(ReadFile(), QByteArray("[Config]\nA=1\n"));
}

}  // namespace
