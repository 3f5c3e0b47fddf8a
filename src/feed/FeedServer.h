#pragma once

#include <QHostAddress>
#include <QJsonObject>
#include <QThread>

#include "feed/FeedLimits.h"
#include "model/MatchSnapshot.h"

class TFeedWorker;

// The embedded live feed: GET /api/match, the WebSocket /api/live that
// pushes the match at every change, GET /api/courts and the WebSocket
// /api/courts/live with every court heard from the broker, and the pages /board, /overlay and
// /courts. Read-only, and every client's cost bounded by its limits. It runs on its own thread, so
// its clients cost the board only the hand-over of a snapshot. Every call is safe from any thread.
class TFeedServer {
 public:
  explicit TFeedServer(const TFeedLimits& Limits = {});
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
  // A court's retained match was cleared: the court is gone.
  void RemoveCourt(const QString& Court);
  // WebSocket clients of /api/live connected now.
  int LiveClients() const;
  // What the clients cost now; waits for the server's thread.
  TFeedLoad Load() const;

 private:
  QThread FThread;
  TFeedWorker* FWorker;
};
