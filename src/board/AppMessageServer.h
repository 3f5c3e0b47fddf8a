#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

class QTimer;
class TLocalSocketServer;

// The board's two application messages, taken from any local program as text
// lines on the local socket "Dorvane": "100" (WM_APP + 100) and
// "101 <wParam>" (WM_APP + 101). Other lines are ignored.
constexpr uint32_t WM_APP_RESIZE = 0x8064;
constexpr uint32_t WM_APP_POINT_CUE = 0x8065;

// Cuts a sender's bytes into lines. A line longer than the limit is dropped
// whole, up to its line end, so no part of it is ever taken for a message,
// and no more than the limit is held for one sender.
class TLineSplitter {
 public:
  explicit TLineSplitter(qsizetype MaxLength) : FMaxLength(MaxLength) {}
  // The lines that Data completes, without their line ends.
  QList<QByteArray> Feed(const QByteArray& Data);

 private:
  qsizetype FMaxLength;
  QByteArray FLine;
  bool FDiscarding = false;
};

class TAppMessageServer : public QObject {
 public:
  using TMessageEvent = std::function<void(uint32_t Message, int64_t WParam)>;

  // Senders connected at once; one more pushes out the one quiet longest.
  static constexpr int MaxClients = 16;
  // The longest line read, line end excluded; a message is a few characters.
  static constexpr qsizetype MaxLineLength = 255;

  TAppMessageServer(QObject* Owner, TMessageEvent OnMessage);

  // Listens under Name. A socket left behind by a program that died is
  // removed first; a name another running board answers on is left alone
  // and false is returned. From then on the name is watched: when the
  // listener closes (it closes itself when accepting fails, for example when
  // the program runs out of files) or its socket file goes, it listens again.
  bool Listen(const QString& Name);
  bool IsListening() const;
  QString FullServerName() const;
  int ClientCount() const { return static_cast<int>(FClients.size()); }

 private:
  struct TClient {
    TLineSplitter Lines{MaxLineLength};
    quint64 LastActive = 0;
  };

  bool ListenUnder(const QString& Name);
  void KeepListening();
  void AcceptClient(quint64 Connection);
  void DropQuietestClient();
  void ReadLines(quint64 Connection, const QByteArray& Data);

  TLocalSocketServer* FServer;
  QTimer* FWatch;
  QString FName;
  // Why listening last failed: each reason is logged once, not every second.
  QString FListenError;
  TMessageEvent FOnMessage;
  QHash<quint64, TClient> FClients;
  // Advances with every connection and every read: the smallest is the quietest.
  quint64 FActivity = 0;
};

// One line of the protocol: true with the message and wParam when it is one
// of the two messages ("100" carries wParam 0).
bool ParseAppMessageLine(const QString& Line, uint32_t& Message, int64_t& WParam);
