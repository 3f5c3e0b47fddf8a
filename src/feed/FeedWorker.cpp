#include "feed/FeedWorker.h"

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>

#include "feed/FeedLog.h"
#include "feed/WebSocketFrames.h"
#include "platform/TimeSource.h"

namespace {

QByteArray Compact(const QJsonObject& Object) {
  return QJsonDocument(Object).toJson(QJsonDocument::Compact);
}

QByteArray TextFrame(const QJsonObject& Object) {
  return WebSocket::ServerFrame(WebSocket::Text, Compact(Object));
}

QByteArray ReadResource(const QString& Name) {
  QFile File(Name);
  if (!File.open(QIODevice::ReadOnly)) {
    qCWarning(lcFeed) << "Feed page missing from the resources:" << Name;
    return {};
  }
  return File.readAll();
}

// The pages, read once from the program's resources.
struct TPage {
  QByteArray MimeType;
  QByteArray Body;
};
QMap<QByteArray, TPage> ReadPages() {
  static constexpr struct {
    const char* Path;
    const char* Resource;
    const char* MimeType;
  } Pages[] = {
      {"/board", ":/feed/board.html", "text/html; charset=utf-8"},
      {"/overlay", ":/feed/overlay.html", "text/html; charset=utf-8"},
      {"/courts", ":/feed/courts.html", "text/html; charset=utf-8"},
      {"/feed.js", ":/feed/feed.js", "text/javascript; charset=utf-8"},
      {"/board.css", ":/feed/board.css", "text/css; charset=utf-8"},
  };
  QMap<QByteArray, TPage> Result;
  for (const auto& Page : Pages) {
    Result.insert(Page.Path, {Page.MimeType, ReadResource(QLatin1String(Page.Resource))});
  }
  return Result;
}

const QByteArray Json = QByteArrayLiteral("application/json");

TFeedAnswer Status(int Code) { return {Code, {}, {}}; }
const QString MatchKey = QStringLiteral("match");

}  // namespace

TFeedWorker::TFeedWorker(const TFeedLimits& Limits) : FLimits(Limits) {
  connect(&FPinger, &QTimer::timeout, this, [this] {
    for (TFeedConnection* Client : FConnections) Client->Ping();
  });
}

// The connections and the server are children: they go with the worker.
TFeedWorker::~TFeedWorker() = default;

quint16 TFeedWorker::Listen(const QHostAddress& Address, quint16 Port) {
  if (!FServer) {
    FServer = new QTcpServer(this);
    connect(FServer, &QTcpServer::newConnection, this, &TFeedWorker::Accept);
    FPinger.start(FLimits.PingEveryMs);
  }
  if (!FServer->listen(Address, Port)) {
    qCWarning(lcFeed) << "The live feed cannot listen on" << Address.toString() << Port << ":"
                      << FServer->errorString();
    return 0;
  }
  return FServer->serverPort();
}

void TFeedWorker::Accept() {
  while (QTcpSocket* Socket = FServer->nextPendingConnection()) {
    if (static_cast<int>(FConnections.size()) >= FLimits.MaxConnections) {
      if (!FFullReported) {
        qCWarning(lcFeed) << "The live feed has" << FLimits.MaxConnections
                          << "connections: new ones are closed at once";
        FFullReported = true;
      }
      Socket->abort();
      delete Socket;
      continue;
    }
    auto* Client = new TFeedConnection(
        Socket, FLimits, [this](const THttpRequestHead& Request) { return Answer(Request); },
        [this](TFeedConnection* Live) { Welcome(Live); }, this);
    FConnections.push_back(Client);
    connect(Client, &QObject::destroyed, this, [this, Client] {
      FConnections.erase(std::remove(FConnections.begin(), FConnections.end(), Client),
                         FConnections.end());
      FFullReported = false;
      CountLive();
    });
  }
}

TFeedAnswer TFeedWorker::Answer(const THttpRequestHead& Request) {
  static const QMap<QByteArray, TPage> Pages = ReadPages();
  const bool Get = Request.Method == "GET";
  if (Request.Path == "/api/live" || Request.Path == "/api/courts/live") {
    if (!Get || !Request.AsksForWebSocket() || Request.Header("sec-websocket-version") != "13" ||
        Request.Header("sec-websocket-key").isEmpty()) {
      return Status(400);
    }
    return {101, {}, {}, Request.Path == "/api/live" ? TLiveStream::Match : TLiveStream::Courts};
  }
  const auto Page = Pages.constFind(Request.Path);
  const bool Known =
      Page != Pages.cend() || Request.Path == "/api/match" || Request.Path == "/api/courts";
  if (!Known) return Status(404);
  if (!Get) return Status(405);
  if (Page != Pages.cend()) return {200, Page->MimeType, Page->Body};
  return {200, Json, Request.Path == "/api/match" ? MatchJson() : CourtsJson()};
}

void TFeedWorker::Welcome(TFeedConnection* Client) {
  if (Client->Stream() == TLiveStream::Match) {
    Client->Offer(MatchKey, WebSocket::ServerFrame(WebSocket::Text, MatchJson()));
  } else {
    for (auto It = FCourtFrames.cbegin(); It != FCourtFrames.cend(); ++It) {
      Client->Offer(It.key(), It.value());
    }
  }
  CountLive();
}

void TFeedWorker::Offer(TLiveStream Stream, const QString& Key, const QByteArray& Frame) {
  for (TFeedConnection* Client : FConnections) {
    if (Client->Stream() == Stream) Client->Offer(Key, Frame);
  }
}

void TFeedWorker::CountLive() {
  FLiveCount = static_cast<int>(std::count_if(
      FConnections.cbegin(), FConnections.cend(),
      [](TFeedConnection* Client) { return Client->Stream() == TLiveStream::Match; }));
}

TFeedLoad TFeedWorker::Load() const {
  TFeedLoad Result;
  Result.Connections = static_cast<int>(FConnections.size());
  for (TFeedConnection* Client : FConnections) Result.QueuedBytes += Client->QueuedBytes();
  return Result;
}

QByteArray TFeedWorker::MatchJson() const {
  return Compact(FMatch.At(Now() * MsPerDay, QDateTime::currentMSecsSinceEpoch()).ToJson());
}

QByteArray TFeedWorker::CourtsJson() {
  if (FCourtsJson.isEmpty()) {
    QJsonObject Result;
    for (auto It = FCourts.cbegin(); It != FCourts.cend(); ++It)
      Result.insert(It.key(), It.value());
    FCourtsJson = Compact(Result);
  }
  return FCourtsJson;
}

void TFeedWorker::Publish(const TMatchSnapshot& Snapshot) {
  FMatch = Snapshot;
  if (FLiveCount == 0) return;
  Offer(TLiveStream::Match, MatchKey, WebSocket::ServerFrame(WebSocket::Text, MatchJson()));
}

void TFeedWorker::SetCourt(const QString& Court, const QJsonObject& Match) {
  if (!FCourts.contains(Court) && FCourts.size() >= FLimits.MaxCourts) {
    if (!FCourtsFullReported) {
      qCWarning(lcFeed) << "The courts page has" << FLimits.MaxCourts
                        << "courts: new ones are ignored until one is cleared";
      FCourtsFullReported = true;
    }
    return;
  }
  FCourts.insert(Court, Match);
  FCourtsJson.clear();
  const QByteArray Frame =
      TextFrame({{QStringLiteral("court"), Court}, {QStringLiteral("match"), Match}});
  FCourtFrames.insert(Court, Frame);
  Offer(TLiveStream::Courts, Court, Frame);
}

void TFeedWorker::RemoveCourt(const QString& Court) {
  if (FCourts.remove(Court) == 0) return;
  FCourtFrames.remove(Court);
  FCourtsJson.clear();
  FCourtsFullReported = false;
  Offer(TLiveStream::Courts, Court,
        TextFrame({{QStringLiteral("court"), Court}, {QStringLiteral("match"), QJsonValue()}}));
}
