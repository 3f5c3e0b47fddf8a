#include "platform/SdlMixer.h"

#include <QLibrary>
#include <mutex>

namespace {

template <typename TCall>
bool Resolve(QLibrary& Library, TCall& Call, const char* Name) {
  Call = reinterpret_cast<TCall>(Library.resolve(Name));
  return Call != nullptr;
}

}  // namespace

const TSdlMixer* LoadSdlMixer(QString& Error) {
  static std::once_flag Once;
  static TSdlMixer Mixer;
  static bool Loaded = false;
  static QString LoadError;
  std::call_once(Once, [] {
    // Never unloaded: its audio thread may outlive any one user.
    static QLibrary Library(QStringLiteral("SDL2_mixer-2.0"), 0);
    Loaded = Library.load() && Resolve(Library, Mixer.OpenAudio, "Mix_OpenAudio") &&
             Resolve(Library, Mixer.AllocateChannels, "Mix_AllocateChannels") &&
             Resolve(Library, Mixer.LoadWAV_RW, "Mix_LoadWAV_RW") &&
             Resolve(Library, Mixer.PlayChannelTimed, "Mix_PlayChannelTimed") &&
             Resolve(Library, Mixer.HaltChannel, "Mix_HaltChannel") &&
             Resolve(Library, Mixer.FreeChunk, "Mix_FreeChunk") &&
             Resolve(Library, Mixer.CloseAudio, "Mix_CloseAudio");
    if (!Loaded) LoadError = Library.errorString();
  });
  Error = LoadError;
  return Loaded ? &Mixer : nullptr;
}
