#include "platform/ProfileFile.h"

#include <QFile>
#include <QSaveFile>

#include "platform/ProfileText.h"

namespace {
// The file's bytes; nullopt when it exists but cannot be read (a folder, no
// permission), so a write never replaces what it could not see.
std::optional<QByteArray> ReadBytes(const QString& Path) {
  QFile File(Path);
  if (!File.exists()) return QByteArray();
  if (!File.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray Bytes = File.readAll();
  if (File.error() != QFileDevice::NoError) return std::nullopt;
  return Bytes;
}
}  // namespace

QString ReadProfileString(const QString& Path, const QString& Section, const QString& Key,
                          const QString& Default) {
  const std::optional<QByteArray> Bytes = ReadBytes(Path);
  if (!Bytes) return Default;
  return TProfileText(*Bytes).Value(Section, Key).value_or(Default);
}

bool WriteProfileString(const QString& Path, const QString& Section, const QString& Key,
                        const QString& Value) {
  const std::optional<QByteArray> Bytes = ReadBytes(Path);
  if (!Bytes) return false;
  const QByteArray NewBytes = TProfileText(*Bytes).WithValue(Section, Key, Value);
  QSaveFile File(Path);
  if (!File.open(QIODevice::WriteOnly)) return false;
  if (File.write(NewBytes) != NewBytes.size()) return false;
  return File.commit();
}
