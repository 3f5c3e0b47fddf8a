#include "platform/FileTouch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

TFileTouch::TFileTouch(QString Path) : FPath(std::move(Path)) {}

TFileTouch::~TFileTouch() { Reopen(); }

bool TFileTouch::Touch(QString* Error) {
  if (FFd < 0) FFd = ::open(QFile::encodeName(FPath).constData(), O_RDONLY | O_CLOEXEC);
  // The owner may set the time to now through a read-only descriptor.
  if (FFd >= 0 && ::futimens(FFd, nullptr) == 0) return true;
  if (Error) *Error = QString::fromLocal8Bit(std::strerror(errno));
  Reopen();
  return false;
}

void TFileTouch::Reopen() {
  if (FFd >= 0) ::close(FFd);
  FFd = -1;
}
