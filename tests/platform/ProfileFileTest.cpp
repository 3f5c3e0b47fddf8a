#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>

#include "platform/ProfileFile.h"
#include "support/core/CategoryMessages.h"

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

TEST_F(ProfileFileTest, FailuresAreLoggedOnceWithTheReason) {
  ASSERT_TRUE(QDir(Dir.path()).mkpath(QStringLiteral("Dorvane.INI")));
  // Made long ago: a file changed within the last second is read again.
  const timespec LongAgo[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(FilePath()).constData(), LongAgo, 0), 0);
  const QString InsideAFile =
      Dir.filePath(QStringLiteral("plain")) + QStringLiteral("/Dorvane.INI");
  QFile Plain(Dir.filePath(QStringLiteral("plain")));
  ASSERT_TRUE(Plain.open(QIODevice::WriteOnly));
  Plain.close();
  const TCategoryMessages Log("dorvane.settings");
  EXPECT_EQ(Read("Config", "A"), QStringLiteral("<default>"));
  EXPECT_EQ(Read("Config", "B"), QStringLiteral("<default>"));
  EXPECT_FALSE(WriteProfileString(InsideAFile, QStringLiteral("Config"), QStringLiteral("A"),
                                  QStringLiteral("2")));
  ASSERT_EQ(Log.Texts().size(), 2) << Log.Texts().join('\n').toStdString();
  EXPECT_TRUE(Log.Texts()[0].contains(FilePath()));
  EXPECT_TRUE(Log.Texts()[0].contains(QStringLiteral("is not a regular file")));
  EXPECT_TRUE(Log.Texts()[1].contains(InsideAFile));
  EXPECT_TRUE(Log.Texts()[1].contains(qt_error_string(ENOTDIR))) << Log.Texts()[1].toStdString();
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

// What Windows versions and their editors left behind.
TEST_F(ProfileFileTest, ReadsFilesOfOlderWindowsVersions) {
  const TReadCase Cases[] = {
      {"windows-1252", "[Config]\r\nRedPlayer=M\xFCller \x80\r\n", "RedPlayer",
       "M\xC3\xBCller \xE2\x82\xAC"},
      {"utf-8 and windows-1252 lines", "[Config]\r\nA=\xC3\xBC\r\nRedPlayer=\xFC\r\n", "RedPlayer",
       "\xC3\xBC"},
      {"windows-1252 key", "[Config]\r\nK\xE4se=1\r\n", "K\xC3\xA4se", "1"},
      {"quoted", "[Config]\r\nRedPlayer=\"Kim\"\r\n", "RedPlayer", "Kim"},
      {"quoted blanks", "[Config]\r\nRedPlayer= \" Kim \" \r\n", "RedPlayer", " Kim "},
      {"only one pair of quotes", "[Config]\r\nRedPlayer=\"\"Kim\"\"\r\n", "RedPlayer", "\"Kim\""},
      {"empty quotes", "[Config]\r\nRedPlayer=\"\"\r\n", "RedPlayer", ""},
      {"one quote", "[Config]\r\nRedPlayer=\"Kim\r\n", "RedPlayer", "\"Kim"},
      {"utf-16 le", Bytes("\xFF\xFE[\0C\0o\0n\0f\0i\0g\0]\0\r\0\n\0A\0=\0\xFC\0\r\0\n\0"), "A",
       "\xC3\xBC"},
      {"utf-16 be", Bytes("\xFE\xFF\0[\0C\0o\0n\0f\0i\0g\0]\0\n\0A\0=\0\xFC"), "A", "\xC3\xBC"},
  };
  for (const TReadCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    WriteFile(Case.File);
    EXPECT_EQ(Read("Config", Case.Key), QString::fromUtf8(Case.Expected));
  }
}

TEST_F(ProfileFileTest, WriteTurnsOnlyTheChangedLinesIntoUtf8) {
  const TWriteCase Cases[] = {
      {"windows-1252 kept", "[Config]\r\nRedPlayer=M\xFCller\r\nBluePlayer=Kim\r\n", "Config",
       "BluePlayer", "Lee", "[Config]\r\nRedPlayer=M\xFCller\r\nBluePlayer=Lee\r\n"},
      {"same value keeps its bytes", "[Config]\r\nRedPlayer=M\xFCller\r\n", "Config", "RedPlayer",
       "M\xC3\xBCller", "[Config]\r\nRedPlayer=M\xFCller\r\n"},
      {"changed value in utf-8", "[Config]\r\nRedPlayer=M\xFCller\r\n", "Config", "RedPlayer",
       "M\xC3\xBCllers", "[Config]\r\nRedPlayer=M\xC3\xBCllers\r\n"},
      {"same value keeps its quotes", "[Config]\nRedPlayer=\"Kim\"\n", "Config", "RedPlayer", "Kim",
       "[Config]\nRedPlayer=\"Kim\"\n"},
      {"a quoted value keeps its quotes", "[Config]\n", "Config", "RedPlayer", "\"Kim\"",
       "[Config]\nRedPlayer=\"\"Kim\"\"\n"},
      {"utf-16 becomes utf-8", Bytes("\xFF\xFE[\0C\0]\0\r\0\n\0A\0=\0\xFC\0\r\0\n\0"), "C", "A",
       "x", "\xEF\xBB\xBF[C]\r\nA=x\r\n"},
  };
  for (const TWriteCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    WriteFile(Case.Before);
    ASSERT_TRUE(WriteProfileString(FilePath(), QString::fromUtf8(Case.Section),
                                   QString::fromUtf8(Case.Key), QString::fromUtf8(Case.Value)));
    EXPECT_EQ(ReadFile(), Case.After);
    EXPECT_EQ(Read(Case.Section, Case.Key), QString::fromUtf8(Case.Value));
  }
}

TEST_F(ProfileFileTest, FileNamedInAnotherCaseIsUsedAndNoSecondFileMade) {
  const QString Lower = Dir.filePath(QStringLiteral("dorvane.ini"));
  QFile File(Lower);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write("[Config]\r\nA=1\r\n");
  File.close();
  EXPECT_EQ(Read("Config", "A"), QStringLiteral("1"));
  ASSERT_TRUE(WriteProfileString(FilePath(), QStringLiteral("Config"), QStringLiteral("A"),
                                 QStringLiteral("2")));
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("dorvane.ini")});
  ASSERT_TRUE(File.open(QIODevice::ReadOnly));
  EXPECT_EQ(File.readAll(), QByteArray("[Config]\r\nA=2\r\n"));
}

// Files that are no settings file: each reads as empty at once, and a write
// fails and leaves it as it was.
struct TOddCase {
  const char* Name;
  std::function<void(const QString& Path, const QString& Folder)> Make;
};

TEST_F(ProfileFileTest, OddFilesReadAsEmptyAndAreNeverWrittenOver) {
  const TOddCase Cases[] = {
      {"link to /dev/zero",
       [](const QString& Path, const QString&) { QFile::link("/dev/zero", Path); }},
      {"fifo", [](const QString& Path,
                  const QString&) { mkfifo(QFile::encodeName(Path).constData(), 0600); }},
      {"link to a fifo",
       [](const QString& Path, const QString& Folder) {
         const QString Fifo = Folder + QStringLiteral("/fifo");
         mkfifo(QFile::encodeName(Fifo).constData(), 0600);
         QFile::link(Fifo, Path);
       }},
      {"50 MB line",
       [](const QString& Path, const QString&) {
         QFile File(Path);
         ASSERT_TRUE(File.open(QIODevice::WriteOnly));
         File.write("[Config]\nA=1\nB=" + QByteArray(50 * 1000 * 1000, 'x') + "\n");
       }},
  };
  for (const TOddCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    QTemporaryDir Folder;
    const QString Path = Folder.filePath(QStringLiteral("Dorvane.INI"));
    Case.Make(Path, Folder.path());
    const QFileInfo Before(Path);
    ASSERT_TRUE(Before.exists() || Before.isSymLink());
    const auto Entries = [&Folder] {
      return QDir(Folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    };
    const QStringList EntriesBefore = Entries();
    EXPECT_EQ(ReadProfileString(Path, QStringLiteral("Config"), QStringLiteral("A"), "default"),
              QStringLiteral("default"));
    EXPECT_FALSE(WriteProfileString(Path, QStringLiteral("Config"), QStringLiteral("A"),
                                    QStringLiteral("2")));
    const QFileInfo After(Path);
    EXPECT_EQ(After.isSymLink(), Before.isSymLink());
    EXPECT_EQ(After.size(), Before.size());
    EXPECT_EQ(Entries(), EntriesBefore);  // no temporary file left behind
  }
}

// Sets the file's time to Seconds after the epoch.
void SetFileTime(const QString& Path, time_t Seconds) {
  const timespec Times[2] = {{Seconds, 0}, {Seconds, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(Path).constData(), Times, 0), 0);
}

TEST_F(ProfileFileTest, FileIsReadAgainOnlyWhenItChangedOnDisk) {
  WriteFile("[Config]\r\nA=1\r\n");
  SetFileTime(FilePath(), 1600000000);
  EXPECT_EQ(Read("Config", "A"), QStringLiteral("1"));

  // The same size, time and file: the reading of before still serves.
  {
    QFile File(FilePath());
    ASSERT_TRUE(File.open(QIODevice::ReadWrite));
    ASSERT_TRUE(File.seek(12));
    File.write("2");
  }
  SetFileTime(FilePath(), 1600000000);
  EXPECT_EQ(Read("Config", "A"), QStringLiteral("1"));
  EXPECT_EQ(Read("Config", "A"), QStringLiteral("1"));

  SetFileTime(FilePath(), 1600000001);
  EXPECT_EQ(Read("Config", "A"), QStringLiteral("2"));
  WriteFile("[Config]\r\nA=33\r\n");  // a new size, just now
  EXPECT_EQ(Read("Config", "A"), QStringLiteral("33"));
}

}  // namespace
