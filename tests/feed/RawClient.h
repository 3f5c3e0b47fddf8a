#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

// A client on a plain socket of its own, as an attacker writes one: it sends
// what it likes and reads only when the test says so, with a small receive
// buffer, so what the server sends it piles up on the server's side.
class TRawClient {
 public:
  explicit TRawClient(quint16 Port);
  ~TRawClient();
  TRawClient(const TRawClient&) = delete;
  TRawClient& operator=(const TRawClient&) = delete;

  bool Connected() const { return FConnected; }
  // Writes what the socket takes now, without waiting; the bytes taken.
  qsizetype Send(const QByteArray& Data);
  // Sends Data over and over for up to Ms or until the socket takes no more.
  void Flood(const QByteArray& Data, int Ms);
  // Asks for a WebSocket on Path; true when the server switches.
  bool OpenWebSocket(const char* Path);
  // Reads everything until the server closes, for up to TimeoutMs; true when it closed.
  bool WaitClosed(int TimeoutMs = 10000);
  // What was read so far.
  QByteArray Received;

 private:
  // Reads what is there now; false once the server has closed.
  bool ReadNow();

  int FSocket = -1;
  bool FConnected = false;
};

// The payloads of the server's frames in Data, in order.
QList<QByteArray> ServerPayloads(const QByteArray& Data);
// A masked client frame, as a client must send it.
QByteArray ClientFrame(quint8 Opcode, const QByteArray& Payload);
