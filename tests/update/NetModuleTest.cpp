// The HTTP client as the program gets it: from the network module, loaded
// the first time an update or the news is fetched over HTTP.
#include <QFile>
#include <QLabel>
#include <QTest>

#include "UpdateFixture.h"
#include "support/core/CategoryMessages.h"
#include "support/core/ModuleFile.h"
#include "update/HttpClient.h"
#include "update/NewsWindow.h"
#include "update/UpdateHttp.h"

namespace {

TEST(NetModuleEntry, RefusesAProgramOfAnotherVersion) {
  const auto Open = ModuleFileEntry<TOpenHttpClient>(DORVANE_NET_MODULE, OpenHttpClientSymbol);
  ASSERT_NE(Open, nullptr);
  EXPECT_EQ(Open("0.0.1-other"), nullptr);
  const std::unique_ptr<THttpClient> Client(Open(DORVANE_VERSION));
  EXPECT_NE(Client, nullptr);
}

// The program's folder holds what the test puts there: with the module, the
// update check loads it as the program does.
class NetModule : public TUpdateFixture {
 protected:
  NetModule() { SetHttpClientMakerForTest(nullptr); }
  void PutModuleBesideTheProgram() {
    ASSERT_TRUE(QFile::copy(QStringLiteral(DORVANE_NET_MODULE),
                            ProgramPath(QStringLiteral("dorvane-net.so"))));
  }
  // A newer program over HTTP.
  void PublishNewProgram() {
    WriteProgramFile(QStringLiteral("dorvane"), "old program");
    FHttp.Serve(QStringLiteral("dorvane-99"), {NewProgram});
    FHttp.Serve(QStringLiteral("update.json"),
                {Description(QStringLiteral("99.0"),
                             {FileEntry(QStringLiteral("dorvane"), QStringLiteral("dorvane-99"),
                                        NewProgram)})});
    SetLocation(FHttp.Url(QStringLiteral("update.json")).toString());
  }

  const QByteArray NewProgram = QByteArray("new program ").repeated(3000);
};

TEST_F(NetModule, TheUpdateDownloadsThroughTheModuleBesideTheProgram) {
  PutModuleBesideTheProgram();
  PublishNewProgram();
  FAllowShutdown = true;
  RunCheck();
  EXPECT_EQ(DiscontinuedText(), QString());
  EXPECT_EQ(ProgramFile(QStringLiteral("dorvane")), NewProgram);
  EXPECT_EQ(FRestarts, 1);
}

TEST_F(NetModule, WithoutTheModuleTheUpdateIsDiscontinuedWithTheReason) {
  const TCategoryMessages Log("dorvane.update");
  PublishNewProgram();
  FAllowShutdown = true;
  RunCheck();
  EXPECT_TRUE(DiscontinuedText().startsWith(QLatin1String("The update location cannot be reached")))
      << DiscontinuedText().toStdString();
  EXPECT_TRUE(DiscontinuedText().contains(QLatin1String("HTTP is not available")))
      << DiscontinuedText().toStdString();
  EXPECT_TRUE(DiscontinuedText().contains(QLatin1String("dorvane-net.so")))
      << DiscontinuedText().toStdString();
  EXPECT_EQ(ProgramFile(QStringLiteral("dorvane")), QByteArray("old program"));
  ASSERT_EQ(Log.Texts().size(), 1) << Log.Texts().join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(Log.Texts()[0].startsWith(QLatin1String("No HTTP for the update and the news:")))
      << Log.Texts()[0].toStdString();
}

TEST_F(NetModule, WithoutTheModuleTheNewsSaysWhy) {
  PublishNewProgram();
  TfrmNews News;
  ASSERT_TRUE(QTest::qWaitFor(
      [&News] { return !News.StatusLine()->text().startsWith(QLatin1String("Loading")); }, 20000));
  EXPECT_TRUE(News.StatusLine()->text().startsWith(QLatin1String("The news cannot be shown.")))
      << News.StatusLine()->text().toStdString();
  EXPECT_TRUE(News.StatusLine()->text().contains(QLatin1String("HTTP is not available")))
      << News.StatusLine()->text().toStdString();
}

// A file:// location is read without the network module.
TEST_F(NetModule, AFileLocationNeedsNoModule) {
  const TCategoryMessages Log("dorvane.update");
  SetLocation(
      ServeFile(QStringLiteral("update.json"), Description(QStringLiteral(DORVANE_VERSION), {})));
  RunCheck();
  EXPECT_TRUE(FEvents.contains(QStringLiteral(
      "status 4 You have the latest version. No updates are available at this time.")))
      << FEvents.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(Log.Texts().isEmpty());
}

}  // namespace
