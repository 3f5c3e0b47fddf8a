#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QTcpSocket>

#include "FeedClient.h"
#include "RawClient.h"
#include "feed/FeedServer.h"
#include "feed/WebSocketFrames.h"

namespace {

TMatchSnapshot Match(int RedScore) {
  TMatchSnapshot Result;
  Result.Division = QStringLiteral("Senior -68 kg");
  Result.Red.Name = QStringLiteral("Kim Min-jun");
  Result.Red.Score = RedScore;
  Result.Red.Penalties = 1.5;
  Result.Blue.Name = QStringLiteral("Ana Souza");
  Result.Round = 2;
  Result.Rounds = 3;
  Result.Clock.State = TFeedClockState::Paused;
  Result.Clock.RemainingMs = 61500;
  return Result;
}

class FeedServerTest : public testing::Test {
 protected:
  void SetUp() override {
    Port = Server.Listen(QHostAddress::LocalHost, 0);
    ASSERT_NE(Port, 0);
  }
  QUrl Url(const QString& Path, const QString& Scheme = QStringLiteral("http")) const {
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3").arg(Scheme).arg(Port).arg(Path));
  }

  TFeedServer Server;
  quint16 Port = 0;
};

TEST_F(FeedServerTest, MatchIsTheLastPublishedOneAsVersionedJson) {
  Server.Publish(Match(4));
  THttpAnswer Answer;
  // The publication crosses to the server's thread: ask until it is there.
  ASSERT_TRUE(WaitUntil([&] {
    Answer = HttpRequest("GET", Url(QStringLiteral("/api/match")));
    return QJsonDocument::fromJson(Answer.Body)["red"]["score"].toInt() == 4;
  }));
  EXPECT_EQ(Answer.Status, 200);
  EXPECT_EQ(Answer.ContentType, "application/json");
  const QJsonDocument Json = QJsonDocument::fromJson(Answer.Body);
  EXPECT_EQ(Json["version"].toInt(), TMatchSnapshot::SchemaVersion);
  EXPECT_EQ(Json["division"].toString(), "Senior -68 kg");
  EXPECT_EQ(Json["red"]["name"].toString(), "Kim Min-jun");
  EXPECT_EQ(Json["red"]["penaltyHalves"].toInt(), 3);
  EXPECT_EQ(Json["clock"]["state"].toString(), "paused");
  EXPECT_EQ(Json["clock"]["remainingMs"].toInteger(), 61500);
}

TEST_F(FeedServerTest, EveryRequestThatIsNotAReadOfAKnownPathIsRefused) {
  const struct {
    const char* Verb;
    const char* Path;
    int Status;
  } Cases[] = {
      {"POST", "/api/match", 405}, {"PUT", "/api/match", 405},     {"DELETE", "/api/match", 405},
      {"POST", "/board", 405},     {"PUT", "/api/courts", 405},    {"GET", "/api/nothing", 404},
      {"GET", "/board/x", 404},    {"GET", "/../etc/passwd", 404},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(std::string(Case.Verb) + " " + Case.Path);
    EXPECT_EQ(HttpRequest(Case.Verb, Url(QLatin1String(Case.Path))).Status, Case.Status);
  }
}

TEST_F(FeedServerTest, PagesComeFromTheProgramAndLoadNothingFromElsewhere) {
  for (const char* Path : {"/board", "/overlay", "/courts", "/feed.js", "/board.css"}) {
    SCOPED_TRACE(Path);
    const THttpAnswer Answer = HttpRequest("GET", Url(QLatin1String(Path)));
    EXPECT_EQ(Answer.Status, 200);
    EXPECT_GT(Answer.Body.size(), 200);
    EXPECT_FALSE(Answer.Body.contains("src=\"http")) << "a script or picture from elsewhere";
    EXPECT_FALSE(Answer.Body.contains("href=\"http")) << "a style sheet from elsewhere";
    EXPECT_FALSE(Answer.Body.contains("@import"));
  }
}

TEST_F(FeedServerTest, LiveClientGetsTheMatchAtOnceAndThenEveryChangeInOrder) {
  Server.Publish(Match(1));
  TLiveClient Client(Url(QStringLiteral("/api/live"), QStringLiteral("ws")));
  ASSERT_TRUE(Client.WaitForMessages(1));
  EXPECT_EQ(Client.Messages[0]["red"]["score"].toInt(), 1);
  ASSERT_TRUE(WaitUntil([&] { return Server.LiveClients() == 1; }));
  for (int Score = 2; Score <= 6; ++Score) Server.Publish(Match(Score));
  ASSERT_TRUE(Client.WaitForMessages(6));
  for (int I = 1; I < 6; ++I) EXPECT_EQ(Client.Messages[I]["red"]["score"].toInt(), I + 1);
  // Nothing a client sends changes the match.
  Client.Socket.sendTextMessage(QStringLiteral("{\"red\":{\"score\":99}}"));
  const THttpAnswer Answer = HttpRequest("GET", Url(QStringLiteral("/api/match")));
  EXPECT_EQ(QJsonDocument::fromJson(Answer.Body)["red"]["score"].toInt(), 6);
}

TEST_F(FeedServerTest, ACountingClockIsAnsweredWithTheTimeLeftNow) {
  TMatchSnapshot Running = Match(0);
  Running.Clock.State = TFeedClockState::Running;
  Running.Clock.RemainingMs = 90000;
  Running.Clock.TakenAtMs = 0;  // long before now on the board's clock
  Server.Publish(Running);
  ASSERT_TRUE(WaitUntil([&] {
    const QJsonDocument Json =
        QJsonDocument::fromJson(HttpRequest("GET", Url(QStringLiteral("/api/match"))).Body);
    return Json["clock"]["state"].toString() == QLatin1String("running") &&
           Json["clock"]["remainingMs"].toInteger() == 0 &&
           Json["clock"]["takenAtMs"].toInteger() > 0;
  }));
}

TEST_F(FeedServerTest, AWebSocketOnlyOnItsPaths) {
  const auto Handshake = [this](const char* Path) {
    QTcpSocket Socket;
    Socket.connectToHost(QHostAddress::LocalHost, Port);
    Socket.write(
        QByteArray("GET ") + Path +
        " HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
        "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
    WaitUntil([&] { return Socket.canReadLine(); });
    return Socket.readLine().trimmed();
  };
  EXPECT_EQ(Handshake("/api/elsewhere"), "HTTP/1.1 404 Not Found");
  EXPECT_EQ(Handshake("/api/live"), "HTTP/1.1 101 Switching Protocols");
  EXPECT_EQ(Handshake("/api/courts/live"), "HTTP/1.1 101 Switching Protocols");
  EXPECT_EQ(HttpRequest("GET", Url(QStringLiteral("/api/live"))).Status, 400);
}

TEST_F(FeedServerTest, CourtsShowEveryCourtHeardOf) {
  TLiveClient Watcher(Url(QStringLiteral("/api/courts/live"), QStringLiteral("ws")));
  ASSERT_TRUE(Watcher.WaitConnected());
  Server.SetCourt(QStringLiteral("1"), Match(3).ToJson());
  Server.SetCourt(QStringLiteral("2"), Match(5).ToJson());
  ASSERT_TRUE(Watcher.WaitForMessages(2));
  EXPECT_EQ(Watcher.Messages[1]["court"].toString(), "2");
  EXPECT_EQ(Watcher.Messages[1]["match"]["red"]["score"].toInt(), 5);
  const QJsonDocument Courts =
      QJsonDocument::fromJson(HttpRequest("GET", Url(QStringLiteral("/api/courts"))).Body);
  EXPECT_EQ(Courts["1"]["red"]["score"].toInt(), 3);
  EXPECT_EQ(Courts["2"]["red"]["score"].toInt(), 5);
}

// Every message is the whole match: one that waits for a slow client is
// replaced by the next, and the client ends with the latest.
TEST_F(FeedServerTest, AClientThatReadsLateGetsTheLatestMatchNotEveryOne) {
  TRawClient Late(Port);
  ASSERT_TRUE(Late.OpenWebSocket("/api/live"));
  TMatchSnapshot Long = Match(0);
  Long.Division = QString(4000, QLatin1Char('d'));
  for (int Score = 1; Score <= 500; ++Score) {
    Long.Red.Score = Score;
    Server.Publish(Long);
  }
  ASSERT_TRUE(WaitUntil([&] { return Server.Load().QueuedBytes > 0; }));
  QList<QByteArray> Messages;
  ASSERT_TRUE(WaitUntil([&] {
    Late.WaitClosed(0);  // reads what is there
    const QByteArray Frames = Late.Received.mid(Late.Received.indexOf("\r\n\r\n") + 4);
    Messages = ServerPayloads(Frames);
    return !Messages.isEmpty() &&
           QJsonDocument::fromJson(Messages.last())["red"]["score"].toInt() == 500;
  }));
  EXPECT_LT(Messages.size(), 500);
  int Previous = -1;
  for (const QByteArray& Message : Messages) {
    const int Score = QJsonDocument::fromJson(Message)["red"]["score"].toInt();
    EXPECT_GT(Score, Previous) << "out of order";
    Previous = Score;
  }
}

TEST_F(FeedServerTest, PingsAreAnsweredAtAModestRate) {
  const struct {
    int Pings;
    int MostPongs;
    bool Closed;
  } Cases[] = {{3, 3, false}, {30, 5, false}, {200, 5, true}};
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Pings);
    TRawClient Client(Port);
    ASSERT_TRUE(Client.OpenWebSocket("/api/live"));
    QByteArray Pings;
    for (int I = 0; I < Case.Pings; ++I) Pings += ClientFrame(WebSocket::Ping, "p");
    ASSERT_EQ(Client.Send(Pings), Pings.size());
    // Answered or not, the pings are taken before this publication reaches the client.
    Server.Publish(Match(Case.Pings));
    const QByteArray Last = QByteArray::number(Case.Pings);
    WaitUntil([&] {
      return Client.WaitClosed(0) == Case.Closed &&
             (Case.Closed || Client.Received.contains("\"score\":" + Last));
    });
    const QByteArray Pong = WebSocket::ServerFrame(WebSocket::Pong, "p");
    EXPECT_GE(Client.Received.count(Pong), std::min(Case.Pings, 1));
    EXPECT_LE(Client.Received.count(Pong), Case.MostPongs);
    EXPECT_EQ(Client.Received.endsWith(WebSocket::CloseFrame(WebSocket::PolicyViolation)),
              Case.Closed);
  }
}

}  // namespace
