#pragma once

#include <QString>
#include <QStringList>
#include <mutex>

#include "platform/SoundPlayer.h"

// Records what it was asked. Safe from any thread.
class TFakeSoundPlayer : public TSoundPlayer {
 public:
  void PlayFile(const QString& Path) override {
    std::lock_guard Guard(FLock);
    FCalls << QStringLiteral("play ") + Path;
  }
  void StopAll() override {
    std::lock_guard Guard(FLock);
    FCalls << QStringLiteral("stop");
  }
  QStringList Calls() {
    std::lock_guard Guard(FLock);
    return FCalls;
  }
  void Clear() {
    std::lock_guard Guard(FLock);
    FCalls.clear();
  }

 private:
  std::mutex FLock;
  QStringList FCalls;
};
