#include <SDL.h>

#include <QFile>
#include <atomic>
#include <mutex>

#include "platform/Logging.h"
#include "platform/SdlMixer.h"
#include "platform/SoundPlayer.h"

namespace {

// One channel is enough: a new cue always silences the previous one.
constexpr int CueChannel = 0;
// A short buffer keeps the delay between a key press and its sound small.
constexpr int BufferSamples = 512;

class TSdlSoundPlayer : public TSoundPlayer {
 public:
  void PlayFile(const QString& Path) override {
    std::lock_guard Guard(FLock);
    HaltAndFree();
    if (!EnsureOpen()) return;
    Mix_Chunk* Chunk =
        FMixer->LoadWAV_RW(SDL_RWFromFile(QFile::encodeName(Path).constData(), "rb"), 1);
    if (!Chunk) {
      qCWarning(LogSound) << "cannot load" << Path << ":" << SDL_GetError();
      return;
    }
    if (FMixer->PlayChannelTimed(CueChannel, Chunk, 0, -1) < 0) {
      qCWarning(LogSound) << "cannot play" << Path << ":" << SDL_GetError();
      FMixer->FreeChunk(Chunk);
      return;
    }
    FChunk = Chunk;
  }

  void StopAll() override {
    std::lock_guard Guard(FLock);
    HaltAndFree();
  }

  void Start() {
    std::lock_guard Guard(FLock);
    EnsureOpen();
  }

  void Shutdown() {
    std::lock_guard Guard(FLock);
    HaltAndFree();
    if (FOpen) {
      FMixer->CloseAudio();
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    // A later cue opens the device afresh (tests switch audio drivers this way).
    FOpen = false;
    FTried = false;
  }

 private:
  // Opens the device once; a machine without sound stays silent for the run
  // instead of probing the audio drivers at every cue.
  bool EnsureOpen() {
    if (FTried) return FOpen;
    FTried = true;
    QString Error;
    FMixer = LoadSdlMixer(Error);
    if (!FMixer) {
      qCWarning(LogSound) << "no sound for this run: SDL2_mixer:" << Error;
      return false;
    }
    // Keep SIGINT and SIGTERM ours: SDL would turn them into unread quit events.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Logged once: the run stays silent after it.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      qCWarning(LogSound) << "no sound for this run: SDL audio:" << SDL_GetError();
      return false;
    }
    if (FMixer->OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, BufferSamples) != 0) {
      qCWarning(LogSound) << "no sound for this run: audio device:" << SDL_GetError();
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    FMixer->AllocateChannels(1);
    FOpen = true;
    return true;
  }

  // Mix_HaltChannel returns only once the mixer has let go of the channel, so
  // the chunk can be freed right after it.
  void HaltAndFree() {
    if (!FChunk) return;
    FMixer->HaltChannel(CueChannel);
    FMixer->FreeChunk(FChunk);
    FChunk = nullptr;
  }

  std::mutex FLock;
  bool FTried = false;
  bool FOpen = false;
  const TSdlMixer* FMixer = nullptr;
  Mix_Chunk* FChunk = nullptr;
};

TSdlSoundPlayer& SdlSoundPlayer() {
  static TSdlSoundPlayer Player;
  return Player;
}

std::atomic<TSoundPlayer*> CurrentPlayer{nullptr};

}  // namespace

TSoundPlayer& SoundPlayer() {
  TSoundPlayer* Player = CurrentPlayer.load();
  return Player ? *Player : SdlSoundPlayer();
}

void SetSoundPlayer(TSoundPlayer* Player) { CurrentPlayer = Player; }

void StartSoundPlayer() { SdlSoundPlayer().Start(); }

void ShutdownSoundPlayer() { SdlSoundPlayer().Shutdown(); }
