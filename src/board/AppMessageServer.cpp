#include "board/AppMessageServer.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QStringList>
#include <QTimer>

namespace {
Q_LOGGING_CATEGORY(lcMessages, "dorvane.messages")

// How often the listener is checked.
constexpr int WatchIntervalMs = 1000;
}  // namespace

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

QList<QByteArray> TLineSplitter::Feed(const QByteArray& Data) {
  QList<QByteArray> Lines;
  qsizetype Start = 0;
  while (Start < Data.size()) {
    const qsizetype End = Data.indexOf('\n', Start);
    const qsizetype Stop = End < 0 ? Data.size() : End;
    if (!FDiscarding) {
      if (FLine.size() + (Stop - Start) > FMaxLength) {
        FLine.clear();
        FDiscarding = true;
      } else {
        FLine.append(Data.constData() + Start, Stop - Start);
      }
    }
    if (End < 0) break;
    if (!FDiscarding) Lines.append(FLine);
    FLine.clear();
    FDiscarding = false;
    Start = End + 1;
  }
  return Lines;
}

TAppMessageServer::TAppMessageServer(QObject* Owner, TMessageEvent OnMessage)
    : QObject(Owner),
      FServer(new QLocalServer(this)),
      FWatch(new QTimer(this)),
      FOnMessage(std::move(OnMessage)) {
  connect(FServer, &QLocalServer::newConnection, this, &TAppMessageServer::AcceptConnections);
  connect(FWatch, &QTimer::timeout, this, &TAppMessageServer::KeepListening);
  FWatch->setInterval(WatchIntervalMs);
}

bool TAppMessageServer::Listen(const QString& Name) {
  if (IsListening() && Name == FName) return true;
  FName = Name;
  FWatch->start();
  return ListenUnder(Name);
}

bool TAppMessageServer::ListenUnder(const QString& Name) {
  FServer->close();
  if (FServer->listen(Name)) return true;
  // A socket file may be left over from a board that crashed; only when nobody
  // answers on it is it ours to remove.
  QLocalSocket Probe;
  Probe.connectToServer(Name);
  if (Probe.waitForConnected(200)) return false;
  QLocalServer::removeServer(Name);
  return FServer->listen(Name);
}

bool TAppMessageServer::IsListening() const {
  // Qt's own close after a failed accept leaves isListening() true but the
  // socket gone.
  return FServer->isListening() && FServer->socketDescriptor() >= 0 &&
         QFileInfo::exists(FServer->fullServerName());
}

QString TAppMessageServer::FullServerName() const { return FServer->fullServerName(); }

void TAppMessageServer::KeepListening() {
  if (IsListening()) return;
  if (ListenUnder(FName)) {
    qCWarning(lcMessages) << "The message socket" << FName << "had closed; listening again.";
  }
}

void TAppMessageServer::AcceptConnections() {
  while (QLocalSocket* Socket = FServer->nextPendingConnection()) {
    if (FClients.size() >= MaxClients) DropQuietestClient();
    FClients.insert(Socket, TClient{TLineSplitter(MaxLineLength), ++FActivity});
    connect(Socket, &QLocalSocket::readyRead, this, [this, Socket] { ReadLines(Socket); });
    connect(Socket, &QLocalSocket::disconnected, this, [this, Socket] {
      ReadLines(Socket);
      DropClient(Socket);
    });
    ReadLines(Socket);
  }
}

void TAppMessageServer::DropQuietestClient() {
  auto Quietest = FClients.begin();
  for (auto It = FClients.begin(); It != FClients.end(); ++It) {
    if (It->LastActive < Quietest->LastActive) Quietest = It;
  }
  DropClient(Quietest.key());
}

void TAppMessageServer::DropClient(QLocalSocket* Socket) {
  if (!FClients.remove(Socket)) return;
  // Aborting emits disconnected again; the client is already gone from the list.
  Socket->abort();
  Socket->deleteLater();
}

void TAppMessageServer::ReadLines(QLocalSocket* Socket) {
  const auto Client = FClients.find(Socket);
  if (Client == FClients.end()) return;
  const QByteArray Data = Socket->readAll();
  if (Data.isEmpty()) return;
  Client->LastActive = ++FActivity;
  for (const QByteArray& Line : Client->Lines.Feed(Data)) {
    uint32_t Message = 0;
    int64_t WParam = 0;
    if (ParseAppMessageLine(QString::fromUtf8(Line), Message, WParam) && FOnMessage) {
      FOnMessage(Message, WParam);
    }
  }
}
