#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QStringList>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "platform/LocalSocketServer.h"
#include "support/core/CategoryMessages.h"
#include "support/core/FileLimitScope.h"
#include "support/core/LocalSockets.h"
#include "support/core/RunUntil.h"

namespace {

// What a server told, in order: "new N", "data N <bytes>", "gone N".
struct TServerEvents {
  explicit TServerEvents(TLocalSocketServer& Server) {
    Server.SetOnNewConnection([this](quint64 Id) { Events << QStringLiteral("new %1").arg(Id); });
    Server.SetOnData([this](quint64 Id, const QByteArray& Data) {
      Received[Id] += Data;
      Events << QStringLiteral("data %1").arg(Id);
    });
    Server.SetOnDisconnected([this](quint64 Id) { Events << QStringLiteral("gone %1").arg(Id); });
  }
  QStringList Events;
  QHash<quint64, QByteArray> Received;
};

class TTempDirScope {
 public:
  explicit TTempDirScope(const QString& Path) : FSaved(qgetenv("TMPDIR")) {
    qputenv("TMPDIR", QFile::encodeName(Path));
  }
  ~TTempDirScope() { qputenv("TMPDIR", FSaved); }
  TTempDirScope(const TTempDirScope&) = delete;
  TTempDirScope& operator=(const TTempDirScope&) = delete;

 private:
  QByteArray FSaved;
};

// A server listening on a socket file of its own, and what it told.
class LocalSocketListening : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Server.Listen(Path)); }

  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("socket"));
  TLocalSocketServer Server;
  TServerEvents Events{Server};
};

TEST(LocalSocketServer, PutsANameWithoutALeadingSlashInTheTemporaryFolder) {
  QTemporaryDir Dir;
  // A trailing slash in TMPDIR gives no doubled one, as with QLocalServer.
  const TTempDirScope Temp(Dir.path() + QStringLiteral("//"));
  const struct {
    QString Name;
    QString Path;
  } Cases[] = {
      {QStringLiteral("Dorvane"), Dir.path() + QStringLiteral("/Dorvane")},
      {QStringLiteral("sub/Dorvane"), Dir.path() + QStringLiteral("/sub/Dorvane")},
      {QStringLiteral("/run/board/Dorvane"), QStringLiteral("/run/board/Dorvane")},
  };
  for (const auto& Case : Cases) {
    EXPECT_EQ(TLocalSocketServer::FullPathOf(Case.Name), Case.Path) << Case.Name.toStdString();
  }
  TLocalSocketServer Server;
  ASSERT_TRUE(Server.Listen(QStringLiteral("Dorvane")));
  EXPECT_EQ(Server.FullServerName(), Dir.path() + QStringLiteral("/Dorvane"));
  EXPECT_TRUE(QFile::exists(Dir.filePath(QStringLiteral("Dorvane"))));
}

TEST_F(LocalSocketListening, RefusesANameInUseAndRemovesOnlyItsOwnFile) {
  ASSERT_TRUE(Server.IsListening());

  TLocalSocketServer Second;
  QString Error;
  EXPECT_FALSE(Second.Listen(Path, &Error));
  EXPECT_EQ(Error, QString::fromLocal8Bit(std::strerror(EADDRINUSE)));
  EXPECT_FALSE(Second.IsListening());
  // The refused one touched nothing: the listener still takes senders.
  TPlainSender Sender(Path);
  ASSERT_TRUE(Sender.Connected());
  EXPECT_TRUE(RunUntil([&] { return !Events.Events.isEmpty(); }, 5000));
  EXPECT_TRUE(Server.IsListening());

  // Its file removed and another made in its place: it is no longer
  // reachable, and closing it leaves the newcomer's file alone.
  ASSERT_TRUE(QFile::remove(Path));
  EXPECT_FALSE(Server.IsListening());
  ASSERT_TRUE(Second.Listen(Path));
  Server.Close();
  EXPECT_TRUE(QFile::exists(Path));
  EXPECT_TRUE(Second.IsListening());
  Second.Close();
  EXPECT_FALSE(QFile::exists(Path));
  EXPECT_FALSE(Second.IsListening());
}

TEST(LocalSocketServer, RemovesAStaleFileButNeverOneSomebodyAnswersOn) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath(QStringLiteral("socket"));
  QString Error;

  EXPECT_TRUE(TLocalSocketServer::RemoveStale(Path, &Error)) << "nothing there";

  ASSERT_TRUE(LeaveClosedListener(Path));
  EXPECT_TRUE(TLocalSocketServer::RemoveStale(Path, &Error)) << Error.toStdString();
  EXPECT_FALSE(QFile::exists(Path));

  TLocalSocketServer Live;
  ASSERT_TRUE(Live.Listen(Path));
  EXPECT_FALSE(TLocalSocketServer::RemoveStale(Path, &Error));
  EXPECT_FALSE(Error.isEmpty());
  EXPECT_TRUE(Live.IsListening());
}

TEST_F(LocalSocketListening, AListenerTooBusyToTakeTheProbeIsStillAlive) {
  // Its event loop does not run: senders fill its queue.
  const TQueueFiller Queue(Path);
  ASSERT_TRUE(Queue.Full());
  EXPECT_GE(Queue.Queued(), TLocalSocketServer::Backlog);
  QString Error;
  EXPECT_FALSE(TLocalSocketServer::RemoveStale(Path, &Error));
  EXPECT_TRUE(Server.IsListening());
}

TEST_F(LocalSocketListening, DeliversAllDataInOrderThenTheDisconnect) {
  // More than one read takes, in pieces, then the sender's close.
  QByteArray Payload;
  for (int I = 0; Payload.size() < 300 * 1024; ++I) Payload += QByteArray::number(I) + '\n';
  {
    TPlainSender Sender(Path);
    ASSERT_TRUE(Sender.Connected());
    ASSERT_TRUE(Sender.Send(Payload.left(1000)));
    ASSERT_TRUE(RunUntil([&] { return Events.Received.value(1).size() == 1000; }, 5000));
    ASSERT_TRUE(Sender.Send(Payload.mid(1000)));
  }
  ASSERT_TRUE(RunUntil([&] { return Events.Events.contains(QStringLiteral("gone 1")); }, 5000));
  EXPECT_EQ(Events.Received.value(1), Payload);
  EXPECT_EQ(Events.Events.first(), QStringLiteral("new 1"));
  EXPECT_EQ(Events.Events.last(), QStringLiteral("gone 1"));
  EXPECT_EQ(Events.Events.count(QStringLiteral("gone 1")), 1);
}

TEST_F(LocalSocketListening, DisconnectClosesAtOnceWithoutAnEvent) {
  TPlainSender Kept(Path);
  TPlainSender Dropped(Path);
  ASSERT_TRUE(Kept.Connected() && Dropped.Connected());
  ASSERT_TRUE(RunUntil([&] { return Events.Events.size() == 2; }, 5000));

  Server.Disconnect(2);
  EXPECT_TRUE(Dropped.ClosedByPeer(5000));
  ASSERT_TRUE(Kept.Send("still here"));
  ASSERT_TRUE(RunUntil([&] { return Events.Received.contains(1); }, 5000));
  EXPECT_EQ(Events.Events, (QStringList{"new 1", "new 2", "data 1"}));
  EXPECT_FALSE(Kept.ClosedByPeer(0));
}

TEST_F(LocalSocketListening, StopsListeningOnceWhenOutOfFilesInsteadOfSpinning) {
  TPlainSender Waiting(Path);
  ASSERT_TRUE(Waiting.Connected());

  const TCategoryMessages Log("dorvane.localsocket");
  {
    const TFileLimitScope Limit;
    ASSERT_TRUE(RunUntil([&] { return !Server.IsListening(); }, 5000));
    // A listener left watching would wake every turn of the loop.
    for (int I = 0; I < 20; ++I) QCoreApplication::processEvents();
  }
  ASSERT_EQ(Log.Texts().size(), 1) << Log.Texts().join('\n').toStdString();
  EXPECT_TRUE(Log.Texts().first().contains(QString::fromLocal8Bit(std::strerror(EMFILE))));
  EXPECT_FALSE(QFile::exists(Path));
  EXPECT_TRUE(Events.Events.isEmpty());
  EXPECT_TRUE(Waiting.ClosedByPeer(5000));

  ASSERT_TRUE(Server.Listen(Path));
  TPlainSender Later(Path);
  ASSERT_TRUE(Later.Send("x"));
  // The sender left waiting was never taken: the new one is the first.
  EXPECT_TRUE(RunUntil([&] { return Events.Received.value(1) == "x"; }, 5000));
}

}  // namespace
