#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/ProgramDir.h"
#include "platform/UserFolders.h"

namespace {

struct TFolderCase {
  const char* Name;
  TFolderSources Sources;
  TUserFolders Expected;
};

TFolderSources Sources(const char* ProgramDir, bool Writable, const char* ConfigHome = "",
                       const char* DataHome = "", const char* SettingsOption = "",
                       const char* DataOption = "") {
  TFolderSources Result;
  Result.ProgramDir = QString::fromUtf8(ProgramDir);
  Result.ProgramDirWritable = Writable;
  Result.XdgConfigHome = QString::fromUtf8(ConfigHome);
  Result.XdgDataHome = QString::fromUtf8(DataHome);
  Result.Home = QStringLiteral("/home/ana");
  Result.SettingsOption = QString::fromUtf8(SettingsOption);
  Result.DataOption = QString::fromUtf8(DataOption);
  return Result;
}

TUserFolders Folders(const char* SettingsFile, const char* DataDir, bool Installed) {
  return {QString::fromUtf8(SettingsFile), QString::fromUtf8(DataDir), Installed};
}

const TFolderCase FolderCases[] = {
    {"CopyInWritableFolder", Sources("/home/ana/dorvane", true, "/home/ana/cfg", "/home/ana/dat"),
     Folders("/home/ana/dorvane/Dorvane.INI", "/home/ana/dorvane/Data", false)},
    {"ReadOnlyFolderWithXdgSet", Sources("/opt/dorvane", false, "/home/ana/cfg", "/home/ana/dat"),
     Folders("/home/ana/cfg/Dorvane/Dorvane.INI", "/home/ana/dat/Dorvane/Data", true)},
    {"ReadOnlyFolderWithoutXdg", Sources("/opt/dorvane", false),
     Folders("/home/ana/.config/Dorvane/Dorvane.INI", "/home/ana/.local/share/Dorvane/Data", true)},
    // The XDG rule: a relative path in the variable is ignored.
    {"RelativeXdgIgnored", Sources("/opt/dorvane", false, "cfg", "dat"),
     Folders("/home/ana/.config/Dorvane/Dorvane.INI", "/home/ana/.local/share/Dorvane/Data", true)},
    // Root may write to /usr/bin, but the package manager owns it.
    {"SystemFolderWritableByRoot", Sources("/usr/bin", true, "/root/cfg", "/root/dat"),
     Folders("/root/cfg/Dorvane/Dorvane.INI", "/root/dat/Dorvane/Data", true)},
    {"UsrLookalikeIsNotSystem", Sources("/usrlocal/dorvane", true),
     Folders("/usrlocal/dorvane/Dorvane.INI", "/usrlocal/dorvane/Data", false)},
    {"ExplicitOptionsInWritableFolder",
     Sources("/home/ana/dorvane", true, "", "", "/srv/cup/cup.ini", "/srv/cup/records"),
     Folders("/srv/cup/cup.ini", "/srv/cup/records", false)},
    {"ExplicitOptionsWhenInstalled",
     Sources("/usr/bin", false, "/home/ana/cfg", "", "/srv/cup/cup.ini", "/srv/cup/records/"),
     Folders("/srv/cup/cup.ini", "/srv/cup/records", true)},
    {"OnlySettingsGiven", Sources("/usr/bin", false, "", "/home/ana/dat", "/srv/cup.ini"),
     Folders("/srv/cup.ini", "/home/ana/dat/Dorvane/Data", true)},
};

class UserFolderRules : public testing::TestWithParam<TFolderCase> {};

TEST_P(UserFolderRules, ChoosesSettingsAndDataFolders) {
  const TFolderCase& Case = GetParam();
  const TUserFolders Chosen = ChooseUserFolders(Case.Sources);
  EXPECT_EQ(Chosen.SettingsFile, Case.Expected.SettingsFile);
  EXPECT_EQ(Chosen.DataDir, Case.Expected.DataDir);
  EXPECT_EQ(Chosen.Installed, Case.Expected.Installed);
}

INSTANTIATE_TEST_SUITE_P(Table, UserFolderRules, testing::ValuesIn(FolderCases),
                         [](const testing::TestParamInfo<TFolderCase>& Info) {
                           return std::string(Info.param.Name);
                         });

TEST(UserFolders, RelativeOptionsAreTakenFromTheCurrentFolder) {
  TFolderSources Given = Sources("/usr/bin", false);
  Given.SettingsOption = QStringLiteral("cup.ini");
  Given.DataOption = QStringLiteral("records");
  const TUserFolders Chosen = ChooseUserFolders(Given);
  EXPECT_EQ(Chosen.SettingsFile, QDir::current().filePath(QStringLiteral("cup.ini")));
  EXPECT_EQ(Chosen.DataDir, QDir::current().filePath(QStringLiteral("records")));
}

class UserFoldersInUse : public testing::Test {
 protected:
  UserFoldersInUse() { SetProgramDirForTest(FProgram.path()); }
  ~UserFoldersInUse() override {
    ForgetUserFolders();
    SetProgramDirForTest(QString());
  }
  QTemporaryDir FProgram;
  QTemporaryDir FUser;
};

TEST_F(UserFoldersInUse, WithoutAChoiceEverythingIsBesideTheProgram) {
  EXPECT_EQ(SettingsFilePath(), FProgram.filePath(QStringLiteral("Dorvane.INI")));
  EXPECT_EQ(DataDir(), FProgram.filePath(QStringLiteral("Data")));
  EXPECT_FALSE(IsInstalledCopy());
}

TEST_F(UserFoldersInUse, SettingsAndRecordsFollowTheChosenFolders) {
  const QString Settings = FUser.filePath(QStringLiteral("config/Dorvane/Dorvane.INI"));
  const QString Data = FUser.filePath(QStringLiteral("share/Dorvane/Data"));
  UseUserFolders({Settings, Data, true});
  CreateSettingsFolder();
  EXPECT_EQ(SettingsFilePath(), Settings);
  EXPECT_TRUE(QDir(FUser.filePath(QStringLiteral("config/Dorvane"))).exists());
  EXPECT_EQ(DataDir(), Data);
  EXPECT_TRUE(IsInstalledCopy());
  EXPECT_TRUE(QDir(FProgram.path()).isEmpty());
}

}  // namespace
