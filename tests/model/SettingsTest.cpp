#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <memory>

#include "DefaultLocale.h"
#include "model/DorvaneError.h"
#include "model/Settings.h"
#include "platform/ProgramDir.h"
#include "support/core/VoteButtonOf.h"

namespace {

// The file SaveConfig writes from the default settings, in its write order.
const QByteArray DefaultConfigLines =
    "RoundTime=180\r\nCoachTime=30\r\nInjuryTime=60\r\nDisqualifyPenalty=4\r\n"
    "EndOfRoundWarning=10\r\nBluePlayer=Blue player\r\nRedPlayer=Red player\r\nRounds=3\r\n"
    "RoundColor=16777215\r\nBreakColor=65280\r\nInjuryColor=65535\r\nRedPlayerColor=255\r\n"
    "BluePlayerColor=16711680\r\nOnePointColor=65280\r\nTwoPointColor=65535\r\n"
    "ThreePointColor=255\r\nNameColor=16777215\r\nBGColor=0\r\nCommPortNo=1\r\nDivision=\r\n"
    "AutoCalcWinner=0\r\nQueryB4NewGame=0\r\nWinnerBlink=200\r\nAutoRestartAfterInjury=1\r\n"
    "UseElectronicScoring=0\r\nUsePenaltyIncrement=0\r\nShowTotalPenalty=0\r\nNumButtons=2\r\n"
    "Transiency=200\r\nUsePointGap=0\r\nPointGap=7\r\nUsePointCeiling=0\r\nPointCeiling=12\r\n"
    "UseSuddenDeath=1\r\nFirstToScore=1\r\nResetScoreForSuddenDeath=1\r\nSaveFileName=\r\n"
    "SaveInput=0\r\nSaveScores=0\r\nR1=5\r\nR2=7\r\nR3=9\r\nB1=6\r\nB2=8\r\nB3=10\r\n"
    "Rules=Classic\r\nGamJeomLimit=5\r\nRoundPointGap=12\r\nR4=11\r\nR5=13\r\nB4=12\r\nB5=14\r\n";

class SettingsTest : public testing::Test {
 protected:
  SettingsTest() { SetProgramDirForTest(Dir.path()); }
  ~SettingsTest() override { SetProgramDirForTest(QString()); }

  void WriteFile(const QByteArray& Bytes) const {
    QFile File(SettingsFilePath());
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(Bytes);
  }
  QByteArray ReadFile() const {
    QFile File(SettingsFilePath());
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
  }
  // TTKDConfig holds atomics and cannot be copied.
  static std::unique_ptr<TTKDConfig> Loaded() {
    auto Config = std::make_unique<TTKDConfig>();
    Config->LoadConfig();
    return Config;
  }

  QTemporaryDir Dir;
};

TEST_F(SettingsTest, NoFileGivesTheDefaults) {
  const auto Config = Loaded();
  EXPECT_EQ(Config->RoundTime, 180);
  EXPECT_EQ(Config->WinnerBlink, 200);
  EXPECT_EQ(Config->BluePlayer, QStringLiteral("Blue player"));
  EXPECT_EQ(Config->Division, QString());
  EXPECT_EQ(Config->Rounds, 3);
  EXPECT_EQ(Config->BluePlayerColor, 16711680);
  EXPECT_EQ(Config->BGColor, 0);
  EXPECT_TRUE(Config->AutoRestartAfterInjury);
  EXPECT_TRUE(Config->UseSuddenDeath);
  EXPECT_FALSE(Config->UseElectronicScoring);
  EXPECT_EQ(Config->PointCeiling, 12);
  // R1, R2, R3, B1, B2, B3, R4, R5, B4, B5.
  EXPECT_EQ(Config->VoteButtonNumbers, (TVoteButtonNumbers{5, 7, 9, 6, 8, 10, 11, 13, 12, 14}));
}

TEST_F(SettingsTest, SaveIntoAnEmptyFolderListsTheKeysInWriteOrder) {
  Loaded()->SaveConfig();
  EXPECT_EQ(ReadFile(), "[Config]\r\n" + DefaultConfigLines);
}

struct TReadCase {
  const char* Stored;
  std::function<double(const TTKDConfig&)> Field;
  double Expected;
};

TEST_F(SettingsTest, ReadingRules) {
  const auto RoundTime = [](const TTKDConfig& C) { return C.RoundTime; };
  const auto RoundColor = [](const TTKDConfig& C) { return double(C.RoundColor); };
  const auto Rounds = [](const TTKDConfig& C) { return double(C.Rounds); };
  const auto SaveInput = [](const TTKDConfig& C) { return double(C.SaveInput); };
  const auto UseSuddenDeath = [](const TTKDConfig& C) { return double(C.UseSuddenDeath); };
  const auto AutoRestart = [](const TTKDConfig& C) { return double(C.AutoRestartAfterInjury); };
  const auto WinnerBlink = [](const TTKDConfig& C) { return C.WinnerBlink; };
  const auto EndOfRoundWarning = [](const TTKDConfig& C) { return C.EndOfRoundWarning; };
  const auto NumButtons = [](const TTKDConfig& C) { return double(C.NumButtons); };
  const auto Transiency = [](const TTKDConfig& C) { return double(C.Transiency); };
  const auto CoachTime = [](const TTKDConfig& C) { return C.CoachTime; };
  const auto InjuryTime = [](const TTKDConfig& C) { return C.InjuryTime; };
  const TReadCase Cases[] = {
      {"RoundTime=95.5", RoundTime, 95.5},
      {"RoundTime=abc", RoundTime, 180},
      {"RoundTime=", RoundTime, 180},
      {"RoundTime=inf", RoundTime, 180},
      {"RoundTime=nan", RoundTime, 180},
      {"RoundTime=1e400", RoundTime, 180},
      {"RoundColor=0x0000FF", RoundColor, 255},
      {"RoundColor=$0000FF", RoundColor, 255},
      {"RoundColor=-1", RoundColor, -1},
      {"RoundColor=0x", RoundColor, 16777215},
      {"Rounds=2.5", Rounds, 3},
      {"Rounds=-4", Rounds, 3},  // below its range
      {"SaveInput=True", SaveInput, 0},
      {"SaveInput=2", SaveInput, 1},
      {"SaveInput=$10", SaveInput, 1},
      {"UseSuddenDeath=True", UseSuddenDeath, 1},
      {"UseSuddenDeath=0", UseSuddenDeath, 0},
      {"AutoRestartAfterInjury=0", AutoRestart, 0},
      {"AUTORESTARTAFTERINJURY=0", AutoRestart, 0},
      // Written by older versions under a Persian locale.
      {"RoundTime=\u06F1\u06F2\u06F0", RoundTime, 120},
      {"Rounds=\u06F5", Rounds, 5},
      // Outside their ranges, values read as unreadable ones.
      {"RoundTime=0", RoundTime, 180},
      {"RoundTime=-5", RoundTime, 180},
      {"RoundTime=1e15", RoundTime, 180},
      {"RoundTime=5999.5", RoundTime, 180},
      {"RoundTime=5999", RoundTime, 5999},
      {"WinnerBlink=99.9", WinnerBlink, 200},
      {"WinnerBlink=100", WinnerBlink, 100},
      {"EndOfRoundWarning=0", EndOfRoundWarning, 0},
      // No break between rounds; a round and injury time need some time.
      {"CoachTime=0", CoachTime, 0},
      {"CoachTime=-1", CoachTime, 30},
      {"CoachTime=5999.5", CoachTime, 30},
      {"InjuryTime=0", InjuryTime, 60},
      {"NumButtons=-1", NumButtons, 2},
      {"Transiency=2147483647", Transiency, 2147483647},
  };
  for (const TReadCase& Case : Cases) {
    SCOPED_TRACE(Case.Stored);
    WriteFile(QByteArray("[Config]\r\n") + Case.Stored + "\r\n");
    EXPECT_EQ(Case.Field(*Loaded()), Case.Expected);
  }
}

TEST_F(SettingsTest, PointGapAndCeilingRulesStartOffWhateverTheFileSays) {
  WriteFile("[Config]\nUsePointGap=1\nPointGap=9\nUsePointCeiling=1\nPointCeiling=20\n");
  const auto Config = Loaded();
  EXPECT_FALSE(Config->UsePointGap);
  EXPECT_FALSE(Config->UsePointCeiling);
  EXPECT_EQ(Config->PointGap, 9);
  EXPECT_EQ(Config->PointCeiling, 20);
  Config->SaveConfig();
  EXPECT_TRUE(ReadFile().contains("\nUsePointGap=0\n"));
  EXPECT_TRUE(ReadFile().contains("\nUsePointCeiling=0\n"));
}

TEST_F(SettingsTest, TextValues) {
  WriteFile("[Config]\nBluePlayer=\nRedPlayer= J\xC3\xBCrgen M\xC3\xBCller \n");
  const auto Config = Loaded();
  EXPECT_EQ(Config->BluePlayer, QString());
  EXPECT_EQ(Config->RedPlayer, QStringLiteral("J\u00FCrgen M\u00FCller"));
  EXPECT_EQ(Config->SaveFileName, QString());
}

// Every field differs from its default, so a key that is written under one
// name and read under another shows up as a changed file.
void SetEveryField(TTKDConfig& C) {
  C.RoundTime = 120.25, C.CoachTime = 45, C.InjuryTime = 90, C.DisqualifyPenalty = 3.5;
  C.WinnerBlink = 350, C.EndOfRoundWarning = 15;
  C.BluePlayer = QStringLiteral("Kim \u674E"), C.RedPlayer = QStringLiteral("Lee = Park");
  C.Division = QStringLiteral("-54 kg"), C.CommPortNo = 4, C.NumButtons = 3, C.Transiency = 250;
  C.Rounds = 2, C.RedPlayerColor = 1, C.BluePlayerColor = 2, C.RoundColor = 3, C.BreakColor = 4;
  C.InjuryColor = 5, C.OnePointColor = 6, C.TwoPointColor = 7, C.ThreePointColor = 8;
  C.NameColor = 9, C.BGColor = -16777216, C.QueryB4NewGame = true, C.UseElectronicScoring = true;
  C.ShowTotalPenalty = true, C.UsePenaltyIncrement = true, C.AutoRestartAfterInjury = false;
  C.AutoCalcWinner = true, C.UsePointGap = false, C.PointGap = 5, C.UsePointCeiling = false;
  C.PointCeiling = 15, C.UseSuddenDeath = false, C.FirstToScore = false;
  C.ResetScoreForSuddenDeath = false, C.SaveFileName = QStringLiteral("finals");
  C.SaveInput = true, C.SaveScores = true;
  C.VoteButtonNumbers = {1, 2, 3, 4, 11, 12, 13, 14, 15, 16};
  C.Rules = QStringLiteral("BestOfThree"), C.GamJeomLimit = 4, C.RoundPointGap = 20;
}

TEST_F(SettingsTest, SavedValuesReadBackUnchanged) {
  TTKDConfig Original;
  SetEveryField(Original);
  Original.SaveConfig();
  const QByteArray Saved = ReadFile();
  ASSERT_TRUE(QFile::remove(SettingsFilePath()));
  WriteFile(Saved);
  const auto Reloaded = Loaded();
  ASSERT_TRUE(QFile::remove(SettingsFilePath()));
  Reloaded->SaveConfig();
  EXPECT_EQ(ReadFile(), Saved);
  EXPECT_EQ(Reloaded->RoundTime, 120.25);
  EXPECT_EQ(Reloaded->BluePlayer, QStringLiteral("Kim \u674E"));
}

// Each vote button's key reads into its own side and value and is written
// back under the same key, whatever order the file has them in.
TEST_F(SettingsTest, EveryVoteButtonKeyRoundTrips) {
  struct TKeyCase {
    const char* Key;
    TSide Side;
    int32_t Points;
    int32_t Number;
  };
  const TKeyCase Cases[] = {
      {"B5", TSide::Blue, 5, 30}, {"R1", TSide::Red, 1, 21},  {"B1", TSide::Blue, 1, 24},
      {"R4", TSide::Red, 4, 27},  {"R2", TSide::Red, 2, 22},  {"B3", TSide::Blue, 3, 26},
      {"R5", TSide::Red, 5, 28},  {"B2", TSide::Blue, 2, 25}, {"B4", TSide::Blue, 4, 29},
      {"R3", TSide::Red, 3, 23},
  };
  QByteArray Stored = "[Config]\r\n";
  for (const TKeyCase& Case : Cases) Stored += QByteArray(Case.Key) + "=" + QByteArray::number(Case.Number) + "\r\n";
  WriteFile(Stored);
  const auto Config = Loaded();
  for (const TKeyCase& Case : Cases) {
    SCOPED_TRACE(Case.Key);
    EXPECT_EQ(ButtonNumber(*Config, Case.Side, Case.Points), Case.Number);
  }
  ASSERT_TRUE(QFile::remove(SettingsFilePath()));
  Config->SaveConfig();
  const QByteArray Saved = ReadFile();
  for (const TKeyCase& Case : Cases) {
    SCOPED_TRACE(Case.Key);
    EXPECT_EQ(Saved.count("\n" + QByteArray(Case.Key) + "="), 1);
    EXPECT_TRUE(Saved.contains("\n" + QByteArray(Case.Key) + "=" + QByteArray::number(Case.Number) + "\r\n"));
  }
  EXPECT_TRUE(Saved.contains("\r\nR1=21\r\nR2=22\r\nR3=23\r\nB1=24\r\nB2=25\r\nB3=26\r\nRules="))
      << "the keys of 1 to 3 in their write order";
  EXPECT_TRUE(Saved.endsWith("\r\nR4=27\r\nR5=28\r\nB4=29\r\nB5=30\r\n"))
      << "the keys of 4 and 5 last";
}

TEST_F(SettingsTest, FloatsAreWrittenInTheirShortestForm) {
  const auto Config = Loaded();
  Config->CoachTime = 10.5;
  Config->SaveConfig();
  EXPECT_TRUE(ReadFile().contains("\r\nRoundTime=180\r\n"));
  EXPECT_TRUE(ReadFile().contains("\r\nCoachTime=10.5\r\n"));
}

TEST_F(SettingsTest, FloatsUseTheLocaleDecimalSeparator) {
  const TDefaultLocaleScope German(QLocale(QLocale::German, QLocale::Germany));
  const auto Config = Loaded();
  Config->CoachTime = 10.5;
  Config->SaveConfig();
  EXPECT_TRUE(ReadFile().contains("\r\nCoachTime=10,5\r\n"));
  EXPECT_EQ(Loaded()->CoachTime, 10.5);
}

struct TKeepCase {
  const char* Name;
  const char* Eol;
};

TEST_F(SettingsTest, SaveKeepsWhatItDoesNotOwn) {
  for (const TKeepCase& Case : {TKeepCase{"crlf", "\r\n"}, TKeepCase{"lf", "\n"}}) {
    SCOPED_TRACE(Case.Name);
    const QByteArray Eol(Case.Eol);
    const QByteArray Head = "; Dorvane" + Eol + "[Labels]" + Eol + "Start = Go!" + Eol +
                            "Stop=" + Eol + Eol + "[Config]" + Eol + "RequestNames=1" + Eol;
    const QByteArray Tail = Eol + "[Wav]" + Eol + "RedPoint=sounds\\red.wav" + Eol;
    WriteFile(Head + "RoundTime=95" + Eol + Tail);
    const auto Config = Loaded();
    Config->RoundTime = 180;
    Config->SaveConfig();
    QByteArray Keys = DefaultConfigLines;
    Keys.replace("\r\n", Eol);
    EXPECT_EQ(ReadFile(), Head + Keys + Tail);
  }
}

// The message SaveConfig raised; empty when it did not raise.
QString SaveError(const TTKDConfig& Config) {
  try {
    Config.SaveConfig();
  } catch (const TDorvaneError& Error) {
    return Error.Message();
  }
  return QString();
}

// Root ignores permissions, so these files are unwritable by their shape.
TEST_F(SettingsTest, FolderInPlaceOfTheFileRaisesTheError) {
  const QDir Folder(Dir.path());
  ASSERT_TRUE(Folder.mkpath(QStringLiteral("Dorvane.INI/kept")));
  EXPECT_EQ(SaveError(*Loaded()), QStringLiteral("Unable to write to ") + SettingsFilePath());
  EXPECT_TRUE(QFileInfo(Folder.filePath(QStringLiteral("Dorvane.INI/kept"))).isDir());
}

TEST_F(SettingsTest, ProgramFolderThatIsAFileRaisesTheError) {
  const QString NotAFolder = QDir(Dir.path()).filePath(QStringLiteral("program"));
  QFile File(NotAFolder);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write("old");
  File.close();
  SetProgramDirForTest(NotAFolder);
  EXPECT_EQ(SaveError(*Loaded()),
            QStringLiteral("Unable to write to ") + NotAFolder + QStringLiteral("/Dorvane.INI"));
  ASSERT_TRUE(File.open(QIODevice::ReadOnly));
  EXPECT_EQ(File.readAll(), QByteArray("old"));
}

TEST_F(SettingsTest, GarbageFileGivesDefaultsAroundWhatReads) {
  QByteArray Garbage = QByteArray("\xFF\xFE") + '\0' + "\x01[Config\nRounds=9\n";
  Garbage += QByteArray(10 * 1024 * 1024, '\x80') + "\n[Config]\nRounds=5\nRounds=6\nRoundTime=";
  Garbage += QByteArray(5000, '9') + "\n[Config]\nR1=2\n";
  WriteFile(Garbage);
  const auto Config = Loaded();
  EXPECT_EQ(Config->Rounds, 5);
  EXPECT_EQ(Config->RoundTime, 180);  // a 2047-digit number does not fit a double
  EXPECT_EQ(ButtonNumber(*Config, TSide::Red, 1), 5);  // only the first [Config] counts
}

struct TLocaleCase {
  const char* Name;
  QLocale Locale;
};

const TLocaleCase Locales[] = {
    {"C", QLocale::c()},
    {"de_DE", QLocale(QLocale::German, QLocale::Germany)},
    {"fa_IR", QLocale(QLocale::Persian, QLocale::Iran)},
    {"ar_EG", QLocale(QLocale::Arabic, QLocale::Egypt)},
    {"fr_CA", QLocale(QLocale::French, QLocale::Canada)},
};

// A 2:00 round saved under a Persian locale used to come back as 3:00
// under any other.
TEST_F(SettingsTest, FileSavedUnderOneLocaleLoadsTheSameUnderAnyOther) {
  for (const TLocaleCase& Writer : Locales) {
    TTKDConfig Original;
    SetEveryField(Original);
    Original.RoundTime = 120;
    {
      const TDefaultLocaleScope Scope(Writer.Locale);
      Original.SaveConfig();
    }
    const QByteArray Saved = ReadFile();
    EXPECT_TRUE(Saved.contains("\r\nRoundTime=120\r\n")) << Writer.Name;
    EXPECT_TRUE(Saved.contains("\r\nBGColor=-16777216\r\n")) << Writer.Name;
    for (const TLocaleCase& Reader : Locales) {
      SCOPED_TRACE(std::string(Writer.Name) + " -> " + Reader.Name);
      const TDefaultLocaleScope Scope(Reader.Locale);
      const auto Loaded = SettingsTest::Loaded();
      EXPECT_EQ(Loaded->RoundTime, 120);
      EXPECT_EQ(Loaded->CoachTime, 45);
      EXPECT_EQ(Loaded->WinnerBlink, 350);
      EXPECT_EQ(Loaded->Rounds, 2);
      EXPECT_EQ(Loaded->BGColor, -16777216);
      EXPECT_EQ(ButtonNumber(*Loaded, TSide::Blue, 3), 12);
      // A fraction reads back under the locale that wrote it.
      if (&Reader == &Writer) {
        EXPECT_EQ(Loaded->DisqualifyPenalty, 3.5);
      }
    }
    ASSERT_TRUE(QFile::remove(SettingsFilePath()));
  }
}

// The values of one generation of KilledSaverLeavesOldOrNewValues.
void SetGeneration(TTKDConfig& Config, int Generation) {
  const QString Name = QStringLiteral("gen %1").arg(Generation);
  Config.RedPlayer = Config.BluePlayer = Config.Division = Name;
  Config.Rounds = Config.PointGap = ButtonNumber(Config, TSide::Red, 1) = Generation;
}

TEST_F(SettingsTest, KilledSaverLeavesOldOrNewValuesNeverAMix) {
  // A long line the saver must copy keeps it busy writing when it is killed.
  WriteFile("; " + QByteArray(4 * 1024 * 1024, 'x') + "\r\n[Config]\r\n");
  int Pipe[2];
  ASSERT_EQ(pipe(Pipe), 0);
  const pid_t Child = fork();
  ASSERT_GE(Child, 0);
  if (Child == 0) {
    close(Pipe[0]);
    TTKDConfig Config;
    for (int Generation = 1;; ++Generation) {
      SetGeneration(Config, Generation);
      Config.SaveConfig();
      if (write(Pipe[1], "s", 1) != 1) _exit(1);
    }
  }
  close(Pipe[1]);
  // Killed before any check, so a failed check leaves no saver running.
  int Status = 0;
  const auto KillChild = [&] {
    kill(Child, SIGKILL);
    waitpid(Child, &Status, 0);
    close(Pipe[0]);
  };
  constexpr int Saves = 8;
  int Seen = 0;
  for (char Byte; Seen < Saves && read(Pipe[0], &Byte, 1) == 1;) ++Seen;
  KillChild();
  ASSERT_EQ(Seen, Saves);
  ASSERT_TRUE(WIFSIGNALED(Status) && WTERMSIG(Status) == SIGKILL);

  const auto Config = Loaded();
  ASSERT_GE(Config->Rounds, Saves);
  TTKDConfig Expected;
  SetGeneration(Expected, Config->Rounds);
  EXPECT_EQ(Config->RedPlayer, Expected.RedPlayer);
  EXPECT_EQ(Config->BluePlayer, Expected.BluePlayer);
  EXPECT_EQ(Config->Division, Expected.Division);
  EXPECT_EQ(Config->PointGap, Expected.PointGap);
  EXPECT_EQ(Config->VoteButtonNumbers, Expected.VoteButtonNumbers);
  EXPECT_TRUE(ReadFile().startsWith("; " + QByteArray(4 * 1024 * 1024, 'x') + "\r\n[Config]\r\n"));
}

}  // namespace
