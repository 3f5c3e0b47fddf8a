#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <vector>

#include "feed/FeedConnection.h"
#include "feed/FeedLimits.h"
#include "model/MatchSnapshot.h"

class QHostAddress;
class QTcpServer;

// The feed server's side on its own thread: the connections, the routes and
// the latest match and courts.
class TFeedWorker : public QObject {
 public:
  explicit TFeedWorker(const TFeedLimits& Limits);
  ~TFeedWorker() override;

  quint16 Listen(const QHostAddress& Address, quint16 Port);
  void Publish(const TMatchSnapshot& Snapshot);
  void SetCourt(const QString& Court, const QJsonObject& Match);
  void RemoveCourt(const QString& Court);
  int LiveClients() const { return FLiveCount; }
  TFeedLoad Load() const;

 private:
  void Accept();
  TFeedAnswer Answer(const THttpRequestHead& Request);
  void Welcome(TFeedConnection* Client);
  void Offer(TLiveStream Stream, const QString& Key, const QByteArray& Frame);
  void CountLive();
  QByteArray MatchJson() const;
  QByteArray CourtsJson();

  const TFeedLimits FLimits;
  QTcpServer* FServer = nullptr;
  QTimer FPinger{this};
  std::vector<TFeedConnection*> FConnections;
  bool FFullReported = false;
  TMatchSnapshot FMatch;
  QMap<QString, QJsonObject> FCourts;
  // Each court's message for live clients, made once for all of them.
  QMap<QString, QByteArray> FCourtFrames;
  // /api/courts, made again only after a change.
  QByteArray FCourtsJson;
  bool FCourtsFullReported = false;
  std::atomic<int> FLiveCount = 0;
};
