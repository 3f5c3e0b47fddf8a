#pragma once

#include <QString>

// Plays the wave file named under the cue's key in section [Wav] of
// Dorvane.INI, read afresh at every cue. A cue with no entry, or whose file
// does not exist, is silent and leaves a playing sound alone; otherwise the
// playing sound stops and the new one starts. Returns at once.
void PlayCue(const QString& Name);
// Some cue names a file in [Wav]: the sound device is worth opening before
// the first cue. Without any, it stays closed, and its mixing thread idle,
// until a cue added later plays.
bool AnyCueConfigured();
