#include "feed/FeedConnection.h"

#include <sys/socket.h>

#include <QTcpSocket>
#include <algorithm>

#include "feed/FeedLog.h"
#include "feed/WebSocketFrames.h"

namespace {

// Written to the socket at a time, so a large answer is never copied whole.
constexpr qsizetype ChunkBytes = 16 * 1024;

QByteArray Reason(int Status) {
  switch (Status) {
    case 200:
      return "OK";
    case 400:
      return "Bad Request";
    case 404:
      return "Not Found";
    case 405:
      return "Method Not Allowed";
    case 413:
      return "Content Too Large";
    case 431:
      return "Request Header Fields Too Large";
    default:
      return "Error";
  }
}

}  // namespace

TFeedConnection::TFeedConnection(QTcpSocket* Socket, const TFeedLimits& Limits, TRouter Router,
                                 TLiveEvent OnLive, QObject* Parent)
    : QObject(Parent),
      FSocket(Socket),
      FLimits(Limits),
      FRouter(std::move(Router)),
      FOnLive(std::move(OnLive)) {
  FSocket->setParent(this);
  // The socket takes no more from the network than one head: a client that
  // sends faster than it is read waits in its own buffers, not in ours.
  FSocket->setReadBufferSize(FLimits.MaxHeadBytes);
  FDeadline.setSingleShot(true);
  FAge.start();
  connect(&FDeadline, &QTimer::timeout, this, &TFeedConnection::Drop);
  connect(FSocket, &QTcpSocket::readyRead, this, [this] {
    if (FPhase == TPhase::Request) ReadRequest();
    if (FPhase == TPhase::Live) ReadFrames();
    if (FPhase == TPhase::Closing) Drain();
  });
  connect(FSocket, &QTcpSocket::bytesWritten, this, [this] {
    if (FPhase == TPhase::Answer) FDeadline.start(FLimits.RequestTimeoutMs);
    if (FPhase == TPhase::Closing) return EndWhenSent();
    Pump();
  });
  connect(FSocket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
  AwaitRequest();
}

void TFeedConnection::AwaitRequest() {
  FPhase = TPhase::Request;
  // From the start of the wait, not the last byte: a head sent a byte at a
  // time cannot hold the connection.
  FDeadline.start(FLimits.RequestTimeoutMs);
  // Queued: a client's pipelined requests are answered one turn at a time.
  QMetaObject::invokeMethod(this, &TFeedConnection::ReadRequest, Qt::QueuedConnection);
}

void TFeedConnection::ReadRequest() {
  if (FPhase != TPhase::Request) return;
  FIn += FSocket->read(FLimits.MaxHeadBytes + 1 - FIn.size());
  const qsizetype End = RequestHeadEnd(FIn);
  if (End < 0) {
    if (FIn.size() > FLimits.MaxHeadBytes) Refuse(431);
    return;
  }
  const std::optional<THttpRequestHead> Request = ParseRequestHead(FIn.left(End));
  FIn.remove(0, End);
  if (!Request) return Refuse(400);
  // Nothing the feed serves takes a body: one is never read.
  if (Request->HasBody()) return Refuse(413);
  Answer(*Request);
}

void TFeedConnection::Answer(const THttpRequestHead& Request) {
  const TFeedAnswer Answer = FRouter(Request);
  if (Answer.Upgrade != TLiveStream::None) return SwitchToLive(Request, Answer.Upgrade);
  Send(Answer, Request.KeepsAlive() && Answer.Status < 400);
}

void TFeedConnection::Refuse(int Status) {
  qCDebug(lcFeed) << "Refused a request from" << FSocket->peerAddress().toString() << "with"
                  << Status;
  FIn.clear();
  Send({Status, "text/plain", Reason(Status) + '\n'}, false);
}

void TFeedConnection::Send(const TFeedAnswer& Answer, bool KeepAlive) {
  FKeepAlive = KeepAlive;
  QByteArray Head = "HTTP/1.1 " + QByteArray::number(Answer.Status) + ' ' + Reason(Answer.Status) +
                    "\r\nContent-Length: " + QByteArray::number(Answer.Body.size()) + "\r\n";
  if (!Answer.MimeType.isEmpty()) Head += "Content-Type: " + Answer.MimeType + "\r\n";
  // Every answer is the match of this moment.
  Head += "Cache-Control: no-store\r\n";
  Head += KeepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
  FAnswer = {Head, Answer.Body};
  FPhase = TPhase::Answer;
  FDeadline.start(FLimits.RequestTimeoutMs);
  Pump();
}

void TFeedConnection::SwitchToLive(const THttpRequestHead& Request, TLiveStream Stream) {
  FAnswer = {
      "HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
      "Sec-WebSocket-Accept: " +
      WebSocket::AcceptKey(Request.Header("sec-websocket-key")) + "\r\n\r\n"};
  FPhase = TPhase::Live;
  FStream = Stream;
  FDeadline.start(FLimits.LiveSilenceMs);
  Pump();
  FOnLive(this);
  ReadFrames();
}

void TFeedConnection::ReadFrames() {
  FIn += FSocket->readAll();
  WebSocket::TClientFrame Frame;
  while (FPhase == TPhase::Live) {
    switch (WebSocket::ReadClientFrame(FIn, FLimits.MaxFrameBytes, Frame)) {
      case WebSocket::TRead::Incomplete:
        return;
      case WebSocket::TRead::TooBig:
        return CloseLive(WebSocket::TooBig);
      case WebSocket::TRead::Invalid:
        return CloseLive(WebSocket::ProtocolError);
      case WebSocket::TRead::Frame:
        TakeFrame(Frame.Opcode, Frame.Payload);
        break;
    }
  }
}

void TFeedConnection::TakeFrame(quint8 Opcode, const QByteArray& Payload) {
  FDeadline.start(FLimits.LiveSilenceMs);
  const qint64 Second = FAge.elapsed() / 1000;
  if (Second != FSecond) {
    FSecond = Second;
    FFrames = FPongs = 0;
  }
  if (++FFrames > FLimits.FramesPerSecondToClose) {
    qCDebug(lcFeed) << "Closed a live client that sends too much:"
                    << FSocket->peerAddress().toString();
    return CloseLive(WebSocket::PolicyViolation);
  }
  if (Opcode == WebSocket::Close) return CloseLive(WebSocket::Normal);
  // Only the latest pong waits for a client that does not read.
  if (Opcode == WebSocket::Ping && ++FPongs <= FLimits.PongsPerSecond) {
    FPong = WebSocket::ServerFrame(WebSocket::Pong, Payload);
    Pump();
  }
  // Nothing else a client sends changes anything.
}

// The close frame goes out past any queue; whatever waits is dropped.
void TFeedConnection::CloseLive(quint16 Code) {
  FOffers.clear();
  FPong.clear();
  FSocket->write(WebSocket::CloseFrame(Code));
  Close();
}

void TFeedConnection::Close() {
  FPhase = TPhase::Closing;
  FIn.clear();
  FDeadline.start(FLimits.RequestTimeoutMs);
  FSocket->flush();
  EndWhenSent();
}

// Only our side ends, once all is sent: what the client still sends is read
// and dropped until it closes too. Closing at once with its bytes unread
// would reset the connection, and the client would lose our last answer.
void TFeedConnection::EndWhenSent() {
  if (FSocket->bytesToWrite() == 0)
    shutdown(static_cast<int>(FSocket->socketDescriptor()), SHUT_WR);
}

void TFeedConnection::Offer(const QString& Key, const QByteArray& Frame) {
  if (FPhase != TPhase::Live) return;
  FOffers.insert(Key, Frame);
  Pump();
}

void TFeedConnection::Ping() {
  Offer(QStringLiteral("\x01ping"), WebSocket::ServerFrame(WebSocket::Ping, {}));
}

qsizetype TFeedConnection::QueuedBytes() const {
  return FSocket->bytesToWrite() + FOut.size() - FOutAt;
}

bool TFeedConnection::NextOut() {
  if (!FAnswer.isEmpty()) {
    FOut = FAnswer.takeFirst();
  } else if (!FPong.isEmpty()) {
    FOut = std::exchange(FPong, {});
  } else if (!FOffers.isEmpty()) {
    FOut = FOffers.begin().value();
    FOffers.erase(FOffers.begin());
  } else {
    return false;
  }
  FOutAt = 0;
  return true;
}

void TFeedConnection::Pump() {
  if (FPhase == TPhase::Closing) return;
  while (FSocket->bytesToWrite() < FLimits.MaxQueuedBytes) {
    if (FOutAt == FOut.size()) {
      FOut.clear();
      FOutAt = 0;
      if (!NextOut()) break;
    }
    const qsizetype Size = std::min(ChunkBytes, FOut.size() - FOutAt);
    FSocket->write(FOut.constData() + FOutAt, Size);
    FOutAt += Size;
  }
  if (FPhase != TPhase::Answer || FOutAt < FOut.size() || !FAnswer.isEmpty()) return;
  if (FKeepAlive) {
    AwaitRequest();
  } else {
    Close();
  }
}

// A client that goes on sending after our close is cut off.
void TFeedConnection::Drain() {
  FDrained += FSocket->skip(FSocket->bytesAvailable());
  if (FDrained > 4 * FLimits.MaxHeadBytes) Drop();
}

void TFeedConnection::Drop() {
  FSocket->abort();
  deleteLater();
}
