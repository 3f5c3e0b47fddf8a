#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFileInfo>
#include <QLocalSocket>
#include <QTest>
#include <memory>
#include <vector>

#include "board/AppMessageServer.h"
#include "model/ScoreManager.h"
#include "support/ui/BoardFixture.h"

namespace {

QString UniqueName(const char* Kind) {
  return QStringLiteral("DorvaneTest-%1-%2")
      .arg(QLatin1String(Kind))
      .arg(QCoreApplication::applicationPid());
}

std::unique_ptr<QLocalSocket> Connect(const QString& Name) {
  auto Socket = std::make_unique<QLocalSocket>();
  Socket->connectToServer(Name);
  if (!Socket->waitForConnected(2000)) return nullptr;
  return Socket;
}

struct TSplitCase {
  const char* Name;
  std::vector<QByteArray> Chunks;
  QList<QByteArray> Lines;
};

TEST(LineSplitter, CutsLinesAndDropsOverLongOnesWhole) {
  const QByteArray Long(300, 'x');
  const TSplitCase Cases[] = {
      {"two lines in one chunk", {"100\n101 7\n"}, {"100", "101 7"}},
      {"a line in pieces", {"10", "1 ", "7\n"}, {"101 7"}},
      {"no line end yet", {"101 7"}, {}},
      {"an over-long line's tail", {Long + "101 7\n100\n"}, {"100"}},
      {"an over-long line in pieces", {Long, "101 7", "\n101 2\n"}, {"101 2"}},
      {"exactly the limit", {QByteArray(255, 'y') + "\n"}, {QByteArray(255, 'y')}},
      {"one past the limit", {QByteArray(256, 'y') + "\n"}, {}},
  };
  for (const TSplitCase& Case : Cases) {
    TLineSplitter Splitter(TAppMessageServer::MaxLineLength);
    QList<QByteArray> Lines;
    for (const QByteArray& Chunk : Case.Chunks) Lines += Splitter.Feed(Chunk);
    EXPECT_EQ(Lines, Case.Lines) << Case.Name;
  }
}

class MessageFlood : public TBoardFixture {};

TEST_F(MessageFlood, LeavesTheBoardListeningAndTheScoresAlone) {
  ConfigureCueFiles({"RedPoint", "BluePoint"});
  const QString Name = UniqueName("flood");
  ASSERT_TRUE(Board().ListenForAppMessages(Name));

  // Idle senders, more than the board keeps: the oldest are pushed out.
  constexpr int Senders = TAppMessageServer::MaxClients + 24;
  std::vector<std::unique_ptr<QLocalSocket>> Idle;
  for (int I = 0; I < Senders; ++I) {
    Idle.push_back(Connect(Name));
    ASSERT_TRUE(Idle.back()) << I;
  }
  const auto Connected = [&Idle] {
    int Count = 0;
    for (const auto& Socket : Idle) Count += Socket->state() == QLocalSocket::ConnectedState;
    return Count;
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return Connected() == TAppMessageServer::MaxClients; }, 5000))
      << Connected();
  EXPECT_EQ(Idle.front()->state(), QLocalSocket::UnconnectedState);
  EXPECT_EQ(Idle.back()->state(), QLocalSocket::ConnectedState);

  // A 10 MB line whose last 255-byte piece reads as a message, then a real one.
  std::unique_ptr<QLocalSocket> Flooder = Connect(Name);
  ASSERT_TRUE(Flooder);
  Flooder->write(QByteArray(255 * 41121, 'x') + "101 7\n101 2\n");
  ASSERT_TRUE(QTest::qWaitFor([this] { return !PlayedCues().isEmpty(); }, 20000));
  EXPECT_EQ(PlayedCues(), QStringList{"BluePoint"});

  // A new sender still gets through.
  std::unique_ptr<QLocalSocket> Late = Connect(Name);
  ASSERT_TRUE(Late);
  Late->write("101 7\n");
  EXPECT_TRUE(QTest::qWaitFor([this] { return PlayedCues().size() == 2; }, 5000));
  EXPECT_EQ(PlayedCues(), (QStringList{"BluePoint", "RedPoint"}));
  EXPECT_EQ(Board().ScoreMgr().RedScore(), 0);
  EXPECT_EQ(Board().ScoreMgr().BlueScore(), 0);
}

// Lowers the soft limit of open files so that no new one can be opened: the
// limit bounds the number a new file gets, which is the lowest one free.
class TFileLimitScope {
 public:
  TFileLimitScope() {
    getrlimit(RLIMIT_NOFILE, &FSaved);
    int LowestFree = 0;
    while (fcntl(LowestFree, F_GETFD) != -1) ++LowestFree;
    rlimit Low = FSaved;
    Low.rlim_cur = static_cast<rlim_t>(LowestFree);
    setrlimit(RLIMIT_NOFILE, &Low);
  }
  ~TFileLimitScope() { setrlimit(RLIMIT_NOFILE, &FSaved); }
  TFileLimitScope(const TFileLimitScope&) = delete;
  TFileLimitScope& operator=(const TFileLimitScope&) = delete;

 private:
  rlimit FSaved{};
};

TEST(MessageListener, ComesBackAfterRunningOutOfFiles) {
  QStringList Received;
  TAppMessageServer Server(nullptr, [&Received](uint32_t Message, int64_t WParam) {
    Received << QStringLiteral("%1 %2").arg(Message).arg(WParam);
  });
  const QString Name = UniqueName("files");
  ASSERT_TRUE(Server.Listen(Name));
  const QString SocketFile = Server.FullServerName();

  // Senders wait to be accepted while the program has no file left to accept
  // them with; Qt then closes the listener and removes its socket file.
  std::vector<std::unique_ptr<QLocalSocket>> Senders;
  for (int I = 0; I < 3; ++I) {
    Senders.push_back(Connect(Name));
    ASSERT_TRUE(Senders.back());
  }
  {
    const TFileLimitScope Limit;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Server.IsListening(); }, 5000));
    EXPECT_FALSE(QFileInfo::exists(SocketFile));
  }
  Senders.clear();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Server.IsListening(); }, 5000));
  EXPECT_TRUE(QFileInfo::exists(SocketFile));
  std::unique_ptr<QLocalSocket> Sender = Connect(Name);
  ASSERT_TRUE(Sender);
  Sender->write("101 7\n");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Received.isEmpty(); }, 5000));
  EXPECT_EQ(Received, QStringList{QStringLiteral("%1 7").arg(WM_APP_POINT_CUE)});
}

}  // namespace
