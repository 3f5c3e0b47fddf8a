#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class QSocketNotifier;

// A listening local stream socket made the way Qt's QLocalServer makes one on
// Unix, so that senders written for either reach it: a name that does not
// start with '/' is a file in the temporary folder, and a name whose file is
// already there is refused. Accepted connections are read as the event loop
// reports data; each is known by a number never used again.
class TLocalSocketServer : public QObject {
 public:
  using TConnectionEvent = std::function<void(quint64 Connection)>;
  using TDataEvent = std::function<void(quint64 Connection, const QByteArray& Data)>;

  // Connections the system holds until they are accepted, as QLocalServer.
  static constexpr int Backlog = 50;

  explicit TLocalSocketServer(QObject* Owner = nullptr);
  // Closes the connections, with no events, and the listener.
  ~TLocalSocketServer() override;
  TLocalSocketServer(const TLocalSocketServer&) = delete;
  TLocalSocketServer& operator=(const TLocalSocketServer&) = delete;

  void SetOnNewConnection(TConnectionEvent Event) { FOnNewConnection = std::move(Event); }
  void SetOnData(TDataEvent Event) { FOnData = std::move(Event); }
  // Follows a connection's last data, when the peer closed or it failed.
  void SetOnDisconnected(TConnectionEvent Event) { FOnDisconnected = std::move(Event); }

  // The socket file's path for Name.
  static QString FullPathOf(const QString& Name);
  // Removes the file under Name when nobody answers on it, as one left by a
  // program that died; true when nothing is in the way any more. False, with
  // the reason in Error, when a listener answers or it cannot be told.
  static bool RemoveStale(const QString& Name, QString* Error = nullptr);

  // False, with the reason in Error, when the socket cannot be made, among
  // other reasons when a file is already there under Name.
  bool Listen(const QString& Name, QString* Error = nullptr);
  // Stops listening and removes the socket file, unless another has taken
  // its place; the connections stay open. When accepting fails for want of
  // files or memory, the listener closes itself so: it cannot accept until
  // some are freed, and the pending connection would wake it again at once.
  void Close();
  // Listening, and the socket file made is still there.
  bool IsListening() const;
  // The socket file of the last Listen.
  QString FullServerName() const { return FPath; }
  // Closes a connection at once, with no disconnected event.
  void Disconnect(quint64 Connection);

 private:
  struct TConnection {
    int Fd = -1;
    QSocketNotifier* Notifier = nullptr;
  };

  void AcceptConnections();
  void Read(quint64 Connection);
  void Release(const TConnection& Connection);

  int FFd = -1;
  QSocketNotifier* FNotifier = nullptr;
  QString FPath;
  // Which file the listener made, told apart from one made later in its place.
  dev_t FDevice = 0;
  ino_t FInode = 0;
  QHash<quint64, TConnection> FConnections;
  quint64 FLastConnection = 0;
  TConnectionEvent FOnNewConnection;
  TDataEvent FOnData;
  TConnectionEvent FOnDisconnected;
};
