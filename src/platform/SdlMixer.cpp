#include "platform/SdlMixer.h"

#include "platform/RuntimeLibrary.h"

namespace {

bool ResolveMixer(QLibrary& Library, TSdlMixer& Mixer) {
  return ResolveCall(Library, Mixer.OpenAudio, "Mix_OpenAudio") &&
         ResolveCall(Library, Mixer.AllocateChannels, "Mix_AllocateChannels") &&
         ResolveCall(Library, Mixer.LoadWAV_RW, "Mix_LoadWAV_RW") &&
         ResolveCall(Library, Mixer.PlayChannelTimed, "Mix_PlayChannelTimed") &&
         ResolveCall(Library, Mixer.HaltChannel, "Mix_HaltChannel") &&
         ResolveCall(Library, Mixer.FreeChunk, "Mix_FreeChunk") &&
         ResolveCall(Library, Mixer.CloseAudio, "Mix_CloseAudio");
}

}  // namespace

const TSdlMixer* LoadSdlMixer(QString& Error) {
  return LoadLibraryOnce<TSdlMixer>(QStringLiteral("SDL2_mixer-2.0"), 0, ResolveMixer, Error);
}
