#pragma once

#include <QCryptographicHash>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <functional>
#include <memory>

#include "update/HttpClient.h"

class QIODevice;
class QTimer;
class TLocalFileRead;
class TUpdateHttp;

// How long a transfer may bring nothing before it is given up; tests shorten it.
void SetUpdateTransferTimeoutForTest(int Milliseconds);

// One GET of an update address into a device, in the background: the data is
// hashed as it arrives, and the transfer stops the moment it passes its limit,
// so a server cannot fill the disk with more than it announced. A file://
// address is read in a thread of its own; either way a transfer that brings
// nothing for a while ends with an error.
class TUpdateDownload : public QObject {
 public:
  // Error is empty when the whole body arrived.
  using TDoneEvent = std::function<void(const QString& Error)>;
  using TProgressEvent = std::function<void(qint64 Received)>;

  explicit TUpdateDownload(TUpdateHttp& Http, QObject* Parent = nullptr);
  ~TUpdateDownload() override;

  // Starts fetching Url into Sink; more than Limit bytes is an error.
  void Start(const QUrl& Url, QIODevice& Sink, qint64 Limit);
  // Stops a running transfer without raising OnDone.
  void Abort();
  bool Running() const { return FTransfer || !FLocal.isNull(); }
  qint64 Received() const { return FReceived; }
  QByteArray Sha256() const { return FHash.result(); }

  TProgressEvent OnProgress;
  TDoneEvent OnDone;

 private:
  void StartLocal();
  void StartHttp();
  bool RedirectAllowed(const QUrl& Target);
  void HeadArrived();
  void ReadAvailable();
  // Takes the next piece of the body; false when the transfer failed on it.
  bool Accept(const QByteArray& Data);
  void Finished(const QString& Error);
  void Fail(const QString& Error);
  void RaiseDone(const QString& Error);
  // Why the server's answer is not the file; empty for a good answer.
  QString HttpStatusError() const;

  TUpdateHttp& FHttp;
  std::unique_ptr<THttpTransfer> FTransfer;
  QPointer<TLocalFileRead> FLocal;
  // Runs while a file:// read waits for its next piece.
  QTimer* FLocalIdle;
  QIODevice* FSink = nullptr;
  QUrl FUrl;
  qint64 FLimit = 0;
  qint64 FReceived = 0;
  QCryptographicHash FHash{QCryptographicHash::Sha256};
};
