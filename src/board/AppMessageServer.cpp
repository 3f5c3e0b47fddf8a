#include "board/AppMessageServer.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QStringList>

bool ParseAppMessageLine(const QString& Line, uint32_t& Message, int64_t& WParam) {
  const QStringList Parts = Line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (Parts.isEmpty() || Parts.size() > 2) return false;
  if (Parts[0] == QLatin1String("100") && Parts.size() == 1) {
    Message = WM_APP_RESIZE;
    WParam = 0;
    return true;
  }
  if (Parts[0] == QLatin1String("101") && Parts.size() == 2) {
    bool Ok = false;
    const qlonglong Value = Parts[1].toLongLong(&Ok);
    if (!Ok) return false;
    Message = WM_APP_POINT_CUE;
    WParam = Value;
    return true;
  }
  return false;
}

TAppMessageServer::TAppMessageServer(QObject* Owner, TMessageEvent OnMessage)
    : QObject(Owner), FServer(new QLocalServer(this)), FOnMessage(std::move(OnMessage)) {
  connect(FServer, &QLocalServer::newConnection, this, &TAppMessageServer::AcceptConnections);
}

bool TAppMessageServer::Listen(const QString& Name) {
  if (FServer->listen(Name)) return true;
  // A socket file may be left over from a board that crashed; only when nobody
  // answers on it is it ours to remove.
  QLocalSocket Probe;
  Probe.connectToServer(Name);
  if (Probe.waitForConnected(200)) return false;
  QLocalServer::removeServer(Name);
  return FServer->listen(Name);
}

QString TAppMessageServer::FullServerName() const { return FServer->fullServerName(); }

void TAppMessageServer::AcceptConnections() {
  while (QLocalSocket* Socket = FServer->nextPendingConnection()) {
    connect(Socket, &QLocalSocket::readyRead, this, [this, Socket] { ReadLines(Socket); });
    connect(Socket, &QLocalSocket::disconnected, Socket, &QObject::deleteLater);
    ReadLines(Socket);
  }
}

void TAppMessageServer::ReadLines(QLocalSocket* Socket) {
  // A sender that never ends its line must not make us hold its bytes forever.
  constexpr qint64 MaxLineLength = 256;
  while (Socket->canReadLine()) {
    const QString Line = QString::fromUtf8(Socket->readLine(MaxLineLength));
    uint32_t Message = 0;
    int64_t WParam = 0;
    if (ParseAppMessageLine(Line, Message, WParam) && FOnMessage) FOnMessage(Message, WParam);
  }
  if (Socket->bytesAvailable() > MaxLineLength) Socket->abort();
}
