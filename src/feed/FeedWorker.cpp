#include "feed/FeedWorker.h"

#include <QDateTime>
#include <QFile>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QJsonArray>
#include <QJsonDocument>
#include <QWebSocket>
#include <algorithm>

#include "feed/FeedLog.h"
#include "platform/TimeSource.h"

namespace {

const QString LivePath = QStringLiteral("/api/live");
const QString CourtsPath = QStringLiteral("/api/courts");
const QString CourtsLivePath = QStringLiteral("/api/courts/live");

bool IsWebSocketUpgrade(const QHttpServerRequest& Request) {
  return Request.value(QByteArrayLiteral("upgrade")).compare("websocket", Qt::CaseInsensitive) == 0;
}

QByteArray Compact(const QJsonObject& Object) {
  return QJsonDocument(Object).toJson(QJsonDocument::Compact);
}

QByteArray ReadResource(const QString& Name) {
  QFile File(Name);
  if (!File.open(QIODevice::ReadOnly)) {
    qCWarning(lcFeed) << "Feed page missing from the resources:" << Name;
    return {};
  }
  return File.readAll();
}

QHttpServerResponse Reply(const QByteArray& MimeType, const QByteArray& Body) {
  QHttpServerResponse Response(MimeType, Body);
  // Every answer is the match of this moment.
  Response.addHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
  return Response;
}

QJsonObject CourtMessage(const QString& Court, const QJsonObject& Match) {
  return {{QStringLiteral("court"), Court}, {QStringLiteral("match"), Match}};
}

}  // namespace

TFeedWorker::TFeedWorker() = default;

// The clients and the server are children: they go with the worker.
TFeedWorker::~TFeedWorker() = default;

quint16 TFeedWorker::Listen(const QHostAddress& Address, quint16 Port) {
  if (!FServer) {
    FServer = new QHttpServer(this);
    AddRoutes();
    connect(FServer, &QHttpServer::newWebSocketConnection, this, [this] { AcceptWebSockets(); });
  }
  const quint16 Result = FServer->listen(Address, Port);
  if (Result == 0) {
    qCWarning(lcFeed) << "The live feed cannot listen on" << Address.toString() << Port;
  }
  return Result;
}

void TFeedWorker::AddRoutes() {
  struct TRoute {
    const char* Path;
    const char* Resource;
    const char* MimeType;
  };
  static constexpr TRoute Pages[] = {
      {"/board", ":/feed/board.html", "text/html; charset=utf-8"},
      {"/overlay", ":/feed/overlay.html", "text/html; charset=utf-8"},
      {"/courts", ":/feed/courts.html", "text/html; charset=utf-8"},
      {"/feed.js", ":/feed/feed.js", "text/javascript; charset=utf-8"},
      {"/board.css", ":/feed/board.css", "text/css; charset=utf-8"},
  };
  for (const TRoute& Route : Pages) {
    const QString Resource = QLatin1String(Route.Resource);
    const QByteArray MimeType(Route.MimeType);
    FServer->route(QLatin1String(Route.Path),
                   [this, Resource, MimeType](const QHttpServerRequest& Request) {
                     return Page(Request, Resource, MimeType);
                   });
  }
  FServer->route(QStringLiteral("/api/match"), [this](const QHttpServerRequest& Request) {
    if (Request.method() != QHttpServerRequest::Method::Get) {
      return QHttpServerResponse(QHttpServerResponse::StatusCode::MethodNotAllowed);
    }
    return Reply(QByteArrayLiteral("application/json"), MatchJson());
  });
  // QHttpServer upgrades a WebSocket request only when a route takes it (any
  // other path gets 404); the answer is the upgrade, so the route writes none.
  for (const QString& Path : {LivePath, CourtsLivePath}) {
    FServer->route(Path, [](const QHttpServerRequest& Request, QHttpServerResponder&& Responder) {
      if (!IsWebSocketUpgrade(Request))
        Responder.write(QHttpServerResponder::StatusCode::BadRequest);
    });
  }
  FServer->route(CourtsPath, [this](const QHttpServerRequest& Request) {
    if (Request.method() != QHttpServerRequest::Method::Get) {
      return QHttpServerResponse(QHttpServerResponse::StatusCode::MethodNotAllowed);
    }
    return Reply(QByteArrayLiteral("application/json"), CourtsJson());
  });
}

QHttpServerResponse TFeedWorker::Page(const QHttpServerRequest& Request, const QString& Resource,
                                      const QByteArray& MimeType) const {
  if (Request.method() != QHttpServerRequest::Method::Get) {
    return QHttpServerResponse(QHttpServerResponse::StatusCode::MethodNotAllowed);
  }
  return Reply(MimeType, ReadResource(Resource));
}

void TFeedWorker::AcceptWebSockets() {
  while (FServer->hasPendingWebSocketConnections()) {
    QWebSocket* Client = FServer->nextPendingWebSocketConnection().release();
    const QString Path = Client->requestUrl().path();
    if (Path == LivePath) {
      Watch(FLive, Client);
      FLiveCount = static_cast<int>(FLive.size());
      Client->sendTextMessage(QString::fromUtf8(MatchJson()));
    } else {  // the routes upgrade nothing else
      Watch(FCourtWatchers, Client);
      for (auto It = FCourts.cbegin(); It != FCourts.cend(); ++It) {
        Client->sendTextMessage(QString::fromUtf8(Compact(CourtMessage(It.key(), It.value()))));
      }
    }
  }
}

void TFeedWorker::Watch(std::vector<QWebSocket*>& Clients, QWebSocket* Client) {
  Client->setParent(this);
  Clients.push_back(Client);
  connect(Client, &QWebSocket::disconnected, this, [this, &Clients, Client] {
    Clients.erase(std::remove(Clients.begin(), Clients.end(), Client), Clients.end());
    FLiveCount = static_cast<int>(FLive.size());
    Client->deleteLater();
  });
  // Nothing a client sends changes the match.
}

QByteArray TFeedWorker::MatchJson() const {
  return Compact(FMatch.At(Now() * MsPerDay, QDateTime::currentMSecsSinceEpoch()).ToJson());
}

QByteArray TFeedWorker::CourtsJson() const {
  QJsonObject Result;
  for (auto It = FCourts.cbegin(); It != FCourts.cend(); ++It) Result.insert(It.key(), It.value());
  return Compact(Result);
}

void TFeedWorker::Publish(const TMatchSnapshot& Snapshot) {
  FMatch = Snapshot;
  if (FLive.empty()) return;
  const QString Message = QString::fromUtf8(MatchJson());
  for (QWebSocket* Client : FLive) Client->sendTextMessage(Message);
}

void TFeedWorker::SetCourt(const QString& Court, const QJsonObject& Match) {
  FCourts.insert(Court, Match);
  const QString Message = QString::fromUtf8(Compact(CourtMessage(Court, Match)));
  for (QWebSocket* Client : FCourtWatchers) Client->sendTextMessage(Message);
}
