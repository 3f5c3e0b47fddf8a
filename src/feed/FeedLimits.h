#pragma once

#include <QtGlobal>

// What one client of the feed may cost the board. Everything a client sends
// or is sent is bounded here, so no client, however hostile, can grow the
// board's memory or take its files.
struct TFeedLimits {
  // Request line and headers; a longer head is answered 431 and closed.
  qsizetype MaxHeadBytes = 16 * 1024;
  // HTTP and WebSocket connections together; one more is closed at once.
  int MaxConnections = 256;
  // One frame a WebSocket client sends; the feed takes no messages, so a
  // larger frame closes the connection.
  qsizetype MaxFrameBytes = 4 * 1024;
  // Bytes handed to the network and not yet taken by a client. Past this a
  // client gets nothing more until it reads, and then only the latest match.
  qsizetype MaxQueuedBytes = 64 * 1024;
  // A request's head must arrive, and an answer must move, within this.
  int RequestTimeoutMs = 10000;
  // The server pings every live client this often...
  int PingEveryMs = 20000;
  // ...and closes one it has heard nothing from, not even a pong, for this long.
  int LiveSilenceMs = 60000;
  // Pings answered per client and second; a client sending more frames than
  // FramesPerSecondToClose in one second is closed.
  int PongsPerSecond = 5;
  int FramesPerSecondToClose = 50;
  // Courts kept for /courts; a court past them is ignored until one is cleared.
  int MaxCourts = 64;
};

// What the feed's clients cost at one moment.
struct TFeedLoad {
  int Connections = 0;
  // Bytes written for clients and not yet taken by them.
  qsizetype QueuedBytes = 0;
};
