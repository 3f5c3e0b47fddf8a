#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Local stream sockets made with the system's own calls, as any program
// that is not built on Qt makes them.

// A sender, connected at once or not at all.
class TPlainSender {
 public:
  explicit TPlainSender(const QString& Path);
  ~TPlainSender();
  TPlainSender(const TPlainSender&) = delete;
  TPlainSender& operator=(const TPlainSender&) = delete;

  bool Connected() const { return FFd >= 0; }
  // Sends all of Data; while the receiver's buffer is full, the event loop
  // turns, for a receiver in this process to read.
  bool Send(const QByteArray& Data);
  // True when the other end closed the connection within TimeoutMs.
  bool ClosedByPeer(int TimeoutMs);

 private:
  int FFd = -1;
};

// Connects until the listener's queue is full, for a listener whose event
// loop does not run; the connections last as long as this.
class TQueueFiller {
 public:
  explicit TQueueFiller(const QString& Path);
  ~TQueueFiller();
  TQueueFiller(const TQueueFiller&) = delete;
  TQueueFiller& operator=(const TQueueFiller&) = delete;

  // The last connect was put off because the queue was full.
  bool Full() const { return FFull; }
  int Queued() const { return static_cast<int>(FFds.size()) - 1; }

 private:
  std::vector<int> FFds;
  bool FFull = false;
};

// Leaves a socket file at Path with nobody listening on it: the listener
// closed without removing it.
bool LeaveClosedListener(const QString& Path);
// The same, left by a listening process killed with SIGKILL.
bool LeaveKilledListener(const QString& Path);
