#pragma once

#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "update/UpdateDescription.h"
#include "update/UpdateStaging.h"

class QNetworkAccessManager;
class TUpdateDescriptionFetch;
class TUpdateDownload;

// The software update: fetches the description from the update location,
// compares its version with this program's, downloads and verifies the newer
// files into the staging folder, and, when the window allows a shutdown,
// installs them and starts the program again. Runs on the main thread's event
// loop; the window hears of it only through the events below.
class TUpdateCheck : public QObject {
 public:
  // The status codes the window answers.
  static constexpr int StatusDiscontinued = 2;
  static constexpr int StatusUpToDate = 4;

  using TStatusEvent = std::function<void(TUpdateCheck& Sender, int Code, const QString& Text)>;
  using TAskShutdownEvent = std::function<void(TUpdateCheck& Sender, bool& Allowed)>;
  using TNotifyEvent = std::function<void(TUpdateCheck& Sender)>;
  using TProgressEvent = std::function<void(TUpdateCheck& Sender, const QString& FileName,
                                            qint64 Size, qint64 Position)>;
  // Starts the program again after an install; false when it could not.
  using TRestart = std::function<bool()>;

  explicit TUpdateCheck(QObject* Parent = nullptr);
  ~TUpdateCheck() override;

  // Starts a check of the location in [Update] "URL"; nothing while one runs.
  void Start();
  bool InProgress() const { return FInProgress; }

  TStatusEvent OnStatus;
  TAskShutdownEvent OnAskShutdown;
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
  bool StageFile(const TUpdateFile& File, QString& Error);
  void OfferInstall();
  void Discontinue(const QString& Text);
  void Finish();

  QNetworkAccessManager* FNetwork;
  TUpdateDescriptionFetch* FFetch;
  TUpdateDownload* FDownload;
  bool FInProgress = false;
  // Files are being downloaded into the staging folder, not yet complete.
  bool FStaging = false;
  TUpdateDescription FDescription;
  qsizetype FNextFile = 0;
  QFile FPart;
  TStagedUpdate FStaged;
};
