#include "update/UpdateDownload.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include "update/LocalFileRead.h"
#include "update/UpdateUrl.h"

namespace {
// A server or file that sends nothing for this long is taken as gone.
int TransferTimeoutMs = 30000;
constexpr int MaximumRedirects = 5;
}  // namespace

void SetUpdateTransferTimeoutForTest(int Milliseconds) { TransferTimeoutMs = Milliseconds; }

TUpdateDownload::TUpdateDownload(QNetworkAccessManager& Network, QObject* Parent)
    : QObject(Parent), FNetwork(Network), FLocalIdle(new QTimer(this)) {
  FLocalIdle->setSingleShot(true);
  connect(FLocalIdle, &QTimer::timeout, this, [this] {
    Fail(QStringLiteral("%1: nothing arrived for %2 seconds.")
             .arg(FUrl.toDisplayString())
             .arg(TransferTimeoutMs / 1000.0));
  });
}

TUpdateDownload::~TUpdateDownload() { Abort(); }

void TUpdateDownload::Start(const QUrl& Url, QIODevice& Sink, qint64 Limit) {
  Abort();
  FSink = &Sink;
  FUrl = Url;
  FLimit = Limit;
  FReceived = 0;
  FHash.reset();
  if (Url.isLocalFile()) {
    StartLocal();
    return;
  }
  QNetworkRequest Request(Url);
  Request.setTransferTimeout(TransferTimeoutMs);
  // Each redirect must pass the same address rules as the first address.
  Request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::UserVerifiedRedirectPolicy);
  Request.setMaximumRedirectsAllowed(MaximumRedirects);
  FReply = FNetwork.get(Request);
  connect(FReply, &QNetworkReply::redirected, this, [this](const QUrl& Target) {
    if (IsAllowedUpdateUrl(Target)) {
      emit FReply->redirectAllowed();
    } else {
      Fail(QCoreApplication::translate("Update",
                                       "%1 redirects to an address that is not allowed: %2")
               .arg(FUrl.toDisplayString(), Target.toDisplayString()));
    }
  });
  connect(FReply, &QNetworkReply::metaDataChanged, this, [this] {
    if (!HttpStatusError().isEmpty()) return;
    const QVariant Length = FReply->header(QNetworkRequest::ContentLengthHeader);
    if (Length.isValid() && Length.toLongLong() > FLimit) {
      Fail(QCoreApplication::translate("Update", "%1 is larger than announced.")
               .arg(FUrl.toDisplayString()));
    }
  });
  connect(FReply, &QNetworkReply::readyRead, this, &TUpdateDownload::ReadAvailable);
  connect(FReply, &QNetworkReply::finished, this, &TUpdateDownload::Finished);
}

void TUpdateDownload::StartLocal() {
  FLocal = new TLocalFileRead(FUrl.toLocalFile(), FLimit, this);
  FLocal->OnChunk = [this](const QByteArray& Data) {
    if (Accept(Data)) FLocalIdle->start(TransferTimeoutMs);
  };
  FLocal->OnDone = [this](const QString& Error) {
    if (!Error.isEmpty()) {
      Fail(QStringLiteral("%1: %2").arg(FUrl.toDisplayString(), Error));
      return;
    }
    Abort();
    RaiseDone(QString());
  };
  FLocalIdle->start(TransferTimeoutMs);
  FLocal->Start();
}

void TUpdateDownload::Abort() {
  FLocalIdle->stop();
  if (FLocal) {
    TLocalFileRead* Local = FLocal;
    FLocal = nullptr;
    // Possibly called from inside its own event: it goes later.
    Local->GiveUp();
    Local->deleteLater();
  }
  if (!FReply) return;
  QNetworkReply* Reply = FReply;
  FReply = nullptr;
  // abort() emits finished at once; nobody may hear it.
  disconnect(Reply, nullptr, this, nullptr);
  Reply->abort();
  Reply->deleteLater();
}

QString TUpdateDownload::HttpStatusError() const {
  const QVariant Status = FReply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
  const int Code = Status.toInt();
  // Redirect answers are followed by the reply itself.
  if (!Status.isValid() || Code == 200 || (Code >= 300 && Code < 400)) return QString();
  return QCoreApplication::translate("Update", "%1: the server answered %2 %3")
      .arg(FUrl.toDisplayString())
      .arg(Code)
      .arg(FReply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
}

void TUpdateDownload::ReadAvailable() {
  const QByteArray Data = FReply->readAll();
  // An error page is not the file; Finished reports the answer.
  if (Data.isEmpty() || !HttpStatusError().isEmpty()) return;
  Accept(Data);
}

bool TUpdateDownload::Accept(const QByteArray& Data) {
  if (FReceived + Data.size() > FLimit) {
    Fail(QCoreApplication::translate("Update", "%1 is larger than announced.")
             .arg(FUrl.toDisplayString()));
    return false;
  }
  if (FSink->write(Data) != Data.size()) {
    Fail(QCoreApplication::translate("Update", "Unable to store %1: %2")
             .arg(FUrl.toDisplayString(), FSink->errorString()));
    return false;
  }
  FHash.addData(Data);
  FReceived += Data.size();
  if (OnProgress) OnProgress(FReceived);
  return true;
}

void TUpdateDownload::Finished() {
  if (!FReply) return;
  if (const QString StatusError = HttpStatusError(); !StatusError.isEmpty()) {
    Fail(StatusError);
    return;
  }
  if (FReply->error() != QNetworkReply::NoError) {
    Fail(QStringLiteral("%1: %2").arg(FUrl.toDisplayString(), FReply->errorString()));
    return;
  }
  ReadAvailable();
  if (!FReply) return;
  FReply->deleteLater();
  FReply = nullptr;
  RaiseDone(QString());
}

void TUpdateDownload::Fail(const QString& Error) {
  Abort();
  RaiseDone(Error);
}

void TUpdateDownload::RaiseDone(const QString& Error) {
  // The handler may start the next transfer and set a new handler meanwhile.
  const TDoneEvent Done = OnDone;
  if (Done) Done(Error);
}
