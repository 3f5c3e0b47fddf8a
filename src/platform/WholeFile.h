#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Small files that must never be found half written, nor hang or swamp the
// program that reads them.

// Writes Content to a temporary file beside Path, flushes it to the disk and
// renames it over Path only once it is whole: a full disk, a read-only
// folder, a crash or a power cut leaves the previous file or the new one,
// each whole. False, with the system's reason in Error, when Path was not
// replaced.
bool WriteWholeFile(const QString& Path, const QByteArray& Content, QString* Error = nullptr);

// Removes the temporary files of writes to Path that a crash cut short.
void RemoveUnfinishedWrites(const QString& Path);

struct TBoundedRead {
  enum class TState { Missing, Read, NotRegular, TooLarge, Failed };
  TState State = TState::Missing;
  QByteArray Content;
  // The file's modification time in Unix milliseconds (Read and TooLarge).
  int64_t ModifiedMs = 0;
  // The system's reason for Failed.
  QString Error;
};
// Reads Path when it is a regular file of at most MaxBytes. Opened without
// blocking and checked once open, so a pipe, a device or a link to one in
// its place is refused at once rather than read forever.
TBoundedRead ReadBoundedFile(const QString& Path, int64_t MaxBytes);
