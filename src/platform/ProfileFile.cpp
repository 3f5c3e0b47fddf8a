#include "platform/ProfileFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <memory>

#include "platform/Logging.h"

namespace {

// What tells a changed file: a rename gives a new inode, an edit in place a
// new size or time.
struct TFileStamp {
  dev_t Device = 0;
  ino_t Inode = 0;
  off_t Size = 0;
  timespec Modified{};
  bool operator==(const TFileStamp& Other) const {
    return Device == Other.Device && Inode == Other.Inode && Size == Other.Size &&
           Modified.tv_sec == Other.Modified.tv_sec && Modified.tv_nsec == Other.Modified.tv_nsec;
  }
};

TFileStamp StampOf(const struct stat& Info) {
  return {Info.st_dev, Info.st_ino, Info.st_size, Info.st_mtim};
}

// One reading of the file: its text, or the reason there is none.
struct TProfileRead {
  enum class TState { Missing, Read, Refused };
  TState State = TState::Missing;
  TFileStamp Stamp;
  std::shared_ptr<const TProfileText> Text;
  time_t ReadAt = 0;  // wall-clock second of the reading
};

// File times tick coarsely (a few milliseconds), so two writes of the same
// size can share a time. A file changed within a second of its reading is
// read again until its time lies safely in the past.
bool SettledSince(const TProfileRead& Last) { return Last.Stamp.Modified.tv_sec + 1 < Last.ReadAt; }

QByteArray FromUtf16(QByteArrayView Bytes) {
  const bool Little = Bytes.startsWith("\xFF\xFE");
  QStringDecoder Decoder(Little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
  const QString Text = Decoder(Bytes.sliced(2));
  // A byte-order mark before text that has no section header is a chance
  // pair of bytes, not UTF-16.
  if (Decoder.hasError() || !Text.contains(QLatin1Char('['))) return Bytes.toByteArray();
  return "\xEF\xBB\xBF" + Text.toUtf8();
}

// Reads at most MaxProfileFileSize + 1 bytes of a regular file. Opening
// without blocking and checking the opened file itself leaves no moment in
// which a pipe put in its place could hang the read.
TProfileRead ReadFile(const QString& Path) {
  const QByteArray Name = QFile::encodeName(Path);
  const int Fd = open(Name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (Fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return {};
    qCWarning(LogSettings).noquote() << "Cannot read" << Path << ":" << strerror(errno)
                                     << "- the defaults are used and the file is kept";
    return {TProfileRead::TState::Refused, {}, {}};
  }
  struct stat Info {};
  const bool Regular = fstat(Fd, &Info) == 0 && S_ISREG(Info.st_mode);
  if (!Regular || Info.st_size > MaxProfileFileSize) {
    close(Fd);
    qCWarning(LogSettings).noquote()
        << Path
        << (Regular ? QStringLiteral("is larger than %1 bytes").arg(MaxProfileFileSize)
                    : QStringLiteral("is not a regular file"))
        << "- its settings are not used and it is never written over";
    return {TProfileRead::TState::Refused, StampOf(Info), {}};
  }
  QByteArray Bytes(Info.st_size + 1, Qt::Uninitialized);
  qsizetype Filled = 0;
  while (Filled < Bytes.size()) {
    const ssize_t Got = read(Fd, Bytes.data() + Filled, size_t(Bytes.size() - Filled));
    if (Got < 0 && errno == EINTR) continue;
    if (Got <= 0) break;
    Filled += Got;
  }
  const bool Failed = Filled > Info.st_size;  // grew while being read: read it next time
  close(Fd);
  if (Failed) return {TProfileRead::TState::Refused, {}, {}};
  Bytes.truncate(Filled);
  if (Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF")) Bytes = FromUtf16(Bytes);
  return {TProfileRead::TState::Read, StampOf(Info),
          std::make_shared<const TProfileText>(std::move(Bytes))};
}

// The file's path with its name as it is spelled on disk; Path itself when
// no name in its folder matches, so a new file gets the given spelling.
QString ExistingSpelling(const QString& Path) {
  const QFileInfo Info(Path);
  if (Info.exists() || Info.isSymLink()) return Path;
  const QDir Folder = Info.dir();
  const QStringList Names =
      Folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Name);
  for (const QString& Name : Names) {
    if (Name.compare(Info.fileName(), Qt::CaseInsensitive) == 0) return Folder.filePath(Name);
  }
  return Path;
}

// The last reading of each file, reused while the file is unchanged on disk.
class TProfileCache {
 public:
  TProfileRead Read(const QString& Path) {
    const QString Actual = ExistingSpelling(Path);
    struct stat Info {};
    const bool Exists = stat(QFile::encodeName(Actual).constData(), &Info) == 0;
    const QMutexLocker Lock(&FMutex);
    // A refused file is remembered too, so it is reported once, not at every use.
    if (Exists && FPath == Actual && FLast.Stamp == StampOf(Info) &&
        FLast.State != TProfileRead::TState::Missing && SettledSince(FLast)) {
      return FLast;
    }
    FPath = Actual;
    FLast = ReadFile(Actual);
    FLast.ReadAt = time(nullptr);
    return FLast;
  }

 private:
  QMutex FMutex;
  QString FPath;
  TProfileRead FLast;
};

TProfileCache& Cache() {
  static TProfileCache Instance;
  return Instance;
}

}  // namespace

std::vector<std::optional<QString>> ReadProfileStrings(const QString& Path, const QString& Section,
                                                       std::span<const QString> Keys) {
  const TProfileRead File = Cache().Read(Path);
  if (File.State != TProfileRead::TState::Read)
    return std::vector<std::optional<QString>>(Keys.size());
  return File.Text->Values(Section, Keys);
}

QString ReadProfileString(const QString& Path, const QString& Section, const QString& Key,
                          const QString& Default) {
  return ReadProfileStrings(Path, Section, {&Key, 1}).front().value_or(Default);
}

bool WriteProfileStrings(const QString& Path, const QString& Section,
                         std::span<const TProfileText::TEntry> Entries) {
  const QString Actual = ExistingSpelling(Path);
  const TProfileRead File = Cache().Read(Actual);
  if (File.State == TProfileRead::TState::Refused) return false;
  const TProfileText Old(File.Text ? File.Text->Bytes() : QByteArray());
  const QByteArray NewBytes = Old.WithValues(Section, Entries);
  if (File.State == TProfileRead::TState::Read && NewBytes == Old.Bytes()) return true;
  QSaveFile Out(Actual);
  if (!Out.open(QIODevice::WriteOnly) || Out.write(NewBytes) != NewBytes.size() || !Out.commit()) {
    qCWarning(LogSettings) << "Cannot write" << Actual << ":" << Out.errorString();
    return false;
  }
  return true;
}

bool WriteProfileString(const QString& Path, const QString& Section, const QString& Key,
                        const QString& Value) {
  const TProfileText::TEntry Entry{Key, Value};
  return WriteProfileStrings(Path, Section, {&Entry, 1});
}
