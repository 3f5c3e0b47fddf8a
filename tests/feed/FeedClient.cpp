#include "FeedClient.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTimer>

bool WaitUntil(const std::function<bool()>& Done, int TimeoutMs) {
  const QDeadlineTimer Deadline(TimeoutMs);
  while (!Done()) {
    if (Deadline.hasExpired()) return Done();
    QEventLoop Loop;
    QTimer::singleShot(5, &Loop, &QEventLoop::quit);
    Loop.exec();
  }
  return true;
}

THttpAnswer HttpRequest(const QByteArray& Verb, const QUrl& Url) {
  QNetworkAccessManager Manager;
  QNetworkReply* Reply = Manager.sendCustomRequest(QNetworkRequest(Url), Verb);
  WaitUntil([Reply] { return Reply->isFinished(); });
  THttpAnswer Answer;
  Answer.Status = Reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  Answer.ContentType = Reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
  Answer.Body = Reply->readAll();
  delete Reply;
  return Answer;
}

TLiveClient::TLiveClient(const QUrl& Url) {
  QObject::connect(&Socket, &QWebSocket::textMessageReceived, [this](const QString& Text) {
    Messages.append(QJsonDocument::fromJson(Text.toUtf8()));
  });
  Socket.open(Url);
}

bool TLiveClient::WaitConnected() {
  return WaitUntil([this] { return Socket.state() == QAbstractSocket::ConnectedState; });
}

bool TLiveClient::WaitForMessages(int Count) {
  return WaitUntil([this, Count] { return Messages.size() >= Count; });
}

quint16 FreeLoopbackPort() {
  QTcpServer Probe;
  Probe.listen(QHostAddress::LocalHost, 0);
  return Probe.serverPort();
}
