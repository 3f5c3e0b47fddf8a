#include "update/UpdateCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>

#include "update/UpdateDescriptionFetch.h"
#include "update/UpdateDownload.h"

namespace {

// What one cabinet may unpack to.
constexpr qint64 MaxCabinetContent = qint64(1) << 30;

bool RestartProgram() {
  return QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                 QCoreApplication::arguments().mid(1));
}

QString FolderOf(const QString& Path) {
  const qsizetype Slash = Path.lastIndexOf(QLatin1Char('/'));
  return Slash < 0 ? QString() : Path.left(Slash + 1);
}

}  // namespace

TUpdateCheck::TUpdateCheck(QObject* Parent)
    : QObject(Parent),
      Restart(RestartProgram),
      FFetch(new TUpdateDescriptionFetch(FHttp, this)),
      FDownload(new TUpdateDownload(FHttp, this)) {
  FFetch->OnDone = [this](const std::optional<TUpdateDescription>& Description,
                          const QString& Error) { DescriptionArrived(Description, Error); };
  FDownload->OnDone = [this](const QString& Error) { FileArrived(Error); };
  FUnpack.OnDone = [this](const std::optional<QList<TExtractedFile>>& Entries,
                          const QString& Error) { CabinetUnpacked(Entries, Error); };
  FDownload->OnProgress = [this](qint64 Received) {
    const TUpdateFile& Current = FDescription.Files[FNextFile];
    if (OnProgress) OnProgress(*this, Current.Path, Current.Size, Received);
  };
}

TUpdateCheck::~TUpdateCheck() {
  FFetch->Abort();
  FDownload->Abort();
}

void TUpdateCheck::Start() {
  if (FInProgress) return;
  FInProgress = true;
  FFetch->Start();
}

void TUpdateCheck::DescriptionArrived(const std::optional<TUpdateDescription>& Description,
                                      const QString& Error) {
  if (!Description) {
    Discontinue(Error);
    return;
  }
  if (CompareVersions(*ParseVersion(Description->Version), *ParseVersion(DORVANE_VERSION)) <= 0) {
    if (OnStatus) {
      OnStatus(
          *this, StatusUpToDate,
          QCoreApplication::translate(
              "Update", "You have the latest version. No updates are available at this time."));
    }
    Finish();
    return;
  }
  QSet<QString> Targets;
  for (const TUpdateFile& File : Description->Files) {
    QString PathError;
    if (!TargetStaysInside(File.Path, PathError)) {
      Discontinue(PathError);
      return;
    }
    if (Targets.contains(File.Path)) {
      Discontinue(QCoreApplication::translate("Update", "The update names the file \"%1\" twice.")
                      .arg(File.Path));
      return;
    }
    Targets.insert(File.Path);
  }
  FDescription = *Description;
  FStaged = {FDescription.Version, {}};
  FNextFile = 0;
  // An older or unfinished download must not mix with this one.
  DiscardStaging();
  FStaging = true;
  if (!QDir().mkpath(UpdateStagingDir())) {
    Discontinue(QCoreApplication::translate("Update", "Unable to create %1")
                    .arg(QDir::toNativeSeparators(UpdateStagingDir())));
    return;
  }
  DownloadNext();
}

void TUpdateCheck::DownloadNext() {
  if (FNextFile == FDescription.Files.size()) {
    OfferInstall();
    return;
  }
  const TUpdateFile& File = FDescription.Files[FNextFile];
  FPart.setFileName(QDir(UpdateStagingDir()).filePath(QStringLiteral("download.part")));
  if (!FPart.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    Discontinue(QCoreApplication::translate("Update", "Unable to write %1")
                    .arg(QDir::toNativeSeparators(FPart.fileName())));
    return;
  }
  if (OnDownloadBegin) OnDownloadBegin(*this);
  FDownload->Start(File.Url, FPart, File.Size);
}

void TUpdateCheck::FileArrived(const QString& Error) {
  FPart.close();
  const TUpdateFile& File = FDescription.Files[FNextFile];
  QString StageError = Error;
  if (StageError.isEmpty() && FDownload->Received() != File.Size) {
    StageError =
        QCoreApplication::translate("Update", "The download of %1 ended early (%L2 of %L3 bytes).")
            .arg(File.Path)
            .arg(FDownload->Received())
            .arg(File.Size);
  }
  if (StageError.isEmpty() && FDownload->Sha256() != File.Sha256) {
    StageError =
        QCoreApplication::translate("Update", "The download of %1 does not match its SHA-256 sum.")
            .arg(File.Path);
  }
  if (StageError.isEmpty() && IsCabinetPath(File.Path)) {
    // A cabinet is not installed itself: its entries go into the cabinet's
    // folder, unpacked off the main thread.
    FUnpack.Start(FPart.fileName(), StagedFilePath(FolderOf(File.Path)), MaxCabinetContent);
    return;
  }
  if (!StageError.isEmpty() || !StageFile(File, StageError)) {
    Discontinue(StageError);
    return;
  }
  FileStaged();
}

void TUpdateCheck::FileStaged() {
  ++FNextFile;
  DownloadNext();
}

bool TUpdateCheck::StageFile(const TUpdateFile& File, QString& Error) {
  const QString Staged = StagedFilePath(File.Path);
  if (!QDir().mkpath(QFileInfo(Staged).absolutePath()) || !FPart.rename(Staged)) {
    Error = QCoreApplication::translate("Update", "Unable to write %1")
                .arg(QDir::toNativeSeparators(Staged));
    return false;
  }
  FStaged.Files.append({File.Path, File.Size, File.Sha256});
  return true;
}

void TUpdateCheck::CabinetUnpacked(const std::optional<QList<TExtractedFile>>& Entries,
                                   QString Error) {
  FPart.remove();
  if (!Entries) {
    Discontinue(Error);
    return;
  }
  const QString Folder = FolderOf(FDescription.Files[FNextFile].Path);
  for (const TExtractedFile& Entry : *Entries) {
    const QString Path = Folder + Entry.Path;
    if (!TargetStaysInside(Path, Error)) {
      Discontinue(Error);
      return;
    }
    FStaged.Files.append({Path, Entry.Size, Entry.Sha256});
  }
  FileStaged();
}

void TUpdateCheck::OfferInstall() {
  QString Error;
  if (!WriteStagingManifest(FStaged, Error)) {
    Discontinue(Error);
    return;
  }
  FStaging = false;
  if (MayAskShutdown && !MayAskShutdown(*this)) {
    FWaiting = true;
    if (OnWaiting) OnWaiting(*this);
    return;
  }
  AskShutdown();
}

void TUpdateCheck::AskIfWaiting() {
  if (!FWaiting || (MayAskShutdown && !MayAskShutdown(*this))) return;
  FWaiting = false;
  AskShutdown();
}

void TUpdateCheck::AskShutdown() {
  QString Error;
  bool Allowed = false;
  if (OnAskShutdown) OnAskShutdown(*this, Allowed);
  // Declined: the staged files wait for the next start of the program.
  if (!Allowed) {
    Finish();
    return;
  }
  if (!InstallStagedFiles(FStaged, Error)) {
    // Every file is as it was; the same install would fail again at the next start.
    DiscardFailedStaging(Error);
    Discontinue(Error);
    return;
  }
  DiscardStaging();
  if (!Restart()) {
    Discontinue(
        QCoreApplication::translate("Update",
                                    "The update is installed, but the program could not be started "
                                    "again. Please start it yourself."));
    return;
  }
  Finish();
  if (OnRequestClose) OnRequestClose(*this);
}

void TUpdateCheck::Discontinue(const QString& Text) {
  FDownload->Abort();
  FUnpack.Stop();
  if (FPart.isOpen()) FPart.close();
  // Nothing half-downloaded stays behind; a complete, verified download does,
  // to be installed at the next start.
  if (FStaging) {
    DiscardStaging();
    FStaging = false;
  }
  if (OnStatus) OnStatus(*this, StatusDiscontinued, Text);
  Finish();
}

void TUpdateCheck::Finish() {
  FInProgress = false;
  if (OnFinished) OnFinished(*this);
}
