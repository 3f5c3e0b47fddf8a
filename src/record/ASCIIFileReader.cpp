#include "record/ASCIIFileReader.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

TASCIIFileReader::~TASCIIFileReader() { Close(); }

void TASCIIFileReader::SetFileName(const QString& Name) {
  Close();
  FFileName = Name;
}

void TASCIIFileReader::SetActive(bool Value) {
  if (Value == Active()) return;
  if (Value)
    Open();
  else
    Close();
}

void TASCIIFileReader::Open() {
  if (FFileName.isEmpty()) return;
  // omCreateWrite: create when missing, otherwise read/write keeping the content.
  const int Handle =
      ::open(QFile::encodeName(FFileName).constData(), O_CREAT | O_RDWR | O_CLOEXEC, 0666);
  if (Handle < 0) return;
  // smExclusive: the lock belongs to this open file description, so a second
  // opener fails whether it is in this program or another one.
  if (ShareMode == smExclusive && ::flock(Handle, LOCK_EX | LOCK_NB) != 0) {
    ::close(Handle);
    return;
  }
  FHandle = Handle;
}

void TASCIIFileReader::Close() {
  if (FHandle < 0) return;
  ::close(FHandle);
  FHandle = -1;
}

bool TASCIIFileReader::WriteLine(const QString& Text) {
  if (!Active()) return false;
  const off_t End = ::lseek(FHandle, 0, SEEK_END);
  if (End < 0) return false;
  const QByteArray Line = Text.toUtf8() + "\r\n";
  ssize_t Written;
  do {
    Written = ::write(FHandle, Line.constData(), size_t(Line.size()));
  } while (Written < 0 && errno == EINTR);
  if (Written == Line.size()) return true;
  // A half line would run into the next record: cut the file back. If even
  // that fails there is nothing more to do; the line is lost either way.
  if (Written > 0) {
    const int Cut = ::ftruncate(FHandle, End);
    (void)Cut;
  }
  return false;
}
