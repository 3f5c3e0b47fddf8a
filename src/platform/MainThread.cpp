#include "platform/MainThread.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <utility>

namespace {

// One request per hand-off, shared with the event that carries it, so a caller
// that stops waiting (shutdown) leaves nothing dangling behind.
struct THandOffRequest {
  std::function<void()> Fn;
  uint64_t Generation = 0;
  std::exception_ptr Error;
  bool Started = false;
  bool Finished = false;
  // The request will never run: its caller stopped waiting, or Qt dropped its event.
  bool Abandoned = false;
};

std::mutex HandOffLock;
std::condition_variable HandOffDone;
bool HandOffShutDown = false;
// Raised by every shutdown, so a request queued before one never runs after a reopen.
uint64_t HandOffGeneration = 0;

const QEvent::Type BlockingHandOff = QEvent::Type(QEvent::registerEventType());
const QEvent::Type PostedHandOff = QEvent::Type(QEvent::registerEventType());

bool IsStale(const THandOffRequest& Request) {
  return HandOffShutDown || Request.Generation != HandOffGeneration;
}

class THandOffEvent : public QEvent {
 public:
  THandOffEvent(QEvent::Type Type, std::shared_ptr<THandOffRequest> Request)
      : QEvent(Type), FRequest(std::move(Request)) {}

  // Qt deletes undelivered events when their receiver or the application goes
  // away; the caller must then stop waiting.
  ~THandOffEvent() override {
    {
      std::lock_guard Lock(HandOffLock);
      if (FRequest->Finished) return;
      FRequest->Abandoned = true;
    }
    HandOffDone.notify_all();
  }

  const std::shared_ptr<THandOffRequest>& Request() const { return FRequest; }

 private:
  std::shared_ptr<THandOffRequest> FRequest;
};

class THandOffReceiver : public QObject {
 protected:
  // Only our own events reach this receiver. Qt orders the poster before us
  // with synchronisation that ThreadSanitizer cannot see; reading the event
  // under HandOffLock, which the poster took after building it, shows that
  // order (see NewHandOff).
  void customEvent(QEvent* Event) override {
    QEvent::Type Type;
    std::shared_ptr<THandOffRequest> Request;
    {
      std::lock_guard Lock(HandOffLock);
      Type = Event->type();
      if (Type != BlockingHandOff && Type != PostedHandOff) return;
      Request = static_cast<THandOffEvent*>(Event)->Request();
    }
    if (Type == BlockingHandOff) {
      RunBlocking(*Request);
    } else {
      RunPosted(*Request);
    }
  }

 private:
  static bool Claim(THandOffRequest& Request) {
    std::lock_guard Lock(HandOffLock);
    if (Request.Abandoned || IsStale(Request)) return false;
    Request.Started = true;
    return true;
  }

  static void MarkFinished(THandOffRequest& Request) {
    {
      std::lock_guard Lock(HandOffLock);
      Request.Finished = true;
    }
    HandOffDone.notify_all();
  }

  // The waiting worker gets the exception, as if it had made the call itself.
  static void RunBlocking(THandOffRequest& Request) {
    if (!Claim(Request)) return;
    try {
      Request.Fn();
    } catch (...) {
      Request.Error = std::current_exception();
    }
    MarkFinished(Request);
  }

  // Nobody waits for a posted call: its exception goes to the application's
  // top-level handler like that of any other event.
  static void RunPosted(THandOffRequest& Request) {
    if (!Claim(Request)) return;
    MarkFinished(Request);
    Request.Fn();
  }
};

// Made on first use, possibly by a worker, and moved to the main thread; it
// lives as long as the process.
QObject* Receiver() {
  static THandOffReceiver* const Instance = [] {
    auto* Object = new THandOffReceiver;
    Object->moveToThread(QCoreApplication::instance()->thread());
    return Object;
  }();
  return Instance;
}

// Without an application there is no event loop to hand over to: the caller
// counts as the main thread.
bool OnMainThread() {
  const QCoreApplication* App = QCoreApplication::instance();
  return App == nullptr || QThread::currentThread() == App->thread();
}

bool IsShutDown() {
  std::lock_guard Lock(HandOffLock);
  return HandOffShutDown;
}

// The event of a new request. The lock is taken once the event exists, so the
// main thread, which reads it under the same lock, is ordered after its making.
THandOffEvent* NewHandOff(QEvent::Type Type, std::function<void()> Fn) {
  auto Request = std::make_shared<THandOffRequest>();
  Request->Fn = std::move(Fn);
  auto* Event = new THandOffEvent(Type, Request);
  std::lock_guard Lock(HandOffLock);
  Request->Generation = HandOffGeneration;
  return Event;
}

}  // namespace

void RunOnMainThread(const std::function<void()>& Fn) {
  if (OnMainThread()) {
    if (!IsShutDown()) Fn();
    return;
  }
  if (IsShutDown()) return;
  THandOffEvent* Event = NewHandOff(BlockingHandOff, Fn);
  const std::shared_ptr<THandOffRequest> Request = Event->Request();
  QCoreApplication::postEvent(Receiver(), Event);

  std::unique_lock Lock(HandOffLock);
  // A request already running is waited for: its function may use the caller's stack.
  HandOffDone.wait(Lock, [&] {
    return Request->Finished || Request->Abandoned || (!Request->Started && IsStale(*Request));
  });
  if (!Request->Finished) {
    Request->Abandoned = true;
    return;
  }
  if (Request->Error) {
    // Taken out of the request, so the exception is freed on this thread
    // and not where the main thread drops the request.
    const std::exception_ptr Error = std::exchange(Request->Error, nullptr);
    Lock.unlock();
    std::rethrow_exception(Error);
  }
}

void PostToMainThread(std::function<void()> Fn) {
  if (IsShutDown()) return;
  if (OnMainThread()) {
    Fn();
    return;
  }
  QCoreApplication::postEvent(Receiver(), NewHandOff(PostedHandOff, std::move(Fn)));
}

void ShutdownMainThreadHandOff() {
  {
    std::lock_guard Lock(HandOffLock);
    HandOffShutDown = true;
    ++HandOffGeneration;
  }
  HandOffDone.notify_all();
}

void ReopenMainThreadHandOff() {
  std::lock_guard Lock(HandOffLock);
  HandOffShutDown = false;
}

void RunPendingMainThreadHandOffs() {
  if (OnMainThread()) QCoreApplication::sendPostedEvents(Receiver());
}
