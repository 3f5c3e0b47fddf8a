#include "update/UpdateStaging.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <filesystem>

#include "platform/Logging.h"
#include "platform/ProgramDir.h"
#include "update/UpdateDescription.h"
#include "update/UpdateLog.h"

namespace {

const QString& StagingFolderName() {
  static const QString Name = QStringLiteral("update-staging");
  return Name;
}

QString ManifestPath() {
  return QDir(UpdateStagingDir()).filePath(QStringLiteral("manifest.json"));
}

QString ProgramFilePath(const QString& Path) { return QDir(ProgramDir()).filePath(Path); }

QString NewCopyPath(const QString& Target) { return Target + QStringLiteral(".update-new"); }
QString BackupPath(const QString& Target) { return Target + QStringLiteral(".update-old"); }

bool IsInside(const QString& Canonical, const QString& Root) {
  return !Root.isEmpty() && (Canonical == Root || Canonical.startsWith(Root + QLatin1Char('/')));
}

bool CopyBeside(const QString& Staged, const QString& Target, QString& Error) {
  const QString Copy = NewCopyPath(Target);
  QFile::remove(Copy);
  if (!QDir().mkpath(QFileInfo(Target).absolutePath()) || !QFile::copy(Staged, Copy)) {
    Error = QCoreApplication::translate("Update", "Unable to write %1")
                .arg(QDir::toNativeSeparators(Copy));
    return false;
  }
  // The program keeps its execute bits; a new file gets the usual mode.
  const QFileDevice::Permissions Mode = QFileInfo::exists(Target)
                                            ? QFile::permissions(Target)
                                            : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ReadGroup | QFileDevice::ReadOther;
  QFile::setPermissions(Copy, Mode);
  return true;
}

// A program file about to be replaced, and whether one was there before.
struct TReplacement {
  QString Target;
  bool HadOriginal = false;
};

bool BackUp(const QString& Target, QString& Error) {
  const QString Backup = BackupPath(Target);
  QFile::remove(Backup);
  if (!QFile::copy(Target, Backup)) {
    Error = QCoreApplication::translate("Update", "Unable to write %1")
                .arg(QDir::toNativeSeparators(Backup));
    return false;
  }
  return true;
}

// A rename over the old file: a reader sees the old or the new file, never
// half of one, and the running program keeps its own copy open.
bool ReplaceFile(const QString& From, const QString& Target, QString& Error) {
  std::error_code Failure;
  std::filesystem::rename(QFile::encodeName(From).toStdString(),
                          QFile::encodeName(Target).toStdString(), Failure);
  if (!Failure) return true;
  Error = QCoreApplication::translate("Update", "Unable to replace %1: %2")
              .arg(QDir::toNativeSeparators(Target), QString::fromStdString(Failure.message()));
  return false;
}

// Puts the replaced files back as they were: each original from its backup, a
// file that was new removed. Gives the ones that could not be put back.
QStringList RollBack(const QList<TReplacement>& Replaced) {
  QStringList Lost;
  for (const TReplacement& File : Replaced) {
    QString Ignored;
    const bool Restored = File.HadOriginal
                              ? ReplaceFile(BackupPath(File.Target), File.Target, Ignored)
                              : QFile::remove(File.Target);
    if (!Restored) {
      qCWarning(lcUpdate) << "Could not put back" << File.Target << Ignored;
      Lost.append(QDir::toNativeSeparators(File.Target));
    }
  }
  return Lost;
}

// Removes the new copies and backups, except the backups of the files in Keep.
void RemoveLeftovers(const QList<TReplacement>& Files, const QStringList& Keep) {
  for (const TReplacement& File : Files) {
    QFile::remove(NewCopyPath(File.Target));
    if (!Keep.contains(QDir::toNativeSeparators(File.Target)))
      QFile::remove(BackupPath(File.Target));
  }
}

}  // namespace

QString UpdateStagingDir() { return QDir(ProgramDir()).filePath(StagingFolderName()); }

QString StagedFilePath(const QString& Path) {
  return QDir(UpdateStagingDir()).filePath(QStringLiteral("files/") + Path);
}

void DiscardStaging() {
  // The manifest goes first: without it, what may be left is never installed.
  QFile::remove(ManifestPath());
  if (!QDir(UpdateStagingDir()).removeRecursively()) {
    qCWarning(lcUpdate) << "Could not remove all of" << UpdateStagingDir();
  }
}

void DiscardFailedStaging(const QString& Reason) {
  qCWarning(lcUpdate).noquote() << "The staged update could not be installed and is removed:"
                                << Reason;
  DiscardStaging();
}

bool WriteStagingManifest(const TStagedUpdate& Update, QString& Error) {
  QJsonArray Files;
  for (const TStagedFile& File : Update.Files) {
    Files.append(QJsonObject{{QStringLiteral("path"), File.Path},
                             {QStringLiteral("size"), static_cast<double>(File.Size)},
                             {QStringLiteral("sha256"), QString::fromLatin1(File.Sha256.toHex())}});
  }
  const QJsonObject Root{{QStringLiteral("version"), Update.Version},
                         {QStringLiteral("files"), Files}};
  QSaveFile Out(ManifestPath());
  if (!Out.open(QIODevice::WriteOnly) || Out.write(QJsonDocument(Root).toJson()) < 0 ||
      !Out.commit()) {
    Error = QCoreApplication::translate("Update", "Unable to write %1")
                .arg(QDir::toNativeSeparators(ManifestPath()));
    return false;
  }
  return true;
}

std::optional<TStagedUpdate> ReadStagingManifest(QString& Error) {
  QFile In(ManifestPath());
  if (!In.open(QIODevice::ReadOnly)) {
    Error = QCoreApplication::translate("Update", "No update is staged.");
    return std::nullopt;
  }
  const QJsonObject Root = QJsonDocument::fromJson(In.readAll()).object();
  TStagedUpdate Update;
  Update.Version = Root.value(QLatin1String("version")).toString();
  if (!ParseVersion(Update.Version)) {
    Error = QCoreApplication::translate("Update", "The staged update's manifest is damaged.");
    return std::nullopt;
  }
  for (const QJsonValue& Value : Root.value(QLatin1String("files")).toArray()) {
    const QJsonObject Object = Value.toObject();
    TStagedFile File{
        Object.value(QLatin1String("path")).toString(),
        static_cast<qint64>(Object.value(QLatin1String("size")).toDouble(-1)),
        QByteArray::fromHex(Object.value(QLatin1String("sha256")).toString().toLatin1())};
    if (!IsSafeRelativePath(File.Path) || File.Size < 0 || File.Sha256.size() != 32) {
      Error = QCoreApplication::translate("Update", "The staged update's manifest is damaged.");
      return std::nullopt;
    }
    Update.Files.append(File);
  }
  return Update;
}

bool VerifyStagedFiles(const TStagedUpdate& Update, QString& Error) {
  for (const TStagedFile& File : Update.Files) {
    const QString Staged = StagedFilePath(File.Path);
    const QFileInfo Info(Staged);
    if (Info.isSymLink() || !Info.isFile() || Info.size() != File.Size ||
        FileSha256(Staged) != File.Sha256) {
      Error =
          QCoreApplication::translate("Update", "The staged file %1 is damaged.").arg(File.Path);
      return false;
    }
  }
  return true;
}

bool TargetStaysInside(const QString& Path, QString& Error) {
  Error = QCoreApplication::translate("Update",
                                      "The update file \"%1\" would leave the program's folder.")
              .arg(Path);
  if (!IsSafeRelativePath(Path) ||
      Path.section(QLatin1Char('/'), 0, 0).compare(StagingFolderName(), Qt::CaseInsensitive) == 0) {
    return false;
  }
  const QString Target = ProgramFilePath(Path);
  if (QFileInfo(Target).isSymLink()) return false;
  // The nearest folder that exists decides where the new ones will be made.
  QString Existing = QFileInfo(Target).absolutePath();
  while (!QFileInfo::exists(Existing)) Existing = QFileInfo(Existing).absolutePath();
  if (!IsInside(QFileInfo(Existing).canonicalFilePath(),
                QFileInfo(ProgramDir()).canonicalFilePath())) {
    return false;
  }
  Error.clear();
  return true;
}

bool InstallStagedFiles(const TStagedUpdate& Update, QString& Error) {
  QList<TReplacement> Prepared;
  for (const TStagedFile& File : Update.Files) {
    const QString Target = ProgramFilePath(File.Path);
    if (!TargetStaysInside(File.Path, Error) ||
        !CopyBeside(StagedFilePath(File.Path), Target, Error)) {
      RemoveLeftovers(Prepared, {});
      return false;
    }
    Prepared.append({Target, QFileInfo(Target).isFile()});
    if (Prepared.last().HadOriginal && !BackUp(Target, Error)) {
      RemoveLeftovers(Prepared, {});
      return false;
    }
  }
  for (qsizetype Done = 0; Done < Prepared.size(); ++Done) {
    if (!ReplaceFile(NewCopyPath(Prepared[Done].Target), Prepared[Done].Target, Error)) {
      const QStringList Lost = RollBack(Prepared.first(Done));
      if (!Lost.isEmpty()) {
        Error += QStringLiteral(
                     "\nThese files could not be put back: %1. Each one's previous version "
                     "is kept beside it with the ending \".update-old\".")
                     .arg(Lost.join(QStringLiteral(", ")));
      }
      RemoveLeftovers(Prepared, Lost);
      return false;
    }
  }
  RemoveLeftovers(Prepared, {});
  return true;
}

bool InstallStagedUpdate() {
  if (!QFileInfo::exists(UpdateStagingDir())) return false;
  QString Error;
  const std::optional<TStagedUpdate> Update = ReadStagingManifest(Error);
  if (!Update) {
    qCWarning(lcUpdate).noquote() << "An unfinished update download is removed:" << Error;
    DiscardStaging();
    return false;
  }
  if (CompareVersions(*ParseVersion(Update->Version), *ParseVersion(DORVANE_VERSION)) <= 0) {
    qCInfo(lcUpdate).noquote() << "The staged update" << Update->Version
                               << "is not newer than this program and is removed.";
    DiscardStaging();
    return false;
  }
  if (!VerifyStagedFiles(*Update, Error) || !InstallStagedFiles(*Update, Error)) {
    DiscardFailedStaging(Error);
    return false;
  }
  DiscardStaging();
  return true;
}

QByteArray FileSha256(const QString& Path) {
  QFile In(Path);
  if (!In.open(QIODevice::ReadOnly)) return {};
  QCryptographicHash Hash(QCryptographicHash::Sha256);
  Hash.addData(&In);
  return Hash.result();
}
