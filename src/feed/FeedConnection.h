#pragma once

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QTimer>
#include <functional>

#include "feed/FeedLimits.h"
#include "feed/HttpRequestHead.h"

class QTcpSocket;

// Where a WebSocket client listens.
enum class TLiveStream { None, Match, Courts };

// What the server answers to one request: a page or data, an error, or the
// switch to a live stream.
struct TFeedAnswer {
  int Status = 200;
  QByteArray MimeType;
  QByteArray Body;  // shared with the server: never copied per client
  TLiveStream Upgrade = TLiveStream::None;
};

// One client of the feed server, from its first byte to its close: it reads a
// bounded request head, answers it, and as a live client sends what the
// server offers it, a bounded amount at a time. Whatever the client does, it
// holds at most one request head, one frame and MaxQueuedBytes of output.
class TFeedConnection : public QObject {
 public:
  using TRouter = std::function<TFeedAnswer(const THttpRequestHead&)>;
  using TLiveEvent = std::function<void(TFeedConnection*)>;

  // Takes the socket over; Router answers each request, OnLive hears of a
  // switch to a live stream. Deletes itself once the socket is closed.
  TFeedConnection(QTcpSocket* Socket, const TFeedLimits& Limits, TRouter Router, TLiveEvent OnLive,
                  QObject* Parent);

  TLiveStream Stream() const { return FStream; }
  // A live client gets Frame; one still waiting under the same Key is
  // replaced, so a client that reads slowly gets only the latest.
  void Offer(const QString& Key, const QByteArray& Frame);
  void Ping();
  // Bytes the client has not taken yet: in the socket and in the frame being sent.
  qsizetype QueuedBytes() const;

 private:
  enum class TPhase { Request, Answer, Live, Closing };

  void ReadRequest();
  void Answer(const THttpRequestHead& Request);
  void Refuse(int Status);
  void Send(const TFeedAnswer& Answer, bool KeepAlive);
  void SwitchToLive(const THttpRequestHead& Request, TLiveStream Stream);
  void ReadFrames();
  void TakeFrame(quint8 Opcode, const QByteArray& Payload);
  void CloseLive(quint16 Code);
  void Close();
  void EndWhenSent();
  void Drain();
  bool NextOut();
  void Pump();
  void AwaitRequest();
  void Drop();

  QTcpSocket* const FSocket;
  const TFeedLimits FLimits;
  const TRouter FRouter;
  const TLiveEvent FOnLive;
  TPhase FPhase = TPhase::Request;
  TLiveStream FStream = TLiveStream::None;
  bool FKeepAlive = true;
  // Bytes read and not used yet: part of a head or of a frame.
  QByteArray FIn;
  // The answer's pieces, then the pong, then the latest offers; FOut is on its way.
  QList<QByteArray> FAnswer;
  QByteArray FPong;
  QMap<QString, QByteArray> FOffers;
  QByteArray FOut;
  qsizetype FOutAt = 0;
  // Bytes dropped after our close.
  qint64 FDrained = 0;
  // Closes the connection when a request does not come, an answer stops
  // moving or a live client falls silent.
  QTimer FDeadline{this};
  // Frames and pongs in the current second.
  QElapsedTimer FAge;
  qint64 FSecond = -1;
  int FFrames = 0;
  int FPongs = 0;
};
