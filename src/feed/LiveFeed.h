#pragma once

#include <memory>

#include "feed/FeedSettings.h"
#include "model/MatchSnapshot.h"

class TFeedServer;
class TMqttClient;

// The live feed of one board: the feed server and the broker link that
// [Feed] asks for. It is told the match whenever the board may have changed
// and passes on only real changes, numbered.
class TLiveFeed {
 public:
  explicit TLiveFeed(const TFeedSettings& Settings);
  ~TLiveFeed();
  TLiveFeed(const TLiveFeed&) = delete;
  TLiveFeed& operator=(const TLiveFeed&) = delete;

  // Neither server nor broker is configured.
  bool Off() const { return !FServer && !FMqtt; }
  // The feed server's port, 0 when it does not listen.
  quint16 Port() const { return FPort; }
  TFeedServer* Server() const { return FServer.get(); }
  TMqttClient* Mqtt() const { return FMqtt.get(); }

  // The match as it stands; published when it differs from the last one.
  void Offer(const TMatchSnapshot& Snapshot);
  // The last snapshot published, with its sequence number.
  const TMatchSnapshot& Published() const { return FPublished; }

 private:
  const QString FTopic;
  std::unique_ptr<TFeedServer> FServer;
  std::unique_ptr<TMqttClient> FMqtt;
  quint16 FPort = 0;
  TMatchSnapshot FPublished;
  bool FAnyPublished = false;
};
