#include "update/CabinetArchive.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

#include "update/LibArchive.h"
#include "update/UpdateDescription.h"
#include "update/UpdateLog.h"

namespace {

using TArchivePtr = std::unique_ptr<archive, decltype(&archive_read_free)>;

QString ArchiveError(const TLibArchive& Lib, archive* Archive) {
  return QString::fromUtf8(Lib.ErrorString(Archive));
}

// Writes the current entry's data to Target, hashing it; false with Error set on failure.
bool WriteEntry(const TLibArchive& Lib, archive* Archive, const QString& Target, qint64 Budget,
                const std::atomic_bool& Stop, TExtractedFile& File, QString& Error) {
  QFile Out(Target);
  if (!QDir().mkpath(QFileInfo(Target).absolutePath()) || !Out.open(QIODevice::WriteOnly)) {
    Error = QCoreApplication::translate("Update", "Unable to write %1")
                .arg(QDir::toNativeSeparators(Target));
    return false;
  }
  QCryptographicHash Hash(QCryptographicHash::Sha256);
  char Buffer[64 * 1024];
  for (;;) {
    if (Stop) {
      Error = QStringLiteral("stopped");  // nobody waits for this answer any more
      return false;
    }
    const la_ssize_t Read = Lib.ReadData(Archive, Buffer, sizeof Buffer);
    if (Read == 0) break;
    if (Read < 0) {
      Error = ArchiveError(Lib, Archive);
      return false;
    }
    File.Size += Read;
    if (File.Size > Budget) {
      Error = QCoreApplication::translate("Update",
                                          "The cabinet unpacks to more than its update allows.");
      return false;
    }
    Hash.addData(QByteArrayView(Buffer, Read));
    if (Out.write(Buffer, Read) != Read) {
      Error = QCoreApplication::translate("Update", "Unable to write %1")
                  .arg(QDir::toNativeSeparators(Target));
      return false;
    }
  }
  File.Sha256 = Hash.result();
  return true;
}

// libarchive, loaded at the first cabinet; nullptr with Error set when it cannot be.
const TLibArchive* LoadLibArchiveFor(const QString& Archive, QString& Error) {
  QString LoadError;
  const TLibArchive* Lib = LoadLibArchive(LoadError);
  if (!Lib) {
    qCWarning(lcUpdate).noquote() << "Cannot load libarchive to unpack" << Archive << ":"
                                  << LoadError;
    Error = QCoreApplication::translate(
                "Update",
                "The cabinet %1 cannot be unpacked: the libarchive library could not be loaded.")
                .arg(QFileInfo(Archive).fileName());
  }
  return Lib;
}

}  // namespace

std::optional<QList<TExtractedFile>> ExtractCabinet(const QString& Archive, const QString& Folder,
                                                    qint64 MaxTotalSize,
                                                    const std::atomic_bool& Stop, QString& Error) {
  const TLibArchive* Lib = LoadLibArchiveFor(Archive, Error);
  if (!Lib) return std::nullopt;
  TArchivePtr Reader(Lib->ReadNew(), Lib->ReadFree);
  Lib->ReadSupportFormatCab(Reader.get());
  const QByteArray NativePath = QFile::encodeName(Archive);
  if (Lib->ReadOpenFilename(Reader.get(), NativePath.constData(), 64 * 1024) != ARCHIVE_OK) {
    Error = QCoreApplication::translate("Update", "%1 is not a cabinet archive: %2")
                .arg(QFileInfo(Archive).fileName(), ArchiveError(*Lib, Reader.get()));
    return std::nullopt;
  }
  QList<TExtractedFile> Files;
  qint64 Total = 0;
  archive_entry* Entry = nullptr;
  for (;;) {
    const int Result = Lib->ReadNextHeader(Reader.get(), &Entry);
    if (Result == ARCHIVE_EOF) break;
    if (Result != ARCHIVE_OK && Result != ARCHIVE_WARN) {
      Error = QCoreApplication::translate("Update", "The cabinet %1 is damaged: %2")
                  .arg(QFileInfo(Archive).fileName(), ArchiveError(*Lib, Reader.get()));
      return std::nullopt;
    }
    if (Lib->EntryFiletype(Entry) == AE_IFDIR) continue;
    const char* Name = Lib->EntryPathnameUtf8(Entry);
    if (!Name) Name = Lib->EntryPathname(Entry);
    TExtractedFile File;
    File.Path = QString::fromUtf8(Name ? Name : "");
    if (Lib->EntryFiletype(Entry) != AE_IFREG || !IsSafeRelativePath(File.Path)) {
      Error = QCoreApplication::translate(
                  "Update", "The cabinet %1 holds \"%2\", which would leave the program's folder.")
                  .arg(QFileInfo(Archive).fileName(), File.Path);
      return std::nullopt;
    }
    if (!WriteEntry(*Lib, Reader.get(), QDir(Folder).filePath(File.Path), MaxTotalSize - Total,
                    Stop, File, Error)) {
      return std::nullopt;
    }
    Total += File.Size;
    Files.append(File);
  }
  return Files;
}
