#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/ProgramDir.h"
#include "platform/SoundPlayer.h"
#include "record/SoundCues.h"
#include "support/core/FakeSoundPlayer.h"

namespace {

class SoundCuesTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FDir.isValid());
    SetProgramDirForTest(FDir.path());
    SetSoundPlayer(&FPlayer);
  }
  void TearDown() override {
    SetSoundPlayer(nullptr);
    SetProgramDirForTest(QString());
  }

  void WriteIni(const QByteArray& Text) {
    QFile Ini(SettingsFilePath());
    ASSERT_TRUE(Ini.open(QIODevice::WriteOnly));
    Ini.write(Text);
  }
  QString MakeWave(const QString& Name) {
    const QString Path = FDir.filePath(Name);
    QFile Wave(Path);
    EXPECT_TRUE(Wave.open(QIODevice::WriteOnly));
    Wave.write("RIFF");
    return Path;
  }

  QTemporaryDir FDir;
  TFakeSoundPlayer FPlayer;
};

TEST_F(SoundCuesTest, ConfiguredCuePlaysItsFile) {
  const QString Red = MakeWave("red.wav");
  WriteIni("[Config]\r\nRounds=3\r\n[Wav]\r\nRedPoint=" + Red.toUtf8() + "\r\n");
  PlayCue("RedPoint");
  EXPECT_EQ(FPlayer.Calls(), QStringList{"play " + Red});
}

TEST_F(SoundCuesTest, WindowsPathsWithBackslashesAndQuotesPlay) {
  ASSERT_TRUE(QDir(FDir.path()).mkdir("sounds"));
  const QString Red = MakeWave("sounds/red.wav");
  WriteIni("[Wav]\r\nRedPoint=\"" + FDir.path().toUtf8() + "\\sounds\\red.wav\"\r\n");
  PlayCue("RedPoint");
  EXPECT_EQ(FPlayer.Calls(), QStringList{"play " + Red});
}

// Silent cues must not reach the player at all, so a sound that plays goes on.
struct TSilentCase {
  const char* What;
  QByteArray Ini;
};

class SilentCueTest : public SoundCuesTest, public testing::WithParamInterface<TSilentCase> {};

TEST_P(SilentCueTest, LeavesThePlayerAlone) {
  MakeWave("gone.wav");
  ASSERT_TRUE(QFile::remove(FDir.filePath("gone.wav")));
  ASSERT_TRUE(QDir(FDir.path()).mkdir("folder.wav"));
  QByteArray Ini = GetParam().Ini;
  if (!Ini.isEmpty()) WriteIni(Ini.replace("$DIR", FDir.path().toUtf8()));
  for (const char* Cue : {"RedPoint", "BlueFullPenalty", "End"}) PlayCue(Cue);
  EXPECT_TRUE(FPlayer.Calls().isEmpty()) << GetParam().What;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SilentCueTest,
    testing::Values(TSilentCase{"no settings file", QByteArray()},
                    TSilentCase{"no [Wav]", "[Config]\r\nRedPoint=$DIR/gone.wav\r\n"},
                    TSilentCase{"empty values", "[Wav]\r\nRedPoint=\r\nEnd=\r\n"},
                    TSilentCase{"deleted file", "[Wav]\r\nRedPoint=$DIR/gone.wav\r\n"},
                    TSilentCase{"a folder", "[Wav]\r\nEnd=$DIR/folder.wav\r\n"}));

TEST_F(SoundCuesTest, DeletedFileDoesNotCutThePlayingSound) {
  const QString Red = MakeWave("red.wav");
  const QString Blue = MakeWave("blue.wav");
  WriteIni("[Wav]\r\nRedPoint=" + Red.toUtf8() + "\r\nBluePoint=" + Blue.toUtf8() + "\r\n");
  PlayCue("RedPoint");
  ASSERT_TRUE(QFile::remove(Blue));
  PlayCue("BluePoint");
  EXPECT_EQ(FPlayer.Calls(), QStringList{"play " + Red});
}

TEST_F(SoundCuesTest, QuickCuesEachReachThePlayerInOrder) {
  const QString Red = MakeWave("red.wav");
  const QString Blue = MakeWave("blue.wav");
  WriteIni("[Wav]\r\nRedPoint=" + Red.toUtf8() + "\r\nBluePoint=" + Blue.toUtf8() + "\r\n");
  PlayCue("RedPoint");
  PlayCue("BluePoint");
  EXPECT_EQ(FPlayer.Calls(), (QStringList{"play " + Red, "play " + Blue}));
}

TEST_F(SoundCuesTest, SectionIsReadAfreshAtEveryCue) {
  const QString Red = MakeWave("red.wav");
  const QString Other = MakeWave("other.wav");
  WriteIni("[Wav]\r\nRedPoint=" + Red.toUtf8() + "\r\n");
  PlayCue("RedPoint");
  WriteIni("[Wav]\r\nRedPoint=" + Other.toUtf8() + "\r\n");
  PlayCue("RedPoint");
  EXPECT_EQ(FPlayer.Calls(), (QStringList{"play " + Red, "play " + Other}));
}

TEST_F(SoundCuesTest, RelativePathIsTakenFromTheCurrentDirectory) {
  ASSERT_TRUE(QDir(FDir.path()).mkdir("sounds"));
  MakeWave("sounds/end.wav");
  WriteIni("[Wav]\r\nEnd=sounds/end.wav\r\n");
  const QString Previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(FDir.path()));
  PlayCue("End");
  QDir::setCurrent(Previous);
  EXPECT_EQ(FPlayer.Calls(), QStringList{"play sounds/end.wav"});
}

}  // namespace

namespace {

TEST_F(SoundCuesTest, TheDeviceIsWorthOpeningOnlyWhenSomeCueNamesAFile) {
  const struct {
    const char* What;
    QByteArray Ini;
    bool Configured;
  } Cases[] = {
      {"no settings file", QByteArray(), false},
      {"no [Wav]", "[Config]\r\nRounds=3\r\n", false},
      {"only other keys", "[Wav]\r\nFanfare=a.wav\r\n", false},
      {"an empty entry", "[Wav]\r\nEnd=\r\n", false},
      {"the break's cue", "[Wav]\r\nstartbetweenrounds=b.wav\r\n", true},
      {"the last cue", "[Config]\r\n[Wav]\r\nBluePoint=\r\nEnd=end.wav\r\n", true},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.What);
    QFile::remove(SettingsFilePath());
    if (!Case.Ini.isEmpty()) WriteIni(Case.Ini);
    EXPECT_EQ(AnyCueConfigured(), Case.Configured);
  }
}

}  // namespace
