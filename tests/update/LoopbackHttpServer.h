#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

// A small HTTP/1.1 server on 127.0.0.1 for the update tests: GET only, one
// answer per connection, with the faults a real server can show.
class TLoopbackHttpServer : public QObject {
 public:
  struct TRoute {
    QByteArray Body;
    // Announces the body's full length but sends only half, then hangs up.
    bool StopHalfway = false;
    // Sends no Content-Length: the body ends when the connection closes.
    bool NoLength = false;
  };

  TLoopbackHttpServer();
  void Serve(const QString& Path, const TRoute& Route) { FRoutes.insert(Path, Route); }
  // Answers Path with 302 Found to Target.
  void Redirect(const QString& Path, const QUrl& Target) { FRedirects.insert(Path, Target); }
  // The address of Path on this server.
  QUrl Url(const QString& Path) const;

 private:
  void Answer(class QTcpSocket* Socket);

  QTcpServer FServer;
  QHash<QString, TRoute> FRoutes;
  QHash<QString, QUrl> FRedirects;
};
