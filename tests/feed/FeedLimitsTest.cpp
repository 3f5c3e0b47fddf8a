// Hostile and careless clients against the real board's feed server: in each
// case the feed's memory stays bounded, the board still scores and the feed
// still answers.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <memory>
#include <vector>

#include "FeedClient.h"
#include "RawClient.h"
#include "board/BoardFeed.h"
#include "feed/FeedServer.h"
#include "feed/LiveFeed.h"
#include "feed/WebSocketFrames.h"
#include "support/ui/BoardFixture.h"

namespace {

// Small enough that a test waits no long deadline and fills the cap quickly.
TFeedLimits TestLimits() {
  TFeedLimits Result;
  Result.MaxConnections = 40;
  Result.RequestTimeoutMs = 3000;
  Result.PingEveryMs = 300;
  Result.LiveSilenceMs = 3000;
  return Result;
}

// This process's resident memory, in MiB.
double ResidentMiB() {
  QFile Status(QStringLiteral("/proc/self/status"));
  Status.open(QIODevice::ReadOnly);
  for (const QByteArray& Line : Status.readAll().split('\n')) {
    if (Line.startsWith("VmRSS:")) return Line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
  }
  return 0;
}

using TClients = std::vector<std::unique_ptr<TRawClient>>;

struct TAttackContext {
  quint16 Port;
  TFeedServer& Server;
  TClients Clients;

  TRawClient& Open() {
    Clients.push_back(std::make_unique<TRawClient>(Port));
    return *Clients.back();
  }
};

// A match of about 5 KB, as long names make it.
TMatchSnapshot LongNamedMatch(int Score) {
  TMatchSnapshot Result;
  Result.Red.Name = QString(2500, QLatin1Char('R'));
  Result.Blue.Name = QString(2500, QLatin1Char('B'));
  Result.Red.Score = Score;
  return Result;
}

struct TAttack {
  const char* Name;
  // Attacks, and checks what the server did to the attacker.
  void (*Run)(TAttackContext& Context);
};

const TAttack Attacks[] = {
    {"LiveClientsThatNeverRead",
     [](TAttackContext& Context) {
       for (int I = 0; I < 30; ++I) ASSERT_TRUE(Context.Open().OpenWebSocket("/api/live"));
       for (int Score = 0; Score < 400; ++Score) Context.Server.Publish(LongNamedMatch(Score));
       const TFeedLimits Limits = TestLimits();
       // Each client holds at most its queue, one chunk and a frame being sent.
       const qsizetype Bound = 30 * (Limits.MaxQueuedBytes + 2 * 16 * 1024);
       for (int Check = 0; Check < 20; ++Check) {
         WaitUntil([] { return false; }, 50);
         EXPECT_LE(Context.Server.Load().QueuedBytes, Bound);
       }
       // They answer no ping: they are closed.
       for (auto& Client : Context.Clients) EXPECT_TRUE(Client->WaitClosed());
     }},
    {"PingFlood",
     [](TAttackContext& Context) {
       for (int I = 0; I < 4; ++I) {
         TRawClient& Client = Context.Open();
         ASSERT_TRUE(Client.OpenWebSocket("/api/live"));
         QByteArray Pings;
         for (int Ping = 0; Ping < 10000; ++Ping) Pings += ClientFrame(WebSocket::Ping, "x");
         Client.Flood(Pings, 1000);
       }
       for (auto& Client : Context.Clients) {
         EXPECT_TRUE(Client->WaitClosed());
         // Closed as a client that sends too much, not answered at its rate.
         EXPECT_TRUE(Client->Received.endsWith(WebSocket::CloseFrame(WebSocket::PolicyViolation)));
         EXPECT_LT(Client->Received.count(WebSocket::ServerFrame(WebSocket::Pong, "x")), 20);
       }
     }},
    {"EndlessHeaderLine",
     [](TAttackContext& Context) {
       for (int I = 0; I < 4; ++I) {
         TRawClient& Client = Context.Open();
         Client.Send("GET /board HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Long: ");
         Client.Flood(QByteArray(64 * 1024, 'a'), 1000);
       }
       for (auto& Client : Context.Clients) {
         EXPECT_TRUE(Client->WaitClosed());
         EXPECT_TRUE(Client->Received.isEmpty() ||
                     Client->Received.startsWith("HTTP/1.1 431 Request Header Fields Too Large"))
             << Client->Received.left(100).toStdString();
       }
     }},
    {"HeadOverTheLimit",
     [](TAttackContext& Context) {
       TRawClient& Client = Context.Open();
       Client.Send("GET /board HTTP/1.1\r\nX-Long: " + QByteArray(20 * 1024, 'a') + "\r\n\r\n");
       EXPECT_TRUE(Client.WaitClosed());
       EXPECT_TRUE(Client.Received.startsWith("HTTP/1.1 431"));
     }},
    {"HundredMegabyteBody",
     [](TAttackContext& Context) {
       TRawClient& Client = Context.Open();
       Client.Send("POST /api/match HTTP/1.1\r\nContent-Length: 104857600\r\n\r\n");
       Client.Flood(QByteArray(1024 * 1024, 'b'), 2000);
       EXPECT_TRUE(Client.WaitClosed());
       TRawClient& Polite = Context.Open();
       Polite.Send("POST /api/match HTTP/1.1\r\nContent-Length: 2\r\n\r\n{}");
       EXPECT_TRUE(Polite.WaitClosed());
       EXPECT_TRUE(Polite.Received.startsWith("HTTP/1.1 413 Content Too Large"));
     }},
    {"HundredMegabyteFrame",
     [](TAttackContext& Context) {
       TRawClient& Client = Context.Open();
       ASSERT_TRUE(Client.OpenWebSocket("/api/courts/live"));
       // A text frame that says it brings 100 MB.
       Client.Send(QByteArray::fromHex("81ff0000000006400000") + QByteArray("mask"));
       Client.Flood(QByteArray(1024 * 1024, 'f'), 2000);
       EXPECT_TRUE(Client.WaitClosed());
       EXPECT_TRUE(Client.Received.contains(WebSocket::CloseFrame(WebSocket::TooBig)));
     }},
    {"MoreConnectionsThanTheCap",
     [](TAttackContext& Context) {
       const int Cap = TestLimits().MaxConnections;
       for (int I = 0; I < Cap + 30; ++I) Context.Open();
       WaitUntil([&] { return Context.Server.Load().Connections == Cap; });
       EXPECT_EQ(Context.Server.Load().Connections, Cap);
       // The ones past the cap are closed at once; the others wait for their deadline.
       for (int I = Cap; I < Cap + 30; ++I) EXPECT_TRUE(Context.Clients[I]->WaitClosed());
       int StillOpen = 0;
       for (int I = 0; I < Cap; ++I) StillOpen += !Context.Clients[I]->WaitClosed(0);
       EXPECT_EQ(StillOpen, Cap);
     }},
    {"IdleAndTricklingConnections",
     [](TAttackContext& Context) {
       for (int I = 0; I < 20; ++I) Context.Open();
       // Half of them send a head a byte at a time, never finishing it.
       const QByteArray Head = "GET /api/match HTTP/1.1\r\nHost: 127.0.0.1\r\n";
       for (int Byte = 0; Byte < 30; ++Byte) {
         for (size_t I = 0; I < Context.Clients.size(); I += 2) {
           Context.Clients[I]->Send(Head.mid(Byte % Head.size(), 1));
         }
         WaitUntil([] { return false; }, 100);
       }
       for (auto& Client : Context.Clients) EXPECT_TRUE(Client->WaitClosed());
       EXPECT_EQ(Context.Server.Load().Connections, 0);
     }},
};

class FeedLimitsTest : public TBoardFixture, public testing::WithParamInterface<TAttack> {
 protected:
  void SetUp() override {
    Board();
    TFeedSettings Settings;
    Settings.Port = FreeLoopbackPort();
    auto Live = std::make_unique<TLiveFeed>(Settings, TestLimits());
    Server = Live->Server();
    Feed = std::make_unique<TBoardFeed>(Board(), Match(), std::move(Live));
    ASSERT_NE(Feed->Feed()->Port(), 0);
  }
  void TearDown() override { Feed.reset(); }

  std::unique_ptr<TBoardFeed> Feed;
  TFeedServer* Server = nullptr;
};

TEST_P(FeedLimitsTest, TheBoardScoresAndTheFeedAnswersWithItsMemoryBounded) {
  const quint16 Port = Feed->Feed()->Port();
  const double Before = ResidentMiB();
  {
    TAttackContext Context{Port, *Server, {}};
    GetParam().Run(Context);
    EXPECT_LE(Server->Load().Connections, TestLimits().MaxConnections);
    EXPECT_LT(ResidentMiB() - Before, 40.0) << "MiB more than before the attack";
    PressKey(Qt::Key_F2);
    EXPECT_EQ(Text("lblRedScore"), QStringLiteral("1"));
  }
  // Once the attacker is gone, the feed serves as before.
  const QUrl Match(QStringLiteral("http://127.0.0.1:%1/api/match").arg(Port));
  EXPECT_TRUE(WaitUntil([&] {
    return QJsonDocument::fromJson(HttpRequest("GET", Match).Body)["red"]["score"].toInt() == 1;
  }));
}

INSTANTIATE_TEST_SUITE_P(Attacks, FeedLimitsTest, testing::ValuesIn(Attacks),
                         [](const testing::TestParamInfo<TAttack>& Info) {
                           return std::string(Info.param.Name);
                         });

}  // namespace
