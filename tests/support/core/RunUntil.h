#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <functional>

// Turns the event loop until Done holds; false after TimeoutMs. Waits for
// events rather than polling, so a clock on a fake time source runs at full
// speed through its hand-offs.
inline bool RunUntil(const std::function<bool()>& Done, int TimeoutMs = 60000) {
  QDeadlineTimer Deadline(TimeoutMs);
  QTimer Watchdog;  // wakes the wait below when nothing else does
  Watchdog.start(100);
  while (!Done()) {
    if (Deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}
