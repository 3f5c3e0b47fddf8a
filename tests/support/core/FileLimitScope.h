#pragma once

#include <fcntl.h>
#include <sys/resource.h>

// Lowers the soft limit of open files so that no new one can be opened: the
// limit bounds the number a new file gets, which is the lowest one free.
class TFileLimitScope {
 public:
  TFileLimitScope() {
    getrlimit(RLIMIT_NOFILE, &FSaved);
    int LowestFree = 0;
    while (fcntl(LowestFree, F_GETFD) != -1) ++LowestFree;
    rlimit Low = FSaved;
    Low.rlim_cur = static_cast<rlim_t>(LowestFree);
    setrlimit(RLIMIT_NOFILE, &Low);
  }
  ~TFileLimitScope() { setrlimit(RLIMIT_NOFILE, &FSaved); }
  TFileLimitScope(const TFileLimitScope&) = delete;
  TFileLimitScope& operator=(const TFileLimitScope&) = delete;

 private:
  rlimit FSaved{};
};
