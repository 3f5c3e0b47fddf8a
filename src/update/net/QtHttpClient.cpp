#include "update/net/QtHttpClient.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

namespace {

// Calls a copy of Event, if set: the transfer, and Event with it, may be
// destroyed inside the call. An unset OnRedirect answers false.
template <typename TEvent, typename... TArgs>
auto Raise(const TEvent& Event, TArgs&&... Args) {
  const TEvent Call = Event;
  if (!Call) return typename TEvent::result_type();
  return Call(std::forward<TArgs>(Args)...);
}

class TQtHttpTransfer : public QObject, public THttpTransfer {
 public:
  TQtHttpTransfer(QNetworkReply* Reply, TEvents Events)
      : FReply(Reply), FEvents(std::move(Events)) {
    connect(Reply, &QNetworkReply::redirected, this, [this](const QUrl& Target) {
      const QPointer<TQtHttpTransfer> Alive(this);
      const bool Follow = Raise(FEvents.OnRedirect, Target);
      if (!Alive) return;
      if (Follow) {
        emit FReply->redirectAllowed();
      } else {
        Stop();
      }
    });
    connect(Reply, &QNetworkReply::metaDataChanged, this, [this] { Raise(FEvents.OnHead); });
    connect(Reply, &QNetworkReply::readyRead, this, [this] { Raise(FEvents.OnData); });
    connect(Reply, &QNetworkReply::finished, this, [this] {
      Raise(FEvents.OnFinished,
            FReply->error() == QNetworkReply::NoError ? QString() : FReply->errorString());
    });
  }
  ~TQtHttpTransfer() override { Stop(); }

  int Status() const override {
    return FReply ? FReply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
  }
  QString ReasonPhrase() const override {
    return FReply ? FReply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()
                  : QString();
  }
  qint64 ContentLength() const override {
    const QVariant Length =
        FReply ? FReply->header(QNetworkRequest::ContentLengthHeader) : QVariant();
    return Length.isValid() ? Length.toLongLong() : -1;
  }
  QByteArray ReadAll() override { return FReply ? FReply->readAll() : QByteArray(); }

 private:
  void Stop() {
    if (!FReply) return;
    QNetworkReply* Reply = FReply;
    FReply = nullptr;
    // abort() emits finished at once; nobody may hear it.
    disconnect(Reply, nullptr, this, nullptr);
    Reply->abort();
    Reply->deleteLater();
  }

  QPointer<QNetworkReply> FReply;
  TEvents FEvents;
};

class TQtHttpClient : public THttpClient {
 public:
  std::unique_ptr<THttpTransfer> Get(const QUrl& Url, int TimeoutMs, int MaxRedirects,
                                     THttpTransfer::TEvents Events) override {
    QNetworkRequest Request(Url);
    Request.setTransferTimeout(TimeoutMs);
    // The user decides on each redirect (OnRedirect).
    Request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    Request.setMaximumRedirectsAllowed(MaxRedirects);
    return std::make_unique<TQtHttpTransfer>(FNetwork.get(Request), std::move(Events));
  }

 private:
  QNetworkAccessManager FNetwork;
};

}  // namespace

std::unique_ptr<THttpClient> MakeQtHttpClient() { return std::make_unique<TQtHttpClient>(); }
