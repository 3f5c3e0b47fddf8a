#include "platform/LocalSocketServer.h"

#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>

namespace {
Q_LOGGING_CATEGORY(lcLocalSocket, "dorvane.localsocket")

// The most read from a connection at each turn of the event loop, so that
// one busy sender does not hold up the others.
constexpr qsizetype ReadChunk = 64 * 1024;

QString ErrnoText(int Error) { return QString::fromLocal8Bit(std::strerror(Error)); }

bool Fail(int Error, QString* Text) {
  if (Text) *Text = ErrnoText(Error);
  return false;
}

// False, with errno set, when Path does not fit a socket address.
bool MakeAddress(const QString& Path, sockaddr_un& Address) {
  const QByteArray Encoded = QFile::encodeName(Path);
  Address = sockaddr_un{};
  Address.sun_family = AF_UNIX;
  if (static_cast<size_t>(Encoded.size()) >= sizeof(Address.sun_path)) {
    errno = ENAMETOOLONG;
    return false;
  }
  std::memcpy(Address.sun_path, Encoded.constData(), static_cast<size_t>(Encoded.size()));
  return true;
}

const sockaddr* AsAddress(const sockaddr_un& Address) {
  return reinterpret_cast<const sockaddr*>(&Address);
}
}  // namespace

TLocalSocketServer::TLocalSocketServer(QObject* Owner) : QObject(Owner) {}

TLocalSocketServer::~TLocalSocketServer() {
  for (const TConnection& Connection : std::as_const(FConnections)) Release(Connection);
  Close();
}

QString TLocalSocketServer::FullPathOf(const QString& Name) {
  if (Name.startsWith(QLatin1Char('/'))) return Name;
  return QDir::cleanPath(QDir::tempPath()) + QLatin1Char('/') + Name;
}

bool TLocalSocketServer::RemoveStale(const QString& Name, QString* Error) {
  const QString Path = FullPathOf(Name);
  sockaddr_un Address;
  if (!MakeAddress(Path, Address)) return Fail(errno, Error);
  const int Probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (Probe < 0) return Fail(errno, Error);
  // A local connect is decided at once: taken, refused, or put off (EAGAIN)
  // because the listener's queue is full, which shows it is alive too.
  const int ConnectError = ::connect(Probe, AsAddress(Address), sizeof(Address)) == 0 ? 0 : errno;
  ::close(Probe);
  if (ConnectError == ENOENT) return true;
  if (ConnectError == 0 || ConnectError == EAGAIN) {
    if (Error) *Error = QStringLiteral("another program answers on %1").arg(Path);
    return false;
  }
  if (ConnectError != ECONNREFUSED) return Fail(ConnectError, Error);
  if (::unlink(QFile::encodeName(Path).constData()) != 0 && errno != ENOENT) {
    return Fail(errno, Error);
  }
  qCInfo(lcLocalSocket) << "Removed" << Path << "left behind by a program that no longer answers.";
  return true;
}

bool TLocalSocketServer::Listen(const QString& Name, QString* Error) {
  Close();
  FPath = FullPathOf(Name);
  sockaddr_un Address;
  if (!MakeAddress(FPath, Address)) return Fail(errno, Error);
  const int Fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (Fd < 0) return Fail(errno, Error);
  // Binding makes the file, and fails when one is there already.
  if (::bind(Fd, AsAddress(Address), sizeof(Address)) != 0) {
    const int BindError = errno;
    ::close(Fd);
    return Fail(BindError, Error);
  }
  struct stat Made {};
  const QByteArray EncodedPath = QFile::encodeName(FPath);
  if (::stat(EncodedPath.constData(), &Made) != 0 || ::listen(Fd, Backlog) != 0) {
    const int ListenError = errno;
    ::close(Fd);
    ::unlink(EncodedPath.constData());
    return Fail(ListenError, Error);
  }
  FFd = Fd;
  FDevice = Made.st_dev;
  FInode = Made.st_ino;
  FNotifier = new QSocketNotifier(FFd, QSocketNotifier::Read, this);
  connect(FNotifier, &QSocketNotifier::activated, this, &TLocalSocketServer::AcceptConnections);
  return true;
}

void TLocalSocketServer::Close() {
  if (FFd < 0) return;
  // Disabled first: a notifier still watching a closed descriptor is polled.
  FNotifier->setEnabled(false);
  FNotifier->deleteLater();
  FNotifier = nullptr;
  ::close(FFd);
  FFd = -1;
  const QByteArray EncodedPath = QFile::encodeName(FPath);
  struct stat Now {};
  if (::lstat(EncodedPath.constData(), &Now) == 0 && Now.st_dev == FDevice &&
      Now.st_ino == FInode) {
    ::unlink(EncodedPath.constData());
  }
}

bool TLocalSocketServer::IsListening() const {
  if (FFd < 0) return false;
  struct stat Now {};
  return ::lstat(QFile::encodeName(FPath).constData(), &Now) == 0 && Now.st_dev == FDevice &&
         Now.st_ino == FInode;
}

void TLocalSocketServer::Disconnect(quint64 Connection) {
  const auto It = FConnections.constFind(Connection);
  if (It == FConnections.cend()) return;
  Release(*It);
  FConnections.erase(It);
}

void TLocalSocketServer::Release(const TConnection& Connection) {
  Connection.Notifier->setEnabled(false);
  Connection.Notifier->deleteLater();
  ::close(Connection.Fd);
}

void TLocalSocketServer::AcceptConnections() {
  // The new-connection event may close the listener.
  while (FFd >= 0) {
    const int Fd = ::accept4(FFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (Fd < 0) {
      const int AcceptError = errno;
      // The sender gave up before it was taken, or a signal came: go on.
      if (AcceptError == EINTR || AcceptError == ECONNABORTED || AcceptError == EPROTO) continue;
      if (AcceptError == EAGAIN || AcceptError == EWOULDBLOCK) return;
      qCWarning(lcLocalSocket).noquote().nospace()
          << "Cannot accept a connection on " << FPath << " (" << ErrnoText(AcceptError)
          << "); it stops listening.";
      Close();
      return;
    }
    const quint64 Connection = ++FLastConnection;
    auto* Notifier = new QSocketNotifier(Fd, QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, [this, Connection] { Read(Connection); });
    FConnections.insert(Connection, TConnection{Fd, Notifier});
    if (FOnNewConnection) FOnNewConnection(Connection);
  }
}

void TLocalSocketServer::Read(quint64 Connection) {
  const auto It = FConnections.constFind(Connection);
  if (It == FConnections.cend()) return;
  // What is there to read, and at least one byte to see the peer's close by.
  int Available = 0;
  if (::ioctl(It->Fd, FIONREAD, &Available) != 0 || Available < 1) Available = 1;
  QByteArray Data(qMin<qsizetype>(Available, ReadChunk), Qt::Uninitialized);
  ssize_t Count = 0;
  do {
    Count = ::read(It->Fd, Data.data(), static_cast<size_t>(Data.size()));
  } while (Count < 0 && errno == EINTR);
  const int ReadError = Count < 0 ? errno : 0;
  if (Count > 0) {
    Data.truncate(Count);
    if (FOnData) FOnData(Connection, Data);
    return;
  }
  if (ReadError == EAGAIN || ReadError == EWOULDBLOCK) return;
  // 0 is the peer's close; a reset is its close too, before all was read.
  if (ReadError != 0 && ReadError != ECONNRESET) {
    qCWarning(lcLocalSocket).noquote().nospace()
        << "Reading a connection on " << FPath << " failed (" << ErrnoText(ReadError) << ").";
  }
  Disconnect(Connection);
  if (FOnDisconnected) FOnDisconnected(Connection);
}
