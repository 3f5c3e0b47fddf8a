#pragma once

#include <QString>

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

// The player the program uses: SDL2_mixer, opened once on first use, unless
// another player is installed; nullptr goes back to SDL2_mixer.
TSoundPlayer& SoundPlayer();
void SetSoundPlayer(TSoundPlayer* Player);
// Opens the real player's audio device now, so that the first cue does not
// wait for it; without this the first cue opens it.
void StartSoundPlayer();
// Closes the real player's audio device, at program end.
void ShutdownSoundPlayer();
