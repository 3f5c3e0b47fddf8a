#include "feed/LiveFeed.h"

#include <QDateTime>
#include <QJsonDocument>

#include "feed/FeedLog.h"
#include "feed/FeedServer.h"
#include "feed/MqttClient.h"
#include "platform/TimeSource.h"

TLiveFeed::TLiveFeed(const TFeedSettings& Settings) : FTopic(Settings.MatchTopic()) {
  if (Settings.Port > 0) {
    FServer = std::make_unique<TFeedServer>();
    FPort = FServer->Listen(QHostAddress(Settings.Listen), static_cast<quint16>(Settings.Port));
  }
  if (Settings.MqttHost.isEmpty()) return;
  TMqttClient::TMessageEvent OnCourt;
  if (TFeedServer* Server = FServer.get()) {
    // /courts shows every court the broker has, this one among them.
    OnCourt = [Server](const QString& Topic, const QByteArray& Payload) {
      const QString Court = CourtOfTopic(Topic);
      const QJsonDocument Match = QJsonDocument::fromJson(Payload);
      if (Court.isEmpty() || !Match.isObject()) {
        qCWarning(lcFeed) << "Ignored a message on" << Topic << "that is no match";
        return;
      }
      Server->SetCourt(Court, Match.object());
    };
  }
  FMqtt = std::make_unique<TMqttClient>(Settings.MqttHost, Settings.MqttPort,
                                        FServer ? AllCourtsTopic : QString(), OnCourt);
}

// The broker link goes first: its thread may still hand courts to the server.
TLiveFeed::~TLiveFeed() { FMqtt.reset(); }

void TLiveFeed::Offer(const TMatchSnapshot& Snapshot) {
  if (FAnyPublished && Snapshot.SameAs(FPublished)) return;
  FAnyPublished = true;
  const int64_t Sequence = FPublished.Sequence + 1;
  FPublished = Snapshot;
  FPublished.Sequence = Sequence;
  if (FServer) FServer->Publish(FPublished);
  if (FMqtt) {
    const TMatchSnapshot Now =
        FPublished.At(::Now() * MsPerDay, QDateTime::currentMSecsSinceEpoch());
    FMqtt->Publish(FTopic, QJsonDocument(Now.ToJson()).toJson(QJsonDocument::Compact));
  }
}
