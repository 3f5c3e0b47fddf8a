#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "platform/CommandLine.h"

namespace {

using TAction = TCommandLine::TAction;

struct TParseCase {
  const char* Name;
  QStringList Arguments;
  TAction Action;
  std::optional<int> Screen;
  bool Console;
  bool Windowed;
};

const TParseCase ParseCases[] = {
    {"Nothing", {}, TAction::Run, std::nullopt, false, false},
    {"Screen", {"--screen", "1"}, TAction::Run, 1, false, false},
    {"ScreenWithEquals", {"--screen=0"}, TAction::Run, 0, false, false},
    {"ConsoleAndWindowed", {"--console", "--windowed"}, TAction::Run, std::nullopt, true, true},
    {"Help", {"--help"}, TAction::ShowHelp, std::nullopt, false, false},
    {"ShortHelp", {"-h"}, TAction::ShowHelp, std::nullopt, false, false},
    {"Version", {"--version"}, TAction::ShowVersion, std::nullopt, false, false},
    {"NegativeScreen", {"--screen", "-1"}, TAction::Fail, std::nullopt, false, false},
    {"ScreenNotANumber", {"--screen", "left"}, TAction::Fail, std::nullopt, false, false},
    {"ScreenWithoutValue", {"--screen"}, TAction::Fail, std::nullopt, false, false},
    {"UnknownOption", {"--fullscreen"}, TAction::Fail, std::nullopt, false, false},
    {"StrayArgument", {"match.ini"}, TAction::Fail, std::nullopt, false, false},
};

class CommandLineParse : public testing::TestWithParam<TParseCase> {};

TEST_P(CommandLineParse, ReadsTheOptions) {
  const TParseCase& Case = GetParam();
  const TCommandLine Line = ParseCommandLine(QStringList{"dorvane"} + Case.Arguments);
  EXPECT_EQ(Line.Action, Case.Action) << Line.Text.toStdString();
  EXPECT_EQ(Line.Screen, Case.Screen);
  EXPECT_EQ(Line.Console, Case.Console);
  EXPECT_EQ(Line.Windowed, Case.Windowed);
  EXPECT_EQ(Line.Text.isEmpty(), Case.Action == TAction::Run);
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLineParse, testing::ValuesIn(ParseCases),
                         [](const testing::TestParamInfo<TParseCase>& Info) {
                           return std::string(Info.param.Name);
                         });

TEST(CommandLine, SettingsAndDataAreTakenAsGiven) {
  const TCommandLine Help = ParseCommandLine({"dorvane", "--settings", "/srv/cup.ini", "--help"});
  EXPECT_EQ(Help.Action, TAction::ShowHelp);
  EXPECT_EQ(Help.SettingsFile, "/srv/cup.ini");

  const TCommandLine Line = ParseCommandLine(
      {"dorvane", "--settings", "/srv/cup.ini", "--data=/srv/records", "--screen", "2"});
  EXPECT_EQ(Line.Action, TAction::Run);
  EXPECT_EQ(Line.SettingsFile, "/srv/cup.ini");
  EXPECT_EQ(Line.DataDir, "/srv/records");
  EXPECT_EQ(Line.Screen, 2);
}

// The built program, without a display: what a user at a terminal sees.
struct TRun {
  int ExitCode = -1;
  QString Out;
  QString Err;
};

TRun RunProgram(const QStringList& Arguments, const QProcessEnvironment& Environment) {
  QProcess Program;
  Program.setProcessEnvironment(Environment);
  Program.start(QStringLiteral(DORVANE_PROGRAM), Arguments);
  if (!Program.waitForFinished(30000)) return {};
  return {Program.exitStatus() == QProcess::NormalExit ? Program.exitCode() : -1,
          QString::fromLocal8Bit(Program.readAllStandardOutput()),
          QString::fromLocal8Bit(Program.readAllStandardError())};
}

QProcessEnvironment WithoutDisplay() {
  QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
  for (const char* Name :
       {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
    Environment.remove(QString::fromLatin1(Name));
  Environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
  return Environment;
}

TEST(CommandLineProgram, HelpPrintsTheOptionsAndExitsWithoutADisplay) {
  const TRun Run = RunProgram({"--help"}, WithoutDisplay());
  EXPECT_EQ(Run.ExitCode, 0) << Run.Err.toStdString();
  for (const char* Option : {"--help", "--version", "--settings <FILE>", "--data <DIR>",
                             "--screen <N>", "--console", "--windowed"})
    EXPECT_TRUE(Run.Out.contains(QString::fromLatin1(Option))) << Option;
  EXPECT_TRUE(Run.Out.startsWith(QStringLiteral("Usage: "))) << Run.Out.toStdString();
}

TEST(CommandLineProgram, VersionPrintsTheVersionAndExits) {
  const TRun Run = RunProgram({"--version"}, WithoutDisplay());
  EXPECT_EQ(Run.ExitCode, 0) << Run.Err.toStdString();
  EXPECT_EQ(Run.Out, QStringLiteral("Dorvane " DORVANE_VERSION "\n"));
}

TEST(CommandLineProgram, AWrongOptionFailsWithAHint) {
  const TRun Run = RunProgram({"--screen", "left"}, WithoutDisplay());
  EXPECT_EQ(Run.ExitCode, 1);
  EXPECT_TRUE(Run.Out.isEmpty());
  EXPECT_TRUE(Run.Err.contains(QStringLiteral("--help"))) << Run.Err.toStdString();
}

// The help in the system's language, or in the one the settings name.
TEST(CommandLineProgram, HelpSpeaksTheChosenLanguage) {
  QTemporaryDir Folder;
  const QString Settings = Folder.filePath(QStringLiteral("cup.ini"));
  QFile File(Settings);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write("[Config]\r\nLanguage=ko\r\n");
  File.close();
  QProcessEnvironment German = WithoutDisplay();
  German.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));

  const TRun InGerman = RunProgram({"--help"}, German);
  EXPECT_EQ(InGerman.ExitCode, 0);
  EXPECT_TRUE(InGerman.Out.contains(QStringLiteral("Die Version zeigen und beenden.")))
      << InGerman.Out.toStdString();
  const TRun InKorean = RunProgram({"--settings", Settings, "--help"}, German);
  EXPECT_EQ(InKorean.ExitCode, 0);
  EXPECT_TRUE(InKorean.Out.contains(QStringLiteral("버전을 보이고 끝냅니다.")))
      << InKorean.Out.toStdString();
  EXPECT_TRUE(InKorean.Out.contains(QStringLiteral("--settings <FILE>")));
}

}  // namespace

namespace {

// Libraries loaded when first used: linked in, the loader would map and
// relocate them, and all they pull in, at every start.
struct TLateLibrary {
  const char* Name;
  const char* Linked;  // one the program does link, so that the list read is the real one
  const char* Loaded;  // the late one, which must not be in the list
};

const TLateLibrary LateLibraries[] = {
    // SDL2_mixer and its codec libraries, when a sound first plays.
    {"SoundBeforeASoundPlays", "libSDL2-2.0", "SDL2_mixer"},
    // libarchive, libxml2, nettle..., when an update opens a cabinet.
    {"ArchiveBeforeACabinetOpens", "libQt6Widgets", "libarchive"},
    // The live feed's libraries, only with its module when [Feed] asks for a feed.
    {"NetworkWithoutAFeed", "libQt6Widgets", "libQt6Network"},
    {"MqttWithoutAFeed", "libQt6Widgets", "libmosquitto"},
};

class ProgramStart : public testing::TestWithParam<TLateLibrary> {};

TEST_P(ProgramStart, LoadsNoLibraryBeforeItsFirstUse) {
  const TLateLibrary& Case = GetParam();
  QProcess Readelf;
  Readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), QStringLiteral(DORVANE_PROGRAM)});
  ASSERT_TRUE(Readelf.waitForFinished(30000));
  const QString Dynamic = QString::fromLocal8Bit(Readelf.readAllStandardOutput());
  ASSERT_TRUE(Dynamic.contains(QStringLiteral("(NEEDED)"))) << "readelf gave no dynamic section";
  EXPECT_TRUE(Dynamic.contains(QString::fromLatin1(Case.Linked))) << Dynamic.toStdString();
  EXPECT_FALSE(Dynamic.contains(QString::fromLatin1(Case.Loaded))) << Dynamic.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Table, ProgramStart, testing::ValuesIn(LateLibraries),
                         [](const testing::TestParamInfo<TLateLibrary>& Info) {
                           return std::string(Info.param.Name);
                         });

}  // namespace
