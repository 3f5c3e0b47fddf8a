#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>

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
  Keeper.ClockChanged(csPaused, 120);
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
  Keeper.ClockChanged(csPaused, 120);
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

  Keeper.ClockChanged(csPaused, 100);
  ASSERT_TRUE(ReadJournal(Path).State.has_value());
  EXPECT_EQ(ReadJournal(Path).State->RedScore, 2);

  NewGame(QStringLiteral("Ana"));
  EXPECT_FALSE(QFileInfo::exists(Path));
}
