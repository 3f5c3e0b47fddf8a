#pragma once

#include <QList>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "update/CabinetArchive.h"

// Unpacks a cabinet on a thread of its own, so a large update never holds up
// the board; the result is handed to the main thread. One unpack at a time;
// used on the main thread only.
class TCabinetUnpack {
 public:
  // Files is nullopt, with Error saying why, when the cabinet was refused.
  using TDoneEvent =
      std::function<void(const std::optional<QList<TExtractedFile>>& Files, const QString& Error)>;

  TCabinetUnpack() = default;
  ~TCabinetUnpack();
  TCabinetUnpack(const TCabinetUnpack&) = delete;
  TCabinetUnpack& operator=(const TCabinetUnpack&) = delete;

  // Unpacks Archive into Folder as ExtractCabinet does; OnDone runs on the
  // main thread when it is done. A running unpack is stopped first.
  void Start(const QString& Archive, const QString& Folder, qint64 MaxTotalSize);
  // Stops a running unpack at its next block and waits for its thread;
  // OnDone is not raised for it.
  void Stop();
  bool Running() const { return FRun != nullptr; }

  TDoneEvent OnDone;

 private:
  // What the thread and its answer share; the answer may arrive after a Stop.
  struct TRun {
    std::atomic_bool Stopped{false};
  };

  std::shared_ptr<TRun> FRun;
  std::thread FThread;
};
