#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

class QLocalServer;

// The board's two application messages, taken from any local program as text
// lines on the local socket "Dorvane": "100" (WM_APP + 100) and
// "101 <wParam>" (WM_APP + 101). Other lines are ignored.
constexpr uint32_t WM_APP_RESIZE = 0x8064;
constexpr uint32_t WM_APP_POINT_CUE = 0x8065;

class TAppMessageServer : public QObject {
 public:
  using TMessageEvent = std::function<void(uint32_t Message, int64_t WParam)>;

  TAppMessageServer(QObject* Owner, TMessageEvent OnMessage);

  // Listens under Name. A socket left behind by a program that died is
  // removed first; a name another running board answers on is left alone
  // and false is returned.
  bool Listen(const QString& Name);
  QString FullServerName() const;

 private:
  void AcceptConnections();
  void ReadLines(class QLocalSocket* Socket);

  QLocalServer* FServer;
  TMessageEvent FOnMessage;
};

// One line of the protocol: true with the message and wParam when it is one
// of the two messages ("100" carries wParam 0).
bool ParseAppMessageLine(const QString& Line, uint32_t& Message, int64_t& WParam);
