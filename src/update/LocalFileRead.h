#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// Reads a file of this computer in a thread of its own, so a file that blocks
// (a FIFO nobody writes, a network share that hangs) never stops the main
// thread. Its pieces arrive in order on the thread that started the read. The
// read may be given up at any time: a thread stuck in the system then ends on
// its own whenever the system lets it go, and reports nothing.
class TLocalFileRead : public QObject {
 public:
  using TChunkEvent = std::function<void(const QByteArray& Data)>;
  // Error is empty at the file's end.
  using TDoneEvent = std::function<void(const QString& Error)>;

  // Reads no more than Limit + 1 bytes: enough to tell the file is too large.
  TLocalFileRead(const QString& Path, qint64 Limit, QObject* Parent = nullptr);
  ~TLocalFileRead() override;

  void Start();
  // Nothing more is reported; safe from inside an event of this read.
  void GiveUp();

  TChunkEvent OnChunk;
  TDoneEvent OnDone;

 private:
  struct TShared;
  void Deliver(const QByteArray& Data, bool End, const QString& Error);

  QString FPath;
  qint64 FLimit;
  bool FGivenUp = false;
  std::shared_ptr<TShared> FShared;
};
