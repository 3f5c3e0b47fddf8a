#include "feed/WebSocketFrames.h"

#include <QCryptographicHash>
#include <QtEndian>

namespace WebSocket {

QByteArray AcceptKey(const QByteArray& ClientKey) {
  return QCryptographicHash::hash(ClientKey.trimmed() + "258EAFA5-E914-47DA-95CA-C5AB0DC85B11",
                                  QCryptographicHash::Sha1)
      .toBase64();
}

QByteArray ServerFrame(TOpcode Opcode, const QByteArray& Payload) {
  QByteArray Frame;
  Frame.reserve(Payload.size() + 10);
  Frame.append(static_cast<char>(0x80 | Opcode));
  const quint64 Size = static_cast<quint64>(Payload.size());
  if (Size < 126) {
    Frame.append(static_cast<char>(Size));
  } else if (Size <= 0xFFFF) {
    Frame.append(static_cast<char>(126));
    const quint16 Length = qToBigEndian(static_cast<quint16>(Size));
    Frame.append(reinterpret_cast<const char*>(&Length), sizeof Length);
  } else {
    Frame.append(static_cast<char>(127));
    const quint64 Length = qToBigEndian(Size);
    Frame.append(reinterpret_cast<const char*>(&Length), sizeof Length);
  }
  return Frame + Payload;
}

QByteArray CloseFrame(quint16 Code) {
  const quint16 BigEndian = qToBigEndian(Code);
  return ServerFrame(Close,
                     QByteArray(reinterpret_cast<const char*>(&BigEndian), sizeof BigEndian));
}

TRead ReadClientFrame(QByteArray& Buffer, qsizetype MaxPayload, TClientFrame& Frame) {
  if (Buffer.size() < 2) return TRead::Incomplete;
  const auto Byte = [&Buffer](qsizetype I) { return static_cast<quint8>(Buffer[I]); };
  const quint8 Opcode = Byte(0) & 0x0F;
  const bool Final = Byte(0) & 0x80;
  const bool Control = Opcode & 0x08;
  // No extension was agreed, so no reserved bit may be set; a client masks every frame.
  if ((Byte(0) & 0x70) || !(Byte(1) & 0x80)) return TRead::Invalid;
  quint64 Size = Byte(1) & 0x7F;
  qsizetype At = 2;
  if (Size == 126 || Size == 127) {
    if (Control) return TRead::Invalid;  // a control frame's payload is at most 125 bytes
    const qsizetype Width = Size == 126 ? 2 : 8;
    if (Buffer.size() < At + Width) return TRead::Incomplete;
    Size = 0;
    for (qsizetype I = 0; I < Width; ++I) Size = (Size << 8) | Byte(At + I);
    At += Width;
  }
  if (Control && !Final) return TRead::Invalid;
  if (Size > static_cast<quint64>(MaxPayload)) return TRead::TooBig;
  const qsizetype Length = static_cast<qsizetype>(Size);
  if (Buffer.size() < At + 4 + Length) return TRead::Incomplete;
  const char* Mask = Buffer.constData() + At;
  Frame.Opcode = Opcode;
  Frame.Payload = Buffer.mid(At + 4, Length);
  for (qsizetype I = 0; I < Length; ++I) Frame.Payload[I] = Frame.Payload[I] ^ Mask[I % 4];
  Buffer.remove(0, At + 4 + Length);
  return TRead::Frame;
}

}  // namespace WebSocket
