#include "board/AppMessageServer.h"

#include <QLoggingCategory>
#include <QStringList>
#include <QTimer>

#include "platform/LocalSocketServer.h"

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
      FServer(new TLocalSocketServer(this)),
      FWatch(new QTimer(this)),
      FOnMessage(std::move(OnMessage)) {
  FServer->SetOnNewConnection([this](quint64 Connection) { AcceptClient(Connection); });
  FServer->SetOnData(
      [this](quint64 Connection, const QByteArray& Data) { ReadLines(Connection, Data); });
  FServer->SetOnDisconnected([this](quint64 Connection) { FClients.remove(Connection); });
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
  QString Error;
  // A socket file may be left over from a board that crashed; only when nobody
  // answers on it is it ours to remove.
  const bool Listening = FServer->Listen(Name) || (TLocalSocketServer::RemoveStale(Name, &Error) &&
                                                   FServer->Listen(Name, &Error));
  if (Listening) {
    FListenError.clear();
  } else if (Error != FListenError) {
    FListenError = Error;
    qCWarning(lcMessages).noquote() << "Cannot listen on the message socket" << Name + ':' << Error;
  }
  return Listening;
}

bool TAppMessageServer::IsListening() const { return FServer->IsListening(); }

QString TAppMessageServer::FullServerName() const { return FServer->FullServerName(); }

void TAppMessageServer::KeepListening() {
  if (IsListening()) return;
  if (ListenUnder(FName)) {
    qCWarning(lcMessages) << "The message socket" << FName << "had closed; listening again.";
  }
}

void TAppMessageServer::AcceptClient(quint64 Connection) {
  if (FClients.size() >= MaxClients) DropQuietestClient();
  FClients.insert(Connection, TClient{TLineSplitter(MaxLineLength), ++FActivity});
}

void TAppMessageServer::DropQuietestClient() {
  auto Quietest = FClients.begin();
  for (auto It = FClients.begin(); It != FClients.end(); ++It) {
    if (It->LastActive < Quietest->LastActive) Quietest = It;
  }
  FServer->Disconnect(Quietest.key());
  FClients.erase(Quietest);
}

void TAppMessageServer::ReadLines(quint64 Connection, const QByteArray& Data) {
  const auto Client = FClients.find(Connection);
  if (Client == FClients.end()) return;
  Client->LastActive = ++FActivity;
  for (const QByteArray& Line : Client->Lines.Feed(Data)) {
    uint32_t Message = 0;
    int64_t WParam = 0;
    if (ParseAppMessageLine(QString::fromUtf8(Line), Message, WParam) && FOnMessage) {
      FOnMessage(Message, WParam);
    }
  }
}
