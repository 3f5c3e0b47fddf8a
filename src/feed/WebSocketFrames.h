#pragma once

#include <QByteArray>

// The WebSocket protocol as the feed needs it: the handshake's answer, the
// frames it sends and those a client sends it.
namespace WebSocket {

enum TOpcode : quint8 {
  Continuation = 0x0,
  Text = 0x1,
  Binary = 0x2,
  Close = 0x8,
  Ping = 0x9,
  Pong = 0xA
};

// Close codes the feed sends.
inline constexpr quint16 Normal = 1000;
inline constexpr quint16 ProtocolError = 1002;
inline constexpr quint16 PolicyViolation = 1008;
inline constexpr quint16 TooBig = 1009;

// Sec-WebSocket-Accept for a client's Sec-WebSocket-Key.
QByteArray AcceptKey(const QByteArray& ClientKey);
// One unmasked, final frame from the server.
QByteArray ServerFrame(TOpcode Opcode, const QByteArray& Payload);
QByteArray CloseFrame(quint16 Code);

struct TClientFrame {
  quint8 Opcode = 0;
  QByteArray Payload;  // unmasked
};

enum class TRead {
  Incomplete,  // more bytes are needed
  Frame,       // one frame taken from the front of the buffer
  TooBig,      // its payload is over the limit
  Invalid,     // not a client's frame (unmasked, reserved bits, a long control frame)
};

// Takes the first frame off Buffer, whose payload may be up to MaxPayload bytes.
TRead ReadClientFrame(QByteArray& Buffer, qsizetype MaxPayload, TClientFrame& Frame);

}  // namespace WebSocket
