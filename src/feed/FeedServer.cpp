#include "feed/FeedServer.h"

#include "feed/FeedWorker.h"

TFeedServer::TFeedServer(const TFeedLimits& Limits) : FWorker(new TFeedWorker(Limits)) {
  FThread.setObjectName(QStringLiteral("DorvaneFeed"));
  FWorker->moveToThread(&FThread);
  QObject::connect(&FThread, &QThread::finished, FWorker, &QObject::deleteLater);
  FThread.start();
}

TFeedServer::~TFeedServer() {
  FThread.quit();
  FThread.wait();
}

// The feed's thread never waits for the caller's, so waiting here cannot deadlock.
quint16 TFeedServer::Listen(const QHostAddress& Address, quint16 Port) {
  quint16 Result = 0;
  QMetaObject::invokeMethod(
      FWorker, [&] { Result = FWorker->Listen(Address, Port); }, Qt::BlockingQueuedConnection);
  return Result;
}

void TFeedServer::Publish(const TMatchSnapshot& Snapshot) {
  TFeedWorker* Worker = FWorker;
  QMetaObject::invokeMethod(Worker, [Worker, Snapshot] { Worker->Publish(Snapshot); });
}

void TFeedServer::SetCourt(const QString& Court, const QJsonObject& Match) {
  TFeedWorker* Worker = FWorker;
  QMetaObject::invokeMethod(Worker, [Worker, Court, Match] { Worker->SetCourt(Court, Match); });
}

void TFeedServer::RemoveCourt(const QString& Court) {
  TFeedWorker* Worker = FWorker;
  QMetaObject::invokeMethod(Worker, [Worker, Court] { Worker->RemoveCourt(Court); });
}

TFeedLoad TFeedServer::Load() const {
  TFeedLoad Result;
  QMetaObject::invokeMethod(
      FWorker, [&] { Result = FWorker->Load(); }, Qt::BlockingQueuedConnection);
  return Result;
}

int TFeedServer::LiveClients() const { return FWorker->LiveClients(); }
