#pragma once

#include <SDL_mixer.h>

#include <QString>

// SDL2_mixer, loaded when the first sound is about to play rather than with
// the program: the library and the dozen codec libraries it pulls in cost a
// board that plays no cue several milliseconds of start-up and megabytes of
// memory. Only the calls the sound player makes.
struct TSdlMixer {
  decltype(&Mix_OpenAudio) OpenAudio = nullptr;
  decltype(&Mix_AllocateChannels) AllocateChannels = nullptr;
  decltype(&Mix_LoadWAV_RW) LoadWAV_RW = nullptr;
  decltype(&Mix_PlayChannelTimed) PlayChannelTimed = nullptr;
  decltype(&Mix_HaltChannel) HaltChannel = nullptr;
  decltype(&Mix_FreeChunk) FreeChunk = nullptr;
  decltype(&Mix_CloseAudio) CloseAudio = nullptr;
};

// The library's calls, loaded once; nullptr, with the loader's reason in
// Error, when the library cannot be loaded.
const TSdlMixer* LoadSdlMixer(QString& Error);
