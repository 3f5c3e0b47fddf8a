#include <gtest/gtest.h>
#include <mosquitto.h>

#include <QJsonDocument>
#include <mutex>

#include "FeedClient.h"
#include "HeadlessChromium.h"
#include "MosquittoBroker.h"
#include "feed/FeedServer.h"
#include "feed/LiveFeed.h"
#include "feed/MqttClient.h"

namespace {

TMatchSnapshot Match(const QString& RedName, int RedScore) {
  TMatchSnapshot Result;
  Result.Red.Name = RedName;
  Result.Red.Score = RedScore;
  Result.Red.ShownScore = QString::number(RedScore);
  Result.Round = 1;
  Result.Rounds = 3;
  return Result;
}

TFeedSettings BrokerSettings(const TMosquittoBroker& Broker, const QString& Court) {
  TFeedSettings Result;
  Result.MqttHost = QStringLiteral("127.0.0.1");
  Result.MqttPort = Broker.Port();
  Result.Court = Court;
  return Result;
}

// A results screen with a session the broker keeps while it is away: what
// is published meanwhile waits for it.
class TPersistentSubscriber {
 public:
  explicit TPersistentSubscriber(int Port) {
    FClient = mosquitto_new("dorvane-test-results", false, this);
    mosquitto_connect_callback_set(FClient, [](mosquitto* Client, void*, int Result) {
      if (Result == 0) mosquitto_subscribe(Client, nullptr, "dorvane/+/match", 1);
    });
    mosquitto_subscribe_callback_set(FClient, [](mosquitto*, void* Self, int, int, const int*) {
      static_cast<TPersistentSubscriber*>(Self)->FSubscribed = true;
    });
    mosquitto_message_callback_set(
        FClient, [](mosquitto*, void* Self, const mosquitto_message* Message) {
          auto& Me = *static_cast<TPersistentSubscriber*>(Self);
          const QByteArray Payload(static_cast<const char*>(Message->payload), Message->payloadlen);
          std::lock_guard Lock(Me.FLock);
          Me.FSequences.push_back(QJsonDocument::fromJson(Payload)["sequence"].toInt());
        });
    mosquitto_reconnect_delay_set(FClient, 1, 1, false);
    mosquitto_loop_start(FClient);
    mosquitto_connect_async(FClient, "127.0.0.1", Port, 10);
  }
  ~TPersistentSubscriber() {
    mosquitto_disconnect(FClient);
    mosquitto_loop_stop(FClient, false);
    mosquitto_destroy(FClient);
  }
  bool Subscribed() const { return FSubscribed; }
  // The changes as a reader takes them: QoS 1 may bring a message again
  // after a reconnection, and a sequence number already seen is skipped.
  std::vector<int> Changes() {
    std::lock_guard Lock(FLock);
    std::vector<int> Result;
    for (int Sequence : FSequences) {
      if (Result.empty() || Sequence > Result.back()) Result.push_back(Sequence);
    }
    return Result;
  }

 private:
  mosquitto* FClient;
  std::atomic<bool> FSubscribed = false;
  std::mutex FLock;
  std::vector<int> FSequences;
};

std::vector<int> OneTo(int Last) {
  std::vector<int> Result;
  for (int I = 1; I <= Last; ++I) Result.push_back(I);
  return Result;
}

TEST(MqttFeedTest, EveryChangeReachesTheBrokerInOrderAcrossARestart) {
  TMosquittoBroker Broker;
  ASSERT_TRUE(Broker.Start());
  TPersistentSubscriber Results(Broker.Port());
  ASSERT_TRUE(WaitUntil([&] { return Results.Subscribed(); }));
  TLiveFeed Feed(BrokerSettings(Broker, QStringLiteral("3")));
  ASSERT_TRUE(WaitUntil([&] { return Feed.Mqtt()->Connected(); }));

  for (int Score = 1; Score <= 5; ++Score) Feed.Offer(Match(QStringLiteral("Kim"), Score));
  ASSERT_TRUE(WaitUntil([&] { return Results.Changes().size() >= 5; }));
  EXPECT_EQ(Results.Changes(), OneTo(5));

  Broker.Stop();
  ASSERT_TRUE(WaitUntil([&] { return !Feed.Mqtt()->Connected(); }));
  // The board goes on while the broker is away.
  for (int Score = 6; Score <= 10; ++Score) Feed.Offer(Match(QStringLiteral("Kim"), Score));
  ASSERT_TRUE(Broker.Start());
  ASSERT_TRUE(WaitUntil([&] { return Results.Changes().size() >= 10; }, 20000));
  EXPECT_EQ(Results.Changes(), OneTo(10));

  // A screen that comes later gets the court's latest match at once: it is retained.
  QByteArray Latest;
  std::mutex LatestLock;
  TMqttClient Late(QStringLiteral("127.0.0.1"), Broker.Port(), AllCourtsTopic,
                   [&](const QString& Topic, const QByteArray& Payload) {
                     std::lock_guard Lock(LatestLock);
                     if (Topic == QLatin1String("dorvane/3/match")) Latest = Payload;
                   });
  ASSERT_TRUE(WaitUntil([&] {
    std::lock_guard Lock(LatestLock);
    return !Latest.isEmpty();
  }));
  EXPECT_EQ(QJsonDocument::fromJson(Latest)["red"]["score"].toInt(), 10);
}

// The broker comes back without the retained match and the board changes
// nothing: the board publishes it again at its reconnection all the same.
TEST(MqttFeedTest, TheRetainedMatchIsBackAfterABrokerRestartThatLostIt) {
  TMosquittoBroker Broker;
  ASSERT_TRUE(Broker.Start());
  TLiveFeed Feed(BrokerSettings(Broker, QStringLiteral("4")));
  ASSERT_TRUE(WaitUntil([&] { return Feed.Mqtt()->Connected(); }));
  Feed.Offer(Match(QStringLiteral("Kim"), 7));
  Broker.Stop();
  ASSERT_TRUE(WaitUntil([&] { return !Feed.Mqtt()->Connected(); }));
  Broker.ForgetSaved();
  ASSERT_TRUE(Broker.Start());
  ASSERT_TRUE(WaitUntil([&] { return Feed.Mqtt()->Connected(); }, 20000));

  QByteArray Retained;
  std::mutex RetainedLock;
  TMqttClient Screen(QStringLiteral("127.0.0.1"), Broker.Port(), AllCourtsTopic,
                     [&](const QString&, const QByteArray& Payload) {
                       std::lock_guard Lock(RetainedLock);
                       Retained = Payload;
                     });
  ASSERT_TRUE(WaitUntil([&] {
    std::lock_guard Lock(RetainedLock);
    return !Retained.isEmpty();
  }));
  EXPECT_EQ(QJsonDocument::fromJson(Retained)["red"]["score"].toInt(), 7);
}

TEST(MqttFeedTest, ABoardWithoutABrokerKeepsGoing) {
  TMosquittoBroker Nowhere;  // never started: its port is closed
  TLiveFeed Feed(BrokerSettings(Nowhere, QStringLiteral("1")));
  for (int Score = 1; Score <= 3; ++Score) Feed.Offer(Match(QStringLiteral("Kim"), Score));
  EXPECT_FALSE(Feed.Mqtt()->Connected());
  EXPECT_EQ(Feed.Published().Sequence, 3);
}

TEST(MqttFeedTest, CourtsPageDataHasEveryBoardOfTheBroker) {
  TMosquittoBroker Broker;
  ASSERT_TRUE(Broker.Start());
  TFeedSettings WithServer = BrokerSettings(Broker, QStringLiteral("1"));
  WithServer.Listen = QStringLiteral("127.0.0.1");
  WithServer.Port = FreeLoopbackPort();
  TLiveFeed Court1(WithServer);
  ASSERT_NE(Court1.Port(), 0);
  TLiveFeed Court2(BrokerSettings(Broker, QStringLiteral("2")));
  TLiveFeed Court3(BrokerSettings(Broker, QStringLiteral("Mat/3")));
  Court1.Offer(Match(QStringLiteral("Kim"), 4));
  Court2.Offer(Match(QStringLiteral("Souza"), 7));
  Court3.Offer(Match(QStringLiteral("Okafor"), 2));

  const QUrl Courts(QStringLiteral("http://127.0.0.1:%1/api/courts").arg(Court1.Port()));
  QJsonDocument Json;
  ASSERT_TRUE(WaitUntil([&] {
    Json = QJsonDocument::fromJson(HttpRequest("GET", Courts).Body);
    return Json.object().size() == 3;
  })) << Json.toJson().toStdString();
  EXPECT_EQ(Json["1"]["red"]["name"].toString(), "Kim");
  EXPECT_EQ(Json["2"]["red"]["score"].toInt(), 7);
  // A court's name cannot reach into another topic level.
  EXPECT_EQ(Json["Mat_3"]["red"]["name"].toString(), "Okafor");

  THeadlessChromium Browser(1280, 720);
  ASSERT_TRUE(Browser.Start()) << "headless Chromium did not start";
  ASSERT_TRUE(Browser.Open(QUrl(QStringLiteral("http://127.0.0.1:%1/courts").arg(Court1.Port()))));
  const QJsonValue Shown = Browser.WaitFor(
      QStringLiteral("document.querySelectorAll('.court').length === 3 && "
                     "[...document.querySelectorAll('.court')].map((c) => c.dataset.court + ':' + "
                     "c.querySelector('.red .player').textContent + ':' + "
                     "c.querySelector('.red .score').textContent).join(' ')"));
  EXPECT_EQ(Shown.toString().toStdString(), "1:Kim:4 2:Souza:7 Mat_3:Okafor:2");
}

}  // namespace
