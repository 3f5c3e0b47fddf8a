#include "RawClient.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <cerrno>

#include "FeedClient.h"

TRawClient::TRawClient(quint16 Port) {
  FSocket = socket(AF_INET, SOCK_STREAM, 0);
  const int Small = 4096;
  setsockopt(FSocket, SOL_SOCKET, SO_RCVBUF, &Small, sizeof Small);
  sockaddr_in Address{};
  Address.sin_family = AF_INET;
  Address.sin_port = htons(Port);
  Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  FConnected = connect(FSocket, reinterpret_cast<sockaddr*>(&Address), sizeof Address) == 0;
  fcntl(FSocket, F_SETFL, fcntl(FSocket, F_GETFL) | O_NONBLOCK);
}

TRawClient::~TRawClient() { close(FSocket); }

qsizetype TRawClient::Send(const QByteArray& Data) {
  const ssize_t Sent = send(FSocket, Data.constData(), Data.size(), MSG_NOSIGNAL);
  return Sent < 0 ? 0 : Sent;
}

void TRawClient::Flood(const QByteArray& Data, int Ms) {
  const QDeadlineTimer Deadline(Ms);
  WaitUntil([&] { return Send(Data) < Data.size() || Deadline.hasExpired(); }, Ms + 1000);
}

bool TRawClient::OpenWebSocket(const char* Path) {
  Send(QByteArray("GET ") + Path +
       " HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
       "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
  WaitUntil([this] { return !ReadNow() || Received.contains("\r\n\r\n"); });
  return Received.startsWith("HTTP/1.1 101");
}

bool TRawClient::ReadNow() {
  char Buffer[65536];
  for (;;) {
    const ssize_t Got = recv(FSocket, Buffer, sizeof Buffer, 0);
    if (Got > 0) {
      Received.append(Buffer, Got);
      continue;
    }
    return Got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
  }
}

bool TRawClient::WaitClosed(int TimeoutMs) {
  return WaitUntil([this] { return !ReadNow(); }, TimeoutMs);
}

QByteArray ClientFrame(quint8 Opcode, const QByteArray& Payload) {
  QByteArray Frame;
  Frame.append(static_cast<char>(0x80 | Opcode));
  Frame.append(static_cast<char>(0x80 | Payload.size()));  // short payloads only
  const char Mask[4] = {0x12, 0x34, 0x56, 0x78};
  Frame.append(Mask, 4);
  for (qsizetype I = 0; I < Payload.size(); ++I) Frame.append(Payload[I] ^ Mask[I % 4]);
  return Frame;
}

QList<QByteArray> ServerPayloads(const QByteArray& Data) {
  QList<QByteArray> Result;
  qsizetype At = 0;
  while (At + 2 <= Data.size()) {
    quint64 Size = static_cast<quint8>(Data[At + 1]) & 0x7F;
    qsizetype Head = 2;
    if (Size >= 126) {
      const qsizetype Width = Size == 126 ? 2 : 8;
      Size = 0;
      for (qsizetype I = 0; I < Width; ++I)
        Size = (Size << 8) | static_cast<quint8>(Data[At + 2 + I]);
      Head += Width;
    }
    if (At + Head + static_cast<qsizetype>(Size) > Data.size()) break;
    Result.append(Data.mid(At + Head, static_cast<qsizetype>(Size)));
    At += Head + static_cast<qsizetype>(Size);
  }
  return Result;
}
