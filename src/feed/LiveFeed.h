#pragma once

#include <memory>

#include "feed/FeedLimits.h"
#include "feed/FeedOutlet.h"
#include "feed/FeedSettings.h"

class TFeedServer;
class TMqttClient;

// The live feed of one board: the feed server and the broker link that
// [Feed] asks for. It is told the match whenever the board may have changed
// and passes on only real changes, numbered.
class TLiveFeed : public TFeedOutlet {
 public:
  explicit TLiveFeed(const TFeedSettings& Settings, const TFeedLimits& Limits = {});
  ~TLiveFeed() override;
  TLiveFeed(const TLiveFeed&) = delete;
  TLiveFeed& operator=(const TLiveFeed&) = delete;

  quint16 Port() const override { return FPort; }
  TFeedServer* Server() const { return FServer.get(); }
  TMqttClient* Mqtt() const { return FMqtt.get(); }

  void Offer(const TMatchSnapshot& Snapshot) override;
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
