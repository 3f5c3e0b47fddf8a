#include "update/LocalFileRead.h"

#include <QFile>
#include <mutex>
#include <thread>

#include "platform/MainThread.h"

namespace {
constexpr qint64 ChunkSize = 64 * 1024;
}  // namespace

// What the reading thread and the reader share; the thread may outlive the reader.
struct TLocalFileRead::TShared {
  std::mutex Lock;
  TLocalFileRead* Receiver = nullptr;  // none once given up
};

TLocalFileRead::TLocalFileRead(const QString& Path, qint64 Limit, QObject* Parent)
    : QObject(Parent), FPath(Path), FLimit(Limit), FShared(std::make_shared<TShared>()) {
  FShared->Receiver = this;
}

TLocalFileRead::~TLocalFileRead() { GiveUp(); }

void TLocalFileRead::Start() {
  std::thread([Shared = FShared, Path = FPath, Limit = FLimit] {
    // False once the reader has given up: the thread then stops.
    const auto Post = [&Shared](const QByteArray& Data, bool End, const QString& Error) {
      const std::lock_guard Guard(Shared->Lock);
      if (!Shared->Receiver) return false;
      // Through the program's hand-off, whose lock orders this thread's
      // writes before the main thread's reads, also for the race checker.
      PostToMainThread([Shared, Data, End, Error] {
        TLocalFileRead* Receiver = nullptr;
        {
          const std::lock_guard Guard(Shared->Lock);
          Receiver = Shared->Receiver;
        }
        // Only the main thread destroys the reader: it stands until this returns.
        if (Receiver) Receiver->Deliver(Data, End, Error);
      });
      return true;
    };
    QFile In(Path);
    if (!In.open(QIODevice::ReadOnly)) {
      Post({}, true, In.errorString());
      return;
    }
    for (qint64 Total = 0; Total <= Limit;) {
      const QByteArray Data = In.read(ChunkSize);
      if (Data.isEmpty()) {
        Post({}, true, In.error() == QFileDevice::NoError ? QString() : In.errorString());
        return;
      }
      Total += Data.size();
      if (!Post(Data, false, QString())) return;
    }
    Post({}, true, QString());
  }).detach();
}

void TLocalFileRead::GiveUp() {
  FGivenUp = true;
  const std::lock_guard Guard(FShared->Lock);
  FShared->Receiver = nullptr;
}

void TLocalFileRead::Deliver(const QByteArray& Data, bool End, const QString& Error) {
  if (FGivenUp) return;
  // A handler may give up the read, and so replace these, while it runs.
  if (End) {
    const TDoneEvent Done = OnDone;
    if (Done) Done(Error);
  } else {
    const TChunkEvent Chunk = OnChunk;
    if (Chunk) Chunk(Data);
  }
}
