// The feed as the program gets it: from its module, loaded at run time.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "FeedClient.h"
#include "feed/FeedOutlet.h"
#include "feed/FeedSettings.h"
#include "support/core/FakeTimeSource.h"
#include "support/core/ModuleFile.h"

namespace {

QJsonObject MatchAt(quint16 Port) {
  const THttpAnswer Answer =
      HttpRequest("GET", QUrl(QStringLiteral("http://127.0.0.1:%1/api/match").arg(Port)));
  return Answer.Status == 200 ? QJsonDocument::fromJson(Answer.Body).object() : QJsonObject();
}

TOpenFeedModule ModuleEntry() {
  return ModuleFileEntry<TOpenFeedModule>(DORVANE_FEED_MODULE, OpenFeedModuleSymbol);
}

// The module keeps its own copy of the core: it must still tell time by the
// program's clock, or a running clock in the feed drifts from the board's.
TEST(FeedModule, TellsTimeByTheProgramsClock) {
  const TOpenFeedModule Open = ModuleEntry();
  ASSERT_NE(Open, nullptr);
  static TFakeTimeSource Time;
  TFeedSettings Settings;
  Settings.Port = FreeLoopbackPort();
  std::unique_ptr<TFeedOutlet> Feed(Open(DORVANE_VERSION, Settings, Time));
  ASSERT_NE(Feed, nullptr);
  ASSERT_EQ(Feed->Port(), Settings.Port);

  TMatchSnapshot Running;
  Running.Clock.State = TFeedClockState::Running;
  Running.Clock.RemainingMs = 90000;
  Running.Clock.TakenAtMs = Time.Now() * MsPerDay;
  Feed->Offer(Running);
  Time.AdvanceMs(1500);
  EXPECT_EQ(MatchAt(Feed->Port())[QStringLiteral("clock")][QStringLiteral("remainingMs")].toInt(),
            88500);
}

TEST(FeedModule, RefusesAProgramOfAnotherVersion) {
  const TOpenFeedModule Open = ModuleEntry();
  ASSERT_NE(Open, nullptr);
  TFakeTimeSource Time;
  TFeedSettings Settings;
  Settings.Port = FreeLoopbackPort();
  EXPECT_EQ(Open("0.0.1-other", Settings, Time), nullptr);
}

// The program run as a user runs it, with a feed server in its settings.
TEST(FeedModule, TheProgramServesTheMatchItsSettingsAskFor) {
  QTemporaryDir Dir;
  const quint16 Port = FreeLoopbackPort();
  QFile Settings(Dir.filePath(QStringLiteral("Dorvane.INI")));
  ASSERT_TRUE(Settings.open(QIODevice::WriteOnly));
  Settings.write(QStringLiteral("[Config]\r\nRedPlayer=Kim Min-jun\r\n[Feed]\r\nPort=%1\r\n")
                     .arg(Port)
                     .toUtf8());
  Settings.close();
  QProcess Program;
  Program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  Program.start(QStringLiteral(DORVANE_PROGRAM),
                {QStringLiteral("--settings"), Settings.fileName(), QStringLiteral("--data"),
                 Dir.path(), QStringLiteral("--windowed")});
  ASSERT_TRUE(Program.waitForStarted());

  // The server may answer before the board has offered its first snapshot,
  // which names the players.
  QString RedName;
  EXPECT_TRUE(WaitUntil(
      [&] {
        RedName = MatchAt(Port)[QStringLiteral("red")][QStringLiteral("name")].toString();
        return !RedName.isEmpty() || Program.state() == QProcess::NotRunning;
      },
      30000));
  EXPECT_EQ(RedName, QStringLiteral("Kim Min-jun"));
  Program.kill();
  Program.waitForFinished();
}

}  // namespace
