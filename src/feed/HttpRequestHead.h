#pragma once

#include <QByteArray>
#include <QMap>
#include <optional>

// The request line and headers of one HTTP/1.x request.
struct THttpRequestHead {
  QByteArray Method;
  QByteArray Path;  // without the query
  QByteArray Version;
  // Names in lower case.
  QMap<QByteArray, QByteArray> Headers;

  QByteArray Header(const char* Name) const { return Headers.value(QByteArray(Name)); }
  // Content-Length above 0 or any Transfer-Encoding.
  bool HasBody() const;
  // The client asks to switch this connection to a WebSocket.
  bool AsksForWebSocket() const;
  // The connection stays open for the next request.
  bool KeepsAlive() const;
};

// Where the head ends in Data (after its blank line), -1 while it has not.
qsizetype RequestHeadEnd(const QByteArray& Data);
// The head up to its blank line; nullopt when it is no HTTP/1.x request.
std::optional<THttpRequestHead> ParseRequestHead(const QByteArray& Head);
