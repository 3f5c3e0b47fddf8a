#include "support/core/LocalSockets.h"

#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

sockaddr_un AddressOf(const QString& Path) {
  const QByteArray Encoded = QFile::encodeName(Path);
  sockaddr_un Address{};
  Address.sun_family = AF_UNIX;
  std::memcpy(Address.sun_path, Encoded.constData(),
              std::min(sizeof(Address.sun_path) - 1, static_cast<size_t>(Encoded.size())));
  return Address;
}

// Async-signal-safe: also called in a forked child.
int ListenAt(const sockaddr_un& Address) {
  const int Fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (Fd < 0) return -1;
  if (::bind(Fd, reinterpret_cast<const sockaddr*>(&Address), sizeof(Address)) != 0 ||
      ::listen(Fd, 1) != 0) {
    ::close(Fd);
    return -1;
  }
  return Fd;
}

}  // namespace

TPlainSender::TPlainSender(const QString& Path) {
  const sockaddr_un Address = AddressOf(Path);
  FFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (FFd >= 0 && ::connect(FFd, reinterpret_cast<const sockaddr*>(&Address), sizeof(Address))) {
    ::close(FFd);
    FFd = -1;
  }
}

TPlainSender::~TPlainSender() {
  if (FFd >= 0) ::close(FFd);
}

bool TPlainSender::Send(const QByteArray& Data) {
  qsizetype Sent = 0;
  while (FFd >= 0 && Sent < Data.size()) {
    const ssize_t Count =
        ::send(FFd, Data.constData() + Sent, static_cast<size_t>(Data.size() - Sent),
               MSG_NOSIGNAL | MSG_DONTWAIT);
    if (Count > 0) {
      Sent += Count;
    } else if (Count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      // The receiver in this process reads as its event loop turns.
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    } else if (Count < 0 && errno != EINTR) {
      return false;
    }
  }
  return FFd >= 0;
}

bool TPlainSender::ClosedByPeer(int TimeoutMs) {
  pollfd Watch{FFd, POLLIN, 0};
  if (::poll(&Watch, 1, TimeoutMs) != 1) return false;
  char Byte = 0;
  // A connection closed before it was accepted reads as reset.
  const ssize_t Count = ::recv(FFd, &Byte, 1, MSG_DONTWAIT);
  return Count == 0 || (Count < 0 && errno == ECONNRESET);
}

TQueueFiller::TQueueFiller(const QString& Path) {
  const sockaddr_un Address = AddressOf(Path);
  for (;;) {
    const int Fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (Fd < 0) return;
    FFds.push_back(Fd);
    if (::connect(Fd, reinterpret_cast<const sockaddr*>(&Address), sizeof(Address)) != 0) {
      FFull = errno == EAGAIN;
      return;
    }
  }
}

TQueueFiller::~TQueueFiller() {
  for (const int Fd : FFds) ::close(Fd);
}

bool LeaveClosedListener(const QString& Path) {
  const int Fd = ListenAt(AddressOf(Path));
  if (Fd < 0) return false;
  ::close(Fd);
  return QFile::exists(Path);
}

bool LeaveKilledListener(const QString& Path) {
  const sockaddr_un Address = AddressOf(Path);
  int Ready[2];
  if (::pipe(Ready) != 0) return false;
  const pid_t Child = ::fork();
  if (Child == 0) {
    // Listens, says so and waits for its end.
    const char Listening = ListenAt(Address) >= 0 ? 1 : 0;
    (void)::write(Ready[1], &Listening, 1);
    for (;;) ::pause();
  }
  ::close(Ready[1]);
  char Listening = 0;
  const bool Told = Child > 0 && ::read(Ready[0], &Listening, 1) == 1;
  ::close(Ready[0]);
  if (Child > 0) {
    ::kill(Child, SIGKILL);
    ::waitpid(Child, nullptr, 0);
  }
  return Told && Listening == 1 && QFile::exists(Path);
}
