#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QList>
#include <QString>
#include <QUrl>
#include <QWebSocket>
#include <functional>

// Waits, turning the event loop, until Done() holds or TimeoutMs pass; the
// last answer of Done().
bool WaitUntil(const std::function<bool()>& Done, int TimeoutMs = 10000);

struct THttpAnswer {
  int Status = 0;
  QByteArray ContentType;
  QByteArray Body;
};

// One request with Qt's network client; Status 0 when there was no answer.
THttpAnswer HttpRequest(const QByteArray& Verb, const QUrl& Url);

// A WebSocket client that keeps every text message it receives.
class TLiveClient {
 public:
  explicit TLiveClient(const QUrl& Url);
  bool WaitConnected();
  // Waits for the Count-th message; false when it does not come.
  bool WaitForMessages(int Count);
  QList<QJsonDocument> Messages;
  QWebSocket Socket;
};

// A free TCP port on the loopback address, for programs that must be told one.
quint16 FreeLoopbackPort();
