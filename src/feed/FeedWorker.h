#pragma once

#include <QJsonObject>
#include <QMap>
#include <QObject>
#include <atomic>
#include <memory>
#include <vector>

#include "model/MatchSnapshot.h"

class QHostAddress;
class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponse;
class QWebSocket;

// The feed server's side on its own thread: the HTTP routes, the WebSocket
// clients and the latest match and courts.
class TFeedWorker : public QObject {
 public:
  TFeedWorker();
  ~TFeedWorker() override;

  quint16 Listen(const QHostAddress& Address, quint16 Port);
  void Publish(const TMatchSnapshot& Snapshot);
  void SetCourt(const QString& Court, const QJsonObject& Match);
  int LiveClients() const { return FLiveCount; }

 private:
  void AddRoutes();
  void AcceptWebSockets();
  void Watch(std::vector<QWebSocket*>& Clients, QWebSocket* Client);
  QByteArray MatchJson() const;
  QByteArray CourtsJson() const;
  QHttpServerResponse Page(const QHttpServerRequest& Request, const QString& Resource,
                           const QByteArray& MimeType) const;

  QHttpServer* FServer = nullptr;
  TMatchSnapshot FMatch;
  QMap<QString, QJsonObject> FCourts;
  std::vector<QWebSocket*> FLive;
  std::vector<QWebSocket*> FCourtWatchers;
  std::atomic<int> FLiveCount = 0;
};
