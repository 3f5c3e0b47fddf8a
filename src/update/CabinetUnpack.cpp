#include "update/CabinetUnpack.h"

#include "platform/MainThread.h"

TCabinetUnpack::~TCabinetUnpack() { Stop(); }

void TCabinetUnpack::Start(const QString& Archive, const QString& Folder, qint64 MaxTotalSize) {
  Stop();
  auto Run = std::make_shared<TRun>();
  FRun = Run;
  FThread = std::thread([this, Run, Archive, Folder, MaxTotalSize] {
    QString Error;
    std::optional<QList<TExtractedFile>> Files =
        ExtractCabinet(Archive, Folder, MaxTotalSize, Run->Stopped, Error);
    PostToMainThread([this, Run, Files = std::move(Files), Error] {
      // Stop runs on this thread too: once it has, this object may be gone.
      if (Run->Stopped) return;
      FThread.join();  // it has nothing left to do but end
      FRun.reset();
      const TDoneEvent Done = OnDone;  // the handler may start the next unpack
      if (Done) Done(Files, Error);
    });
  });
}

void TCabinetUnpack::Stop() {
  if (!FRun) return;
  FRun->Stopped = true;
  FThread.join();
  FRun.reset();
}
