#include "platform/PeriodicTouch.h"

TPeriodicTouch::TPeriodicTouch(QString Path, std::chrono::milliseconds Interval,
                               TFailureEvent OnFailure)
    : FInterval(Interval), FOnFailure(std::move(OnFailure)), FTouch(std::move(Path)) {}

TPeriodicTouch::~TPeriodicTouch() { Stop(); }

void TPeriodicTouch::Start() {
  if (FThread.joinable()) return;
  {
    const std::lock_guard<std::mutex> Guard(FLock);
    FRunning = true;
  }
  FThread = std::thread([this] { Run(); });
}

void TPeriodicTouch::Stop() {
  if (!FThread.joinable()) return;
  {
    const std::lock_guard<std::mutex> Guard(FLock);
    FRunning = false;
  }
  FWake.notify_all();
  FThread.join();
}

void TPeriodicTouch::Reopen() {
  const std::lock_guard<std::mutex> Guard(FLock);
  FTouch.Reopen();
}

void TPeriodicTouch::Run() {
  std::unique_lock<std::mutex> Guard(FLock);
  auto Due = std::chrono::steady_clock::now() + FInterval;
  while (!FWake.wait_until(Guard, Due, [this] { return !FRunning; })) {
    QString Error;
    const bool Marked = FTouch.Touch(&Error);
    if (!Marked && !FFailing && FOnFailure) FOnFailure(Error);
    FFailing = !Marked;
    // Whole intervals from the start: a late mark does not shift the later ones.
    Due += FInterval;
  }
}
