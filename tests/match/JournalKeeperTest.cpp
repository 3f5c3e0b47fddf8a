#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <functional>

#include "clock/TimerThread.h"
#include "match/JournalKeeper.h"
#include "model/ScoreManager.h"
#include "record/MatchJournal.h"

namespace {

// Each write replaces the file by a new one, so its inode tells writes apart.
ino_t InodeOf(const QString& Path) {
  struct stat Info {};
  return stat(QFile::encodeName(Path).constData(), &Info) == 0 ? Info.st_ino : 0;
}

// A keeper of the journal in a fresh data folder, and the manager it is told of.
class JournalKeeperTest : public testing::Test {
 protected:
  void NewGame(const QString& RedName = QStringLiteral("Kim")) {
    Keeper.NewGame(RedName, QStringLiteral("Lee"), QString(), 120);
  }

  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("Data/current-match"));
  TJournalKeeper Keeper{Path};
  TDorvaneMgr Mgr;
};

}  // namespace

TEST_F(JournalKeeperTest, WritesOnlyWhenTheContentChanges) {
  NewGame();
  Keeper.ClockChanged(csPaused, 120, 0);
  Keeper.ScoresChanged(Mgr, false);
  const ino_t First = InodeOf(Path);
  ASSERT_NE(First, 0U);

  // A new game resets every score, each reset telling the keeper again.
  Keeper.ScoresChanged(Mgr, false);
  Keeper.ScoresChanged(Mgr, false);
  EXPECT_EQ(InodeOf(Path), First);

  Mgr.SetRedScore(1);
  Keeper.ScoresChanged(Mgr, false);
  EXPECT_NE(InodeOf(Path), First);
  EXPECT_EQ(ReadJournal(Path).State->RedScore, 1);
}

TEST_F(JournalKeeperTest, AFailedWriteIsTriedAgainWithTheSameContent) {
  // A file where the journal's folder should be: no journal can be written.
  const QString Blocker = Dir.filePath(QStringLiteral("Data"));
  QFile BlockerFile(Blocker);
  ASSERT_TRUE(BlockerFile.open(QIODevice::WriteOnly));
  BlockerFile.close();
  NewGame();
  Keeper.ClockChanged(csPaused, 120, 0);
  ASSERT_FALSE(QFileInfo::exists(Path));

  ASSERT_TRUE(QFile::remove(Blocker));
  Keeper.ScoresChanged(Mgr, false);
  ASSERT_TRUE(ReadJournal(Path).State.has_value());
  EXPECT_EQ(ReadJournal(Path).State->RedName, QStringLiteral("Kim"));
}

// Only a game whose clock has run is offered back after a crash.
TEST_F(JournalKeeperTest, AGameWhoseClockNeverRanHasNoJournalAndEndsTheLastOne) {
  NewGame();
  Mgr.SetRedScore(2);
  Keeper.ScoresChanged(Mgr, false);
  EXPECT_FALSE(QFileInfo::exists(Path));

  Keeper.ClockChanged(csPaused, 100, 0);
  ASSERT_TRUE(ReadJournal(Path).State.has_value());
  EXPECT_EQ(ReadJournal(Path).State->RedScore, 2);

  NewGame(QStringLiteral("Ana"));
  EXPECT_FALSE(QFileInfo::exists(Path));
}

namespace {

// A real small file system in place of the data folder: a tmpfs of 64 KiB,
// where the test may mount one (root, and a system that allows it).
class TSmallFileSystem {
 public:
  explicit TSmallFileSystem(const QString& Folder) : FFolder(QFile::encodeName(Folder)) {
    FMounted = mount("tmpfs", FFolder.constData(), "tmpfs", 0, "size=64k") == 0;
  }
  ~TSmallFileSystem() {
    if (FMounted) umount2(FFolder.constData(), MNT_DETACH);
  }
  TSmallFileSystem(const TSmallFileSystem&) = delete;
  TSmallFileSystem& operator=(const TSmallFileSystem&) = delete;
  bool Mounted() const { return FMounted; }
  bool SetReadOnly(bool ReadOnly) {
    return mount("tmpfs", FFolder.constData(), "tmpfs", MS_REMOUNT | (ReadOnly ? MS_RDONLY : 0),
                 "size=64k") == 0;
  }

 private:
  QByteArray FFolder;
  bool FMounted = false;
};

// Fills Folder's file system to the last byte with one file.
bool FillUp(const QString& Folder) {
  QFile Filler(Folder + QStringLiteral("/filler"));
  if (!Filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  const QByteArray Block(4096, 'x');
  while (Filler.write(Block) == Block.size()) {
  }
  // The last partial block.
  while (Filler.write(Block.left(1)) == 1) {
  }
  return true;
}

struct TWriteTrouble {
  const char* Name;
  // Mounts a small file system as the data folder first.
  bool NeedsMount;
  // Makes the folder unwritable, and writable again.
  std::function<bool(const QString& Folder, TSmallFileSystem& FileSystem)> Begin;
  std::function<bool(const QString& Folder, TSmallFileSystem& FileSystem)> End;
};

class JournalWriteTrouble : public testing::TestWithParam<TWriteTrouble> {};

// While the data folder cannot take the journal, the last whole journal stays
// readable, the keeper says it cannot write, and the first write that works
// again brings the file up to the match.
TEST_P(JournalWriteTrouble, KeepsTheLastWholeJournalAndSaysSo) {
  const TWriteTrouble& Trouble = GetParam();
  QTemporaryDir Dir;
  const QString Folder = Dir.filePath(QStringLiteral("Data"));
  ASSERT_TRUE(QDir().mkpath(Folder));
  TSmallFileSystem FileSystem(Folder);
  if (Trouble.NeedsMount && !FileSystem.Mounted()) {
    GTEST_SKIP() << "no tmpfs can be mounted here: " << strerror(errno);
  }
  const QString Path = Folder + QStringLiteral("/current-match");
  TDorvaneMgr Mgr;
  TJournalKeeper Keeper(Path);
  int Changes = 0;
  Keeper.OnWriteStateChange = [&] { ++Changes; };
  Keeper.NewGame(QStringLiteral("Kim"), QStringLiteral("Lee"), QString(), 120);
  Keeper.ClockChanged(csRunning, 120, 0);
  Mgr.SetRedScore(2);
  Mgr.SetBlueScore(1);
  Keeper.ScoresChanged(Mgr, false);
  ASSERT_EQ(ReadJournal(Path).State->RedScore, 2);

  ASSERT_TRUE(Trouble.Begin(Folder, FileSystem));
  // Not merely refused by the keeper: a plain file cannot be made either.
  QFile Probe(Folder + QStringLiteral("/probe"));
  if (Probe.open(QIODevice::WriteOnly) && Probe.write(QByteArray(8192, 'x')) == 8192 &&
      Probe.flush()) {
    Probe.remove();
    GTEST_SKIP() << "the folder still takes files (root ignores file modes)";
  }
  Probe.remove();
  Mgr.SetRedScore(5);
  Mgr.SetBlueScore(3);
  Keeper.ScoresChanged(Mgr, false);
  EXPECT_TRUE(Keeper.CannotWrite());
  EXPECT_EQ(Changes, 1);
  const TJournalRead Kept = ReadJournal(Path);
  ASSERT_TRUE(Kept.State.has_value()) << qPrintable(Kept.Error);
  EXPECT_EQ(Kept.State->RedScore, 2);
  EXPECT_EQ(Kept.State->BlueScore, 1);
  // No half-written temporary file is left behind.
  EXPECT_EQ(QDir(Folder).entryList({QStringLiteral("current-match.tmp*")}, QDir::Files).size(), 0);

  // Tried again while the trouble lasts, nothing changes.
  Keeper.RetryWrite();
  EXPECT_TRUE(Keeper.CannotWrite());
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(ReadJournal(Path).State->RedScore, 2);

  // Once the folder takes files again, a retry alone brings the file up to
  // the match, which has not changed meanwhile.
  ASSERT_TRUE(Trouble.End(Folder, FileSystem));
  Keeper.RetryWrite();
  EXPECT_FALSE(Keeper.CannotWrite());
  EXPECT_EQ(Changes, 2);
  EXPECT_EQ(ReadJournal(Path).State->RedScore, 5);
  EXPECT_EQ(ReadJournal(Path).State->BlueScore, 3);
  Mgr.SetRedScore(6);
  Keeper.ScoresChanged(Mgr, false);
  EXPECT_FALSE(Keeper.CannotWrite());
  EXPECT_EQ(Changes, 2);
  EXPECT_EQ(ReadJournal(Path).State->RedScore, 6);
  EXPECT_EQ(ReadJournal(Path).State->BlueScore, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, JournalWriteTrouble,
    testing::Values(TWriteTrouble{
                        "diskFull", true,
                        [](const QString& Folder, TSmallFileSystem&) { return FillUp(Folder); },
                        [](const QString& Folder, TSmallFileSystem&) {
                          return QFile::remove(Folder + QStringLiteral("/filler"));
                        }},
                    TWriteTrouble{"readOnlyMount", true,
                                  [](const QString&, TSmallFileSystem& FileSystem) {
                                    return FileSystem.SetReadOnly(true);
                                  },
                                  [](const QString&, TSmallFileSystem& FileSystem) {
                                    return FileSystem.SetReadOnly(false);
                                  }},
                    TWriteTrouble{"readOnlyMode", false,
                                  [](const QString& Folder, TSmallFileSystem&) {
                                    return chmod(QFile::encodeName(Folder).constData(), 0555) == 0;
                                  },
                                  [](const QString& Folder, TSmallFileSystem&) {
                                    return chmod(QFile::encodeName(Folder).constData(), 0755) == 0;
                                  }}),
    [](const testing::TestParamInfo<TWriteTrouble>& Info) { return std::string(Info.param.Name); });

}  // namespace
