#include "LoopbackHttpServer.h"

#include <QTcpSocket>

TLoopbackHttpServer::TLoopbackHttpServer() {
  FServer.listen(QHostAddress::LocalHost);
  connect(&FServer, &QTcpServer::newConnection, this, [this] {
    while (QTcpSocket* Socket = FServer.nextPendingConnection()) {
      connect(Socket, &QTcpSocket::readyRead, this, [this, Socket] { Answer(Socket); });
      connect(Socket, &QTcpSocket::disconnected, Socket, &QObject::deleteLater);
    }
  });
}

QUrl TLoopbackHttpServer::Url(const QString& Path) const {
  return QUrl(QStringLiteral("http://127.0.0.1:%1/%2").arg(FServer.serverPort()).arg(Path));
}

void TLoopbackHttpServer::Answer(QTcpSocket* Socket) {
  // Only the request line matters; wait until the whole head is there.
  const QByteArray Head = Socket->peek(64 * 1024);
  if (!Head.contains("\r\n\r\n")) return;
  Socket->readAll();
  const QList<QByteArray> RequestLine = Head.left(Head.indexOf("\r\n")).split(' ');
  const QString Path =
      RequestLine.size() > 1 ? QString::fromUtf8(RequestLine[1].mid(1)) : QString();
  if (FRedirects.contains(Path)) {
    Socket->write("HTTP/1.1 302 Found\r\nLocation: " + FRedirects.value(Path).toEncoded() +
                  "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    Socket->disconnectFromHost();
    return;
  }
  const auto Route = FRoutes.constFind(Path);
  if (Route == FRoutes.constEnd()) {
    Socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    Socket->disconnectFromHost();
    return;
  }
  QByteArray Response = "HTTP/1.1 200 OK\r\nConnection: close\r\n";
  if (!Route->NoLength)
    Response += "Content-Length: " + QByteArray::number(Route->Body.size()) + "\r\n";
  Response += "\r\n";
  Response += Route->StopHalfway ? Route->Body.left(Route->Body.size() / 2) : Route->Body;
  Socket->write(Response);
  Socket->disconnectFromHost();
}
