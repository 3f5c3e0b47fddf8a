#include "record/SoundCues.h"

#include <QFileInfo>

#include "platform/ProfileFile.h"
#include "platform/ProgramDir.h"
#include "platform/SoundPlayer.h"

void PlayCue(const QString& Name) {
  QString Path = ReadProfileString(SettingsFilePath(), QStringLiteral("Wav"), Name, QString());
  // Files written on Windows separate folders with backslashes. A relative
  // path is taken from the current directory, as the operator typed it.
  Path.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (Path.isEmpty() || !QFileInfo(Path).isFile()) return;
  SoundPlayer().PlayFile(Path);
}
