#include "update/CabinetArchive.h"

#include <archive.h>
#include <archive_entry.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

#include "update/UpdateDescription.h"

namespace {

struct TArchiveCloser {
  void operator()(archive* Archive) const { archive_read_free(Archive); }
};
using TArchivePtr = std::unique_ptr<archive, TArchiveCloser>;

QString ArchiveError(archive* Archive) { return QString::fromUtf8(archive_error_string(Archive)); }

// Writes the current entry's data to Target, hashing it; false with Error set on failure.
bool WriteEntry(archive* Archive, const QString& Target, qint64 Budget, TExtractedFile& File,
                QString& Error) {
  QFile Out(Target);
  if (!QDir().mkpath(QFileInfo(Target).absolutePath()) || !Out.open(QIODevice::WriteOnly)) {
    Error = QCoreApplication::translate("Update", "Unable to write %1")
                .arg(QDir::toNativeSeparators(Target));
    return false;
  }
  QCryptographicHash Hash(QCryptographicHash::Sha256);
  char Buffer[64 * 1024];
  for (;;) {
    const la_ssize_t Read = archive_read_data(Archive, Buffer, sizeof Buffer);
    if (Read == 0) break;
    if (Read < 0) {
      Error = ArchiveError(Archive);
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

}  // namespace

std::optional<QList<TExtractedFile>> ExtractCabinet(const QString& Archive, const QString& Folder,
                                                    qint64 MaxTotalSize, QString& Error) {
  TArchivePtr Reader(archive_read_new());
  archive_read_support_format_cab(Reader.get());
  const QByteArray NativePath = QFile::encodeName(Archive);
  if (archive_read_open_filename(Reader.get(), NativePath.constData(), 64 * 1024) != ARCHIVE_OK) {
    Error = QCoreApplication::translate("Update", "%1 is not a cabinet archive: %2")
                .arg(QFileInfo(Archive).fileName(), ArchiveError(Reader.get()));
    return std::nullopt;
  }
  QList<TExtractedFile> Files;
  qint64 Total = 0;
  archive_entry* Entry = nullptr;
  for (;;) {
    const int Result = archive_read_next_header(Reader.get(), &Entry);
    if (Result == ARCHIVE_EOF) break;
    if (Result != ARCHIVE_OK && Result != ARCHIVE_WARN) {
      Error = QCoreApplication::translate("Update", "The cabinet %1 is damaged: %2")
                  .arg(QFileInfo(Archive).fileName(), ArchiveError(Reader.get()));
      return std::nullopt;
    }
    if (archive_entry_filetype(Entry) == AE_IFDIR) continue;
    const char* Name = archive_entry_pathname_utf8(Entry);
    if (!Name) Name = archive_entry_pathname(Entry);
    TExtractedFile File;
    File.Path = QString::fromUtf8(Name ? Name : "");
    if (archive_entry_filetype(Entry) != AE_IFREG || !IsSafeRelativePath(File.Path)) {
      Error = QCoreApplication::translate(
                  "Update", "The cabinet %1 holds \"%2\", which would leave the program's folder.")
                  .arg(QFileInfo(Archive).fileName(), File.Path);
      return std::nullopt;
    }
    if (!WriteEntry(Reader.get(), QDir(Folder).filePath(File.Path), MaxTotalSize - Total, File,
                    Error)) {
      return std::nullopt;
    }
    Total += File.Size;
    Files.append(File);
  }
  return Files;
}
