#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace {

// The temporary file's name: Path's own, then this and six random characters.
constexpr char TemporarySuffix[] = ".tmp-";

QString SystemReason(int Code) { return QString::fromLocal8Bit(std::strerror(Code)); }

bool WriteAll(int Fd, const QByteArray& Content) {
  qsizetype Done = 0;
  while (Done < Content.size()) {
    const ssize_t Wrote = ::write(Fd, Content.constData() + Done, size_t(Content.size() - Done));
    if (Wrote < 0 && errno == EINTR) continue;
    if (Wrote <= 0) {
      if (Wrote == 0) errno = ENOSPC;
      return false;
    }
    Done += Wrote;
  }
  return true;
}

}  // namespace

bool WriteWholeFile(const QString& Path, const QByteArray& Content, QString* Error) {
  const QByteArray Target = QFile::encodeName(Path);
  QByteArray Temporary = Target + TemporarySuffix + "XXXXXX";
  const int Fd = ::mkostemp(Temporary.data(), O_CLOEXEC);
  if (Fd < 0) {
    if (Error) *Error = SystemReason(errno);
    return false;
  }
  bool Whole = WriteAll(Fd, Content) && ::fsync(Fd) == 0;
  int Reason = errno;
  if (::close(Fd) != 0 && Whole) {
    Whole = false;
    Reason = errno;
  }
  if (Whole && ::rename(Temporary.constData(), Target.constData()) != 0) {
    Whole = false;
    Reason = errno;
  }
  if (!Whole) {
    ::unlink(Temporary.constData());
    if (Error) *Error = SystemReason(Reason);
    return false;
  }
  // The folder is not flushed: a power cut right after the rename may bring
  // back the previous file, which is whole too, and the writer (often
  // waited for by a clock) is spared a second wait for the disk.
  return true;
}

void RemoveUnfinishedWrites(const QString& Path) {
  const QFileInfo Info(Path);
  QDir Folder = Info.dir();
  const QString Pattern =
      Info.fileName() + QLatin1String(TemporarySuffix) + QStringLiteral("??????");
  for (const QString& Name : Folder.entryList({Pattern}, QDir::Files | QDir::Hidden)) {
    Folder.remove(Name);
  }
}

TBoundedRead ReadBoundedFile(const QString& Path, int64_t MaxBytes) {
  TBoundedRead Result;
  const int Fd = ::open(QFile::encodeName(Path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (Fd < 0) {
    if (errno != ENOENT) {
      Result.State = TBoundedRead::TState::Failed;
      Result.Error = SystemReason(errno);
    }
    return Result;
  }
  struct stat Info {};
  if (::fstat(Fd, &Info) != 0 || !S_ISREG(Info.st_mode)) {
    ::close(Fd);
    Result.State = TBoundedRead::TState::NotRegular;
    return Result;
  }
  Result.ModifiedMs = int64_t(Info.st_mtim.tv_sec) * 1000 + Info.st_mtim.tv_nsec / 1000000;
  if (Info.st_size > MaxBytes) {
    ::close(Fd);
    Result.State = TBoundedRead::TState::TooLarge;
    return Result;
  }
  // One byte more than allowed shows a file that grew meanwhile.
  QByteArray Bytes(qsizetype(MaxBytes + 1), Qt::Uninitialized);
  qsizetype Filled = 0;
  while (Filled < Bytes.size()) {
    const ssize_t Got = ::read(Fd, Bytes.data() + Filled, size_t(Bytes.size() - Filled));
    if (Got < 0 && errno == EINTR) continue;
    if (Got < 0) {
      Result.State = TBoundedRead::TState::Failed;
      Result.Error = SystemReason(errno);
      ::close(Fd);
      return Result;
    }
    if (Got == 0) break;
    Filled += Got;
  }
  ::close(Fd);
  if (Filled > MaxBytes) {
    Result.State = TBoundedRead::TState::TooLarge;
    return Result;
  }
  Bytes.truncate(Filled);
  Result.State = TBoundedRead::TState::Read;
  Result.Content = std::move(Bytes);
  return Result;
}
