#include "record/SoundCues.h"

#include <QFileInfo>

#include "platform/ProfileFile.h"
#include "platform/ProgramDir.h"
#include "platform/SoundPlayer.h"

void PlayCue(const QString& Name) {
  const QString Path =
      ReadProfileString(SettingsFilePath(), QStringLiteral("Wav"), Name, QString());
  // A relative path is taken from the current directory, as the operator typed it.
  if (Path.isEmpty() || !QFileInfo(Path).isFile()) return;
  SoundPlayer().PlayFile(Path);
}
