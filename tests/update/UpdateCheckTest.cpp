#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include "CabinetWriter.h"
#include "UpdateFixture.h"
#include "update/UpdateDownload.h"
#include "update/UpdateStaging.h"

namespace {

const QString Newer = QStringLiteral("99.0");
const QByteArray OldProgram = "old program";
const QByteArray NewProgram = QByteArray("new program ").repeated(3000);
const QByteArray NewHelp = "new help text";

enum class TTransport { File, Http };

class UpdateCheck : public TUpdateFixture {
 protected:
  // The description at update.json and its files, by name, served one way.
  void Publish(TTransport Transport, const QByteArray& Json,
               const QList<QPair<QString, QByteArray>>& Files = {}) {
    for (const auto& [Name, Content] : Files) {
      if (Transport == TTransport::File) {
        ServeFile(Name, Content);
      } else {
        FHttp.Serve(Name, {Content});
      }
    }
    if (Transport == TTransport::File) {
      SetLocation(ServeFile(QStringLiteral("update.json"), Json));
    } else {
      FHttp.Serve(QStringLiteral("update.json"), {Json});
      SetLocation(FHttp.Url(QStringLiteral("update.json")).toString());
    }
  }

  // A newer program and a new help file, the program already installed.
  void PublishNewProgram(TTransport Transport) {
    WriteProgramFile(QStringLiteral("dorvane"), OldProgram);
    QFile::setPermissions(ProgramPath(QStringLiteral("dorvane")),
                          QFile::permissions(ProgramPath(QStringLiteral("dorvane"))) |
                              QFileDevice::ExeOwner | QFileDevice::ExeGroup);
    Publish(
        Transport,
        Description(
            Newer, {FileEntry(QStringLiteral("dorvane"), QStringLiteral("dorvane-99"), NewProgram),
                    FileEntry(QStringLiteral("help/new.txt"), QStringLiteral("new.txt"), NewHelp)}),
        {{QStringLiteral("dorvane-99"), NewProgram}, {QStringLiteral("new.txt"), NewHelp}});
  }

  void ExpectNothingReplaced() {
    EXPECT_EQ(ProgramFile(QStringLiteral("dorvane")), OldProgram);
    EXPECT_FALSE(QFileInfo::exists(ProgramPath(QStringLiteral("help"))));
    EXPECT_FALSE(StagingExists());
    EXPECT_FALSE(FEvents.contains(QStringLiteral("ask")));
    EXPECT_EQ(FRestarts, 0);
  }
};

TEST_F(UpdateCheck, WithoutLocationSaysWhereToSetIt) {
  RunCheck();
  ASSERT_EQ(FEvents.size(), 2) << FEvents.join('|').toStdString();
  EXPECT_TRUE(DiscontinuedText().contains(QLatin1String("[Update]")));
  EXPECT_EQ(FEvents.last(), QStringLiteral("finished"));
}

TEST_F(UpdateCheck, UnreachableLocationIsDiscontinued) {
  SetLocation(QUrl::fromLocalFile(FServed.filePath(QStringLiteral("missing.json"))).toString());
  RunCheck();
  EXPECT_TRUE(DiscontinuedText().startsWith(QLatin1String("The update location cannot be reached")))
      << DiscontinuedText().toStdString();
}

TEST_F(UpdateCheck, PlainHttpToAnotherMachineIsRefused) {
  SetLocation(QStringLiteral("http://updates.invalid/update.json"));
  RunCheck();
  EXPECT_TRUE(DiscontinuedText().contains(QLatin1String("not an https://")));
}

TEST_F(UpdateCheck, InvalidJsonIsDiscontinued) {
  Publish(TTransport::Http, "{\"version\": \"99.0\", \"files\": [");
  RunCheck();
  EXPECT_EQ(DiscontinuedText(), QStringLiteral("The update description is not valid JSON."));
}

TEST_F(UpdateCheck, SameVersionIsTheLatest) {
  Publish(TTransport::File, Description(QStringLiteral(DORVANE_VERSION), {}));
  RunCheck();
  EXPECT_EQ(FEvents, QStringList({QStringLiteral("status 4 You have the latest version. No "
                                                 "updates are available at this time."),
                                  QStringLiteral("finished")}));
  EXPECT_FALSE(StagingExists());
}

class NewerVersion : public UpdateCheck, public testing::WithParamInterface<TTransport> {};

TEST_P(NewerVersion, DownloadsVerifiesInstallsAndRestartsOnYes) {
  PublishNewProgram(GetParam());
  const QFileDevice::Permissions Mode = QFile::permissions(ProgramPath(QStringLiteral("dorvane")));
  FAllowShutdown = true;
  RunCheck();

  const QString Size = QString::number(NewProgram.size());
  ASSERT_GE(FEvents.size(), 6) << FEvents.join('|').toStdString();
  EXPECT_EQ(FEvents.first(), QStringLiteral("begin"));
  EXPECT_TRUE(FEvents.contains(QStringLiteral("progress dorvane %1 %1").arg(Size)));
  EXPECT_TRUE(FEvents.contains(QStringLiteral("progress help/new.txt 13 13")));
  EXPECT_EQ(FEvents.count(QStringLiteral("begin")), 2);
  EXPECT_EQ(
      FEvents.mid(FEvents.size() - 3),
      QStringList({QStringLiteral("ask"), QStringLiteral("finished"), QStringLiteral("close")}));
  EXPECT_EQ(FRestarts, 1);
  EXPECT_EQ(ProgramFile(QStringLiteral("dorvane")), NewProgram);
  EXPECT_EQ(QFile::permissions(ProgramPath(QStringLiteral("dorvane"))), Mode);
  EXPECT_EQ(ProgramFile(QStringLiteral("help/new.txt")), NewHelp);
  EXPECT_FALSE(StagingExists());
  EXPECT_FALSE(QFileInfo::exists(ProgramPath(QStringLiteral("dorvane.update-new"))));
}

INSTANTIATE_TEST_SUITE_P(Update, NewerVersion, testing::Values(TTransport::File, TTransport::Http));

TEST_F(UpdateCheck, DeclinedUpdateIsInstalledAtTheNextStart) {
  PublishNewProgram(TTransport::Http);
  RunCheck();
  EXPECT_EQ(FEvents.mid(FEvents.size() - 2),
            QStringList({QStringLiteral("ask"), QStringLiteral("finished")}));
  EXPECT_EQ(FRestarts, 0);
  EXPECT_EQ(ProgramFile(QStringLiteral("dorvane")), OldProgram);
  ASSERT_TRUE(StagingExists());

  EXPECT_TRUE(InstallStagedUpdate());
  EXPECT_EQ(ProgramFile(QStringLiteral("dorvane")), NewProgram);
  EXPECT_EQ(ProgramFile(QStringLiteral("help/new.txt")), NewHelp);
  EXPECT_FALSE(StagingExists());
}

TEST_F(UpdateCheck, ChangedStagedFileIsNotInstalledAtStart) {
  PublishNewProgram(TTransport::File);
  RunCheck();
  QFile Staged(StagedFilePath(QStringLiteral("help/new.txt")));
  ASSERT_TRUE(Staged.open(QIODevice::WriteOnly));
  Staged.write("changed help text");
  Staged.close();

  EXPECT_FALSE(InstallStagedUpdate());
  EXPECT_EQ(ProgramFile(QStringLiteral("dorvane")), OldProgram);
  EXPECT_FALSE(QFileInfo::exists(ProgramPath(QStringLiteral("help/new.txt"))));
  EXPECT_FALSE(StagingExists());
}

struct TServerFault {
  const char* Name;
  TLoopbackHttpServer::TRoute Served;  // what comes for the help file
  const char* Says;
};

class ServerFault : public UpdateCheck, public testing::WithParamInterface<TServerFault> {};

TEST_P(ServerFault, DiscontinuesAndReplacesNothing) {
  WriteProgramFile(QStringLiteral("dorvane"), OldProgram);
  FHttp.Serve(QStringLiteral("dorvane-99"), {NewProgram});
  FHttp.Serve(QStringLiteral("new.txt"), GetParam().Served);
  Publish(
      TTransport::Http,
      Description(Newer,
                  {FileEntry(QStringLiteral("dorvane"), QStringLiteral("dorvane-99"), NewProgram),
                   FileEntry(QStringLiteral("help/new.txt"), QStringLiteral("new.txt"), NewHelp)}));
  FAllowShutdown = true;
  RunCheck();
  EXPECT_TRUE(DiscontinuedText().contains(QLatin1String(GetParam().Says)))
      << DiscontinuedText().toStdString();
  ExpectNothingReplaced();
}

INSTANTIATE_TEST_SUITE_P(
    Update, ServerFault,
    testing::Values(
        TServerFault{"BadChecksum", {"new help TEXT"}, "does not match its SHA-256 sum"},
        TServerFault{"LargerAnnounced", {NewHelp + QByteArray(4096, 'x')}, "larger than announced"},
        TServerFault{"LargerUnannounced",
                     {NewHelp + QByteArray(4096, 'x'), false, true},
                     "larger than announced"},
        TServerFault{"StopsHalfway", {NewHelp, true}, "new.txt: Connection closed"},
        TServerFault{"StopsHalfwayWithoutLength", {NewHelp, true, true}, "ended early"}),
    [](const testing::TestParamInfo<TServerFault>& Info) { return Info.param.Name; });

struct TRedirect {
  const char* Name;
  // Where the program file's address sends the download: a path on the
  // test's server, or a full address.
  const char* Target;
  // In the message that ends the check; nullptr: the update is installed.
  const char* Says;
};

class Redirect : public UpdateCheck, public testing::WithParamInterface<TRedirect> {};

// A redirect must pass the rules of the update location itself.
TEST_P(Redirect, IsFollowedOnlyToAnAllowedAddress) {
  WriteProgramFile(QStringLiteral("dorvane"), OldProgram);
  FHttp.Serve(QStringLiteral("dorvane-99"), {NewProgram});
  const QString Target = QString::fromLatin1(GetParam().Target);
  FHttp.Redirect(QStringLiteral("moved"),
                 Target.contains(QLatin1String("://")) ? QUrl(Target) : FHttp.Url(Target));
  Publish(TTransport::Http, Description(Newer, {FileEntry(QStringLiteral("dorvane"),
                                                          QStringLiteral("moved"), NewProgram)}));
  FAllowShutdown = true;
  RunCheck();
  if (!GetParam().Says) {
    EXPECT_EQ(DiscontinuedText(), QString());
    EXPECT_EQ(ProgramFile(QStringLiteral("dorvane")), NewProgram);
    return;
  }
  EXPECT_TRUE(DiscontinuedText().contains(QLatin1String(GetParam().Says)))
      << DiscontinuedText().toStdString();
  ExpectNothingReplaced();
}

INSTANTIATE_TEST_SUITE_P(
    Update, Redirect,
    testing::Values(TRedirect{"ToThisMachine", "dorvane-99", nullptr},
                    TRedirect{"ToPlainHttpElsewhere", "http://updates.invalid/dorvane-99",
                              "redirects to an address that is not allowed: "
                              "http://updates.invalid/dorvane-99"}),
    [](const testing::TestParamInfo<TRedirect>& Info) { return Info.param.Name; });

TEST_F(UpdateCheck, MissingFileIsDiscontinued) {
  WriteProgramFile(QStringLiteral("dorvane"), OldProgram);
  Publish(TTransport::Http, Description(Newer, {FileEntry(QStringLiteral("dorvane"),
                                                          QStringLiteral("gone"), NewProgram)}));
  RunCheck();
  EXPECT_TRUE(DiscontinuedText().contains(QLatin1String("404")))
      << DiscontinuedText().toStdString();
  ExpectNothingReplaced();
}

TEST_F(UpdateCheck, PathThroughALinkOutOfTheFolderIsRefused) {
  WriteProgramFile(QStringLiteral("dorvane"), OldProgram);
  ASSERT_TRUE(QFile::link(FServed.path(), ProgramPath(QStringLiteral("linked"))));
  Publish(TTransport::File,
          Description(Newer, {FileEntry(QStringLiteral("linked/evil.txt"),
                                        QStringLiteral("new.txt"), NewHelp)}),
          {{QStringLiteral("new.txt"), NewHelp}});
  FAllowShutdown = true;
  RunCheck();
  EXPECT_TRUE(DiscontinuedText().contains(QLatin1String("would leave the program's folder")));
  EXPECT_FALSE(FEvents.contains(QStringLiteral("begin")));
  EXPECT_FALSE(QFileInfo::exists(FServed.filePath(QStringLiteral("evil.txt"))));
}

TEST_F(UpdateCheck, CabinetIsUnpackedIntoItsFolder) {
  const QByteArray Cabinet = MakeCabinet(
      {{QStringLiteral("a.txt"), "first"}, {QStringLiteral("sub/b.txt"), "second file"}});
  Publish(TTransport::File,
          Description(Newer, {FileEntry(QStringLiteral("help/help.cab"), QStringLiteral("h.cab"),
                                        Cabinet)}),
          {{QStringLiteral("h.cab"), Cabinet}});
  FAllowShutdown = true;
  RunCheck();
  EXPECT_TRUE(DiscontinuedText().isEmpty()) << DiscontinuedText().toStdString();
  EXPECT_EQ(ProgramFile(QStringLiteral("help/a.txt")), QByteArray("first"));
  EXPECT_EQ(ProgramFile(QStringLiteral("help/sub/b.txt")), QByteArray("second file"));
  EXPECT_FALSE(QFileInfo::exists(ProgramPath(QStringLiteral("help/help.cab"))));
}

TEST_F(UpdateCheck, CabinetEntryLeavingTheFolderIsRefused) {
  const QByteArray Cabinet = MakeCabinet({{QStringLiteral("../../evil.txt"), "evil"}});
  Publish(TTransport::File,
          Description(Newer, {FileEntry(QStringLiteral("help/help.cab"), QStringLiteral("h.cab"),
                                        Cabinet)}),
          {{QStringLiteral("h.cab"), Cabinet}});
  FAllowShutdown = true;
  RunCheck();
  EXPECT_TRUE(DiscontinuedText().contains(QLatin1String("would leave the program's folder")))
      << DiscontinuedText().toStdString();
  EXPECT_FALSE(QFileInfo::exists(QDir(FProgram.path()).filePath(QStringLiteral("../evil.txt"))));
  EXPECT_FALSE(StagingExists());
  EXPECT_EQ(FRestarts, 0);
}

struct TInstallFault {
  const char* Name;
  QStringList Order;  // of the update's files; "sounds" is a folder and fails
  bool AtStart;       // installed at the next start, not on Yes
};

class InstallFault : public UpdateCheck, public testing::WithParamInterface<TInstallFault> {};

TEST_P(InstallFault, LeavesEveryFileAsItWasAndIsNotTriedAgain) {
  WriteProgramFile(QStringLiteral("dorvane"), OldProgram);
  const QFileDevice::Permissions Mode = QFile::permissions(ProgramPath(QStringLiteral("dorvane")));
  WriteProgramFile(QStringLiteral("sounds/End.wav"), "wave");
  const QMap<QString, QJsonObject> Entries{
      {QStringLiteral("dorvane"),
       FileEntry(QStringLiteral("dorvane"), QStringLiteral("dorvane-99"), NewProgram)},
      {QStringLiteral("help/new.txt"),
       FileEntry(QStringLiteral("help/new.txt"), QStringLiteral("new.txt"), NewHelp)},
      {QStringLiteral("sounds"),
       FileEntry(QStringLiteral("sounds"), QStringLiteral("new.txt"), NewHelp)}};
  QJsonArray Files;
  for (const QString& Path : GetParam().Order) Files.append(Entries[Path]);
  Publish(TTransport::File, Description(Newer, Files),
          {{QStringLiteral("dorvane-99"), NewProgram}, {QStringLiteral("new.txt"), NewHelp}});
  FAllowShutdown = !GetParam().AtStart;
  RunCheck();
  if (GetParam().AtStart) {
    ASSERT_TRUE(StagingExists());
    EXPECT_FALSE(InstallStagedUpdate());
  } else {
    EXPECT_TRUE(DiscontinuedText().startsWith(QLatin1String("Unable to replace")))
        << DiscontinuedText().toStdString();
    EXPECT_TRUE(DiscontinuedText().contains(QLatin1String("sounds")));
  }

  EXPECT_EQ(ProgramFile(QStringLiteral("dorvane")), OldProgram);
  EXPECT_EQ(QFile::permissions(ProgramPath(QStringLiteral("dorvane"))), Mode);
  EXPECT_EQ(ProgramFile(QStringLiteral("sounds/End.wav")), QByteArray("wave"));
  EXPECT_FALSE(QFileInfo::exists(ProgramPath(QStringLiteral("help/new.txt"))));
  QStringList Left = QDir(FProgram.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  Left.removeOne(QStringLiteral("Dorvane.INI"));
  Left.removeOne(QStringLiteral("help"));
  EXPECT_EQ(Left, QStringList({QStringLiteral("dorvane"), QStringLiteral("sounds")}));
  EXPECT_EQ(FRestarts, 0);
  // Not tried again at the next start.
  EXPECT_FALSE(StagingExists());
  EXPECT_FALSE(InstallStagedUpdate());
}

INSTANTIATE_TEST_SUITE_P(
    Update, InstallFault,
    testing::Values(
        TInstallFault{"SecondFileOnYes", {"dorvane", "sounds"}, false},
        TInstallFault{"ThirdFileAfterANewOneOnYes", {"dorvane", "help/new.txt", "sounds"}, false},
        TInstallFault{"SecondFileAtStart", {"dorvane", "sounds", "help/new.txt"}, true},
        TInstallFault{"NewFileFirstAtStart", {"help/new.txt", "dorvane", "sounds"}, true}),
    [](const testing::TestParamInfo<TInstallFault>& Info) { return Info.param.Name; });

TEST_F(UpdateCheck, LocationThatNeverAnswersTimesOutWithoutBlocking) {
  const QString Fifo = FServed.filePath(QStringLiteral("update.json"));
  ASSERT_EQ(mkfifo(QFile::encodeName(Fifo).constData(), 0600), 0);
  SetLocation(QUrl::fromLocalFile(Fifo).toString());
  SetUpdateTransferTimeoutForTest(300);
  bool TurnedWhileWaiting = false;
  QTimer::singleShot(0, [this, &TurnedWhileWaiting] { TurnedWhileWaiting = FCheck.InProgress(); });
  FCheck.Start();
  EXPECT_TRUE(QTest::qWaitFor([this] { return !FCheck.InProgress(); }, 10000));
  SetUpdateTransferTimeoutForTest(30000);
  EXPECT_TRUE(TurnedWhileWaiting);
  EXPECT_TRUE(DiscontinuedText().startsWith(QLatin1String("The update location cannot be reached")))
      << DiscontinuedText().toStdString();
  EXPECT_TRUE(DiscontinuedText().contains(QLatin1String("nothing arrived for 0.3 seconds")))
      << DiscontinuedText().toStdString();
  // Lets the reading thread, still waiting for a writer, end.
  QFile Writer(Fifo);
  ASSERT_TRUE(Writer.open(QIODevice::WriteOnly));
}

}  // namespace
