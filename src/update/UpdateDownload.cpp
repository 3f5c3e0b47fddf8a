#include "update/UpdateDownload.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QTimer>

#include "update/LocalFileRead.h"
#include "update/UpdateHttp.h"
#include "update/UpdateUrl.h"

namespace {
// A server or file that sends nothing for this long is taken as gone.
int TransferTimeoutMs = 30000;
constexpr int MaximumRedirects = 5;
}  // namespace

void SetUpdateTransferTimeoutForTest(int Milliseconds) { TransferTimeoutMs = Milliseconds; }

TUpdateDownload::TUpdateDownload(TUpdateHttp& Http, QObject* Parent)
    : QObject(Parent), FHttp(Http), FLocalIdle(new QTimer(this)) {
  FLocalIdle->setSingleShot(true);
  connect(FLocalIdle, &QTimer::timeout, this, [this] {
    Fail(QCoreApplication::translate("Update", "%1: nothing arrived for %2 seconds.")
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
  StartHttp();
}

void TUpdateDownload::StartHttp() {
  QString Error;
  THttpClient* Client = FHttp.Client(Error);
  if (!Client) {
    Fail(QStringLiteral("%1: %2").arg(FUrl.toDisplayString(), Error));
    return;
  }
  THttpTransfer::TEvents Events;
  Events.OnRedirect = [this](const QUrl& Target) { return RedirectAllowed(Target); };
  Events.OnHead = [this] { HeadArrived(); };
  Events.OnData = [this] { ReadAvailable(); };
  Events.OnFinished = [this](const QString& Error) { Finished(Error); };
  FTransfer = Client->Get(FUrl, TransferTimeoutMs, MaximumRedirects, std::move(Events));
}

// Each redirect must pass the same address rules as the first address.
bool TUpdateDownload::RedirectAllowed(const QUrl& Target) {
  if (IsAllowedUpdateUrl(Target)) return true;
  Fail(QCoreApplication::translate("Update", "%1 redirects to an address that is not allowed: %2")
           .arg(FUrl.toDisplayString(), Target.toDisplayString()));
  return false;
}

void TUpdateDownload::HeadArrived() {
  if (!HttpStatusError().isEmpty()) return;
  if (FTransfer->ContentLength() > FLimit) {
    Fail(QCoreApplication::translate("Update", "%1 is larger than announced.")
             .arg(FUrl.toDisplayString()));
  }
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
  // Stops it; it reports nothing more.
  FTransfer.reset();
}

QString TUpdateDownload::HttpStatusError() const {
  const int Code = FTransfer->Status();
  // Redirect answers are followed by the transfer itself.
  if (Code == 0 || Code == 200 || (Code >= 300 && Code < 400)) return QString();
  return QCoreApplication::translate("Update", "%1: the server answered %2 %3")
      .arg(FUrl.toDisplayString())
      .arg(Code)
      .arg(FTransfer->ReasonPhrase());
}

void TUpdateDownload::ReadAvailable() {
  const QByteArray Data = FTransfer->ReadAll();
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

void TUpdateDownload::Finished(const QString& Error) {
  if (const QString StatusError = HttpStatusError(); !StatusError.isEmpty()) {
    Fail(StatusError);
    return;
  }
  if (!Error.isEmpty()) {
    Fail(QStringLiteral("%1: %2").arg(FUrl.toDisplayString(), Error));
    return;
  }
  ReadAvailable();
  if (!FTransfer) return;
  FTransfer.reset();
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
