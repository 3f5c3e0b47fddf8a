#include "platform/FileTouch.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

bool TouchFile(const QByteArray& NativePath, QString* Error) {
  if (::utimensat(AT_FDCWD, NativePath.constData(), nullptr, 0) == 0) return true;
  if (Error) *Error = QString::fromLocal8Bit(std::strerror(errno));
  return false;
}
