#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

// One GET running in the background. Its events come on the thread that
// started it; it may be destroyed from inside any of them, and reports
// nothing after it is destroyed, which also stops it.
class THttpTransfer {
 public:
  struct TEvents {
    // The server sends the request on to Target; true follows it, false (or
    // no handler) ends the transfer without OnFinished.
    std::function<bool(const QUrl& Target)> OnRedirect;
    // The answer's status line and headers arrived.
    std::function<void()> OnHead;
    // Body data waits in ReadAll.
    std::function<void()> OnData;
    // The transfer is over; Error is empty when the whole answer arrived and
    // says what failed otherwise (the connection, or an error status).
    std::function<void(const QString& Error)> OnFinished;
  };

  virtual ~THttpTransfer() = default;
  // The answer's HTTP status, 0 before its head arrived, and its reason phrase.
  virtual int Status() const = 0;
  virtual QString ReasonPhrase() const = 0;
  // The announced length of the body; -1 when the server announces none.
  virtual qint64 ContentLength() const = 0;
  // The body data that arrived since the last call.
  virtual QByteArray ReadAll() = 0;
};

// The HTTP(S) client of the update and the news. It lives in the network
// module (dorvane-net.so), which the program loads only when it first fetches
// from an http:// or https:// address, so an ordinary start of the board
// never maps Qt Network and the libraries behind it. The interface uses Qt
// Core types and plain callbacks only: the module keeps its own copy of the
// program's code, whose QObject types would not be the program's.
class THttpClient {
 public:
  virtual ~THttpClient() = default;
  // Starts a GET of Url that sends nothing for TimeoutMs ends with an error;
  // at most MaxRedirects redirects are followed.
  virtual std::unique_ptr<THttpTransfer> Get(const QUrl& Url, int TimeoutMs, int MaxRedirects,
                                             THttpTransfer::TEvents Events) = 0;
};

// The network module's one entry point: a client, or nullptr for a program of
// another version.
using TOpenHttpClient = THttpClient* (*)(const char* Version);
inline constexpr char OpenHttpClientSymbol[] = "DorvaneOpenHttpClient";
