#include "platform/OpenFilesLimit.h"

#include <sys/resource.h>

#include <cerrno>
#include <cstring>

#include "platform/Logging.h"

void RaiseOpenFilesLimit() {
  rlimit Limit{};
  if (getrlimit(RLIMIT_NOFILE, &Limit) != 0 || Limit.rlim_cur >= Limit.rlim_max) return;
  const rlim_t Before = Limit.rlim_cur;
  Limit.rlim_cur = Limit.rlim_max;
  if (setrlimit(RLIMIT_NOFILE, &Limit) != 0) {
    qCWarning(LogFiles) << "Open files stay limited to" << Before << ":" << std::strerror(errno);
  }
}
