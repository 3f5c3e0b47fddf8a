#pragma once

#include <QHostAddress>
#include <QJsonObject>
#include <QThread>

#include "model/MatchSnapshot.h"

class TFeedWorker;

// The embedded live feed: GET /api/match, the WebSocket /api/live that
// pushes the match at every change, GET /api/courts and the WebSocket
// /api/courts/live with every court heard from the broker, and the pages /board, /overlay and
// /courts. Read-only. It runs on its own thread, so its clients cost the board only the hand-over
// of a snapshot. Every call is safe from any thread.
class TFeedServer {
 public:
  TFeedServer();
  // Closes every connection and stops the thread.
  ~TFeedServer();
  TFeedServer(const TFeedServer&) = delete;
  TFeedServer& operator=(const TFeedServer&) = delete;

  // Listens on Address:Port (0 picks a free port); the port, 0 on failure.
  quint16 Listen(const QHostAddress& Address, quint16 Port);
  // The match changed: every live client gets it.
  void Publish(const TMatchSnapshot& Snapshot);
  // A court's latest match from the broker, for /courts.
  void SetCourt(const QString& Court, const QJsonObject& Match);
  // WebSocket clients connected now.
  int LiveClients() const;

 private:
  QThread FThread;
  TFeedWorker* FWorker;
};
