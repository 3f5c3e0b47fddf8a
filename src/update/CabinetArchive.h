#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <optional>

struct TExtractedFile {
  QString Path;  // relative to the folder extracted into
  qint64 Size = 0;
  QByteArray Sha256;
};

// Extracts the regular files of a cabinet archive into Folder (created when
// needed). Entries that would leave the folder, links and devices make the
// whole archive an error, as does more than MaxTotalSize bytes of content.
// Stop set (from another thread) ends it with an error at its next block.
std::optional<QList<TExtractedFile>> ExtractCabinet(const QString& Archive, const QString& Folder,
                                                    qint64 MaxTotalSize,
                                                    const std::atomic_bool& Stop, QString& Error);
