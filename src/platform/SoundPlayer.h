#pragma once

#include <QString>
#include <QStringList>
#include <mutex>

// Plays wave files in the background. Failures (no sound device, not a wave
// file) are silent.
class TSoundPlayer {
 public:
  virtual ~TSoundPlayer() = default;
  // Starts the file and returns at once; what this program was playing stops.
  virtual void PlayFile(const QString& Path) = 0;
  // Stops whatever this program plays.
  virtual void StopAll() = 0;
};

// The player the program uses: SDL2_mixer, opened once on first use. Tests
// install a fake and restore the real one with nullptr.
TSoundPlayer& SoundPlayer();
void SetSoundPlayer(TSoundPlayer* Player);
// Closes the real player's audio device, at program end.
void ShutdownSoundPlayer();

// Records what it was asked, for tests. Safe from any thread.
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
