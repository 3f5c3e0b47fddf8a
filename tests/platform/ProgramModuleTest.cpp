// Finding and loading a module of the program, with a real module of it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/ProgramDir.h"
#include "platform/ProgramModule.h"
#include "support/core/CategoryMessages.h"

namespace {

Q_LOGGING_CATEGORY(lcModuleTest, "dorvane.moduletest")

constexpr TProgramModule NetModule{"dorvane-net.so", lcModuleTest, "No test"};
constexpr char Entry[] = "DorvaneOpenHttpClient";

enum class TPut { Nothing, Module, NotAModule };

struct TModuleCase {
  const char* Name;
  TPut Beside;     // in the program's folder
  TPut Installed;  // where the package installs it, from the program's folder
  const char* Symbol;
  const char* Says;  // in the error and the log; nullptr: the entry is found
};

class ProgramModule : public testing::TestWithParam<TModuleCase> {
 protected:
  // The program in <temporary>/bin, so the installed folder stays inside the temporary one.
  ProgramModule() : FProgram(FRoot.filePath(QStringLiteral("bin"))) {
    QDir().mkpath(FProgram);
    SetProgramDirForTest(FProgram);
  }
  ~ProgramModule() override { SetProgramDirForTest(QString()); }

  static void Put(TPut What, const QString& Folder) {
    const QString Path = QDir(Folder).filePath(QLatin1String(NetModule.FileName));
    if (What == TPut::Module) {
      ASSERT_TRUE(QDir().mkpath(Folder));
      ASSERT_TRUE(QFile::copy(QStringLiteral(DORVANE_NET_MODULE), Path));
    } else if (What == TPut::NotAModule) {
      ASSERT_TRUE(QDir().mkpath(Folder));
      QFile File(Path);
      ASSERT_TRUE(File.open(QIODevice::WriteOnly));
      File.write("no library");
    }
  }

  QTemporaryDir FRoot;
  QString FProgram;
};

TEST_P(ProgramModule, FindsItBesideTheProgramOrWhereThePackageInstallsIt) {
  Put(GetParam().Beside, FProgram);
  Put(GetParam().Installed, QDir(FProgram).filePath(QStringLiteral(DORVANE_MODULE_DIR)));
  const TCategoryMessages Log("dorvane.moduletest");
  QString Error;
  const QFunctionPointer Found = ProgramModuleEntry(NetModule, GetParam().Symbol, Error);
  if (!GetParam().Says) {
    EXPECT_NE(Found, nullptr) << Error.toStdString();
    EXPECT_TRUE(Log.Texts().isEmpty());
    return;
  }
  EXPECT_EQ(Found, nullptr);
  EXPECT_TRUE(Error.contains(QLatin1String(GetParam().Says))) << Error.toStdString();
  EXPECT_EQ(Log.Texts(), QStringList(QStringLiteral("No test: ") + Error));
}

INSTANTIATE_TEST_SUITE_P(
    Platform, ProgramModule,
    testing::Values(TModuleCase{"Beside", TPut::Module, TPut::Nothing, Entry, nullptr},
                    TModuleCase{"Installed", TPut::Nothing, TPut::Module, Entry, nullptr},
                    TModuleCase{"BesideFirst", TPut::Module, TPut::NotAModule, Entry, nullptr},
                    TModuleCase{"Nowhere", TPut::Nothing, TPut::Nothing, Entry, "did not load"},
                    TModuleCase{"NotALibrary", TPut::NotAModule, TPut::Module, Entry,
                                "did not load"},
                    TModuleCase{"LacksTheEntry", TPut::Module, TPut::Nothing, "DorvaneNoSuchEntry",
                                "lacks DorvaneNoSuchEntry"}),
    [](const testing::TestParamInfo<TModuleCase>& Info) { return Info.param.Name; });

}  // namespace
