#include "feed/LiveFeed.h"

#include <QDateTime>
#include <QJsonDocument>
#include <memory>

#include "feed/CourtMessage.h"
#include "feed/FeedServer.h"
#include "feed/MqttClient.h"
#include "platform/TimeSource.h"

TLiveFeed::TLiveFeed(const TFeedSettings& Settings, const TFeedLimits& Limits)
    : FTopic(Settings.MatchTopic()) {
  if (Settings.Port > 0) {
    FServer = std::make_unique<TFeedServer>(Limits);
    FPort = FServer->Listen(QHostAddress(Settings.Listen), static_cast<quint16>(Settings.Port));
  }
  if (Settings.MqttHost.isEmpty()) return;
  TMqttClient::TMessageEvent OnCourt;
  if (TFeedServer* Server = FServer.get()) {
    // /courts shows every court the broker has, this one among them.
    // Called on the broker link's thread only.
    auto Ignored = std::make_shared<TIgnoredCourtMessages>();
    OnCourt = [Server, Ignored](const QString& Topic, const QByteArray& Payload) {
      const std::optional<TCourtUpdate> Update = ReadCourtMessage(Topic, Payload, *Ignored);
      if (!Update) return;
      if (Update->Match) {
        Server->SetCourt(Update->Court, *Update->Match);
      } else {
        Server->RemoveCourt(Update->Court);
      }
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
