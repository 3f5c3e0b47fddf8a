#pragma once

#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "update/CabinetUnpack.h"
#include "update/UpdateDescription.h"
#include "update/UpdateHttp.h"
#include "update/UpdateStaging.h"

class TUpdateDescriptionFetch;
class TUpdateDownload;

// The software update: fetches the description from the update location,
// compares its version with this program's, downloads and verifies the newer
// files into the staging folder, and, when the window allows a shutdown,
// installs them and starts the program again. Runs on the main thread's event
// loop; the window hears of it only through the events below. A finished
// download whose question may not be asked yet (a clock runs) waits until the
// window calls AskIfWaiting.
class TUpdateCheck : public QObject {
 public:
  // The status codes the window answers.
  static constexpr int StatusDiscontinued = 2;
  static constexpr int StatusUpToDate = 4;

  using TStatusEvent = std::function<void(TUpdateCheck& Sender, int Code, const QString& Text)>;
  using TAskShutdownEvent = std::function<void(TUpdateCheck& Sender, bool& Allowed)>;
  using TNotifyEvent = std::function<void(TUpdateCheck& Sender)>;
  using TMayAskEvent = std::function<bool(TUpdateCheck& Sender)>;
  using TProgressEvent = std::function<void(TUpdateCheck& Sender, const QString& FileName,
                                            qint64 Size, qint64 Position)>;
  // Starts the program again after an install; false when it could not.
  using TRestart = std::function<bool()>;

  explicit TUpdateCheck(QObject* Parent = nullptr);
  ~TUpdateCheck() override;

  // Starts a check of the location in [Update] "URL"; nothing while one runs.
  void Start();
  bool InProgress() const { return FInProgress; }
  // A verified update waits for the shutdown question.
  bool Waiting() const { return FWaiting; }
  // Asks the waiting question, when MayAskShutdown allows it now.
  void AskIfWaiting();

  TStatusEvent OnStatus;
  TAskShutdownEvent OnAskShutdown;
  // Whether the shutdown question may be asked now; unset means always.
  TMayAskEvent MayAskShutdown;
  // The download is complete and waits for the question.
  TNotifyEvent OnWaiting;
  TNotifyEvent OnRequestClose;
  TNotifyEvent OnDownloadBegin;
  TProgressEvent OnProgress;
  TNotifyEvent OnFinished;
  // Starts this program with its arguments, detached.
  TRestart Restart;

 private:
  void DescriptionArrived(const std::optional<TUpdateDescription>& Description,
                          const QString& Error);
  void DownloadNext();
  void FileArrived(const QString& Error);
  // Moves an arrived file other than a cabinet into the staging folder.
  bool StageFile(const TUpdateFile& File, QString& Error);
  void CabinetUnpacked(const std::optional<QList<TExtractedFile>>& Entries, QString Error);
  void FileStaged();
  void OfferInstall();
  void AskShutdown();
  void Discontinue(const QString& Text);
  void Finish();

  // Opened on the first http(s) address: a file:// update needs no network module.
  TUpdateHttp FHttp;
  TUpdateDescriptionFetch* FFetch;
  TUpdateDownload* FDownload;
  TCabinetUnpack FUnpack;
  bool FInProgress = false;
  // Files are being downloaded into the staging folder, not yet complete.
  bool FStaging = false;
  bool FWaiting = false;
  TUpdateDescription FDescription;
  qsizetype FNextFile = 0;
  QFile FPart;
  TStagedUpdate FStaged;
};
