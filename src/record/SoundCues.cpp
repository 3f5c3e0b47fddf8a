#include "record/SoundCues.h"

#include <QFileInfo>

#include "platform/ProfileFile.h"
#include "platform/ProgramDir.h"
#include "platform/SoundPlayer.h"

namespace {

const QString CueNames[] = {
    QStringLiteral("RedPoint"),          QStringLiteral("Red2Point"),
    QStringLiteral("Red3Point"),         QStringLiteral("BluePoint"),
    QStringLiteral("Blue2Point"),        QStringLiteral("Blue3Point"),
    QStringLiteral("RedFullPenalty"),    QStringLiteral("RedHalfPenalty"),
    QStringLiteral("BlueFullPenalty"),   QStringLiteral("BlueHalfPenalty"),
    QStringLiteral("StartBetweenRounds"), QStringLiteral("End")};

}  // namespace

bool AnyCueConfigured() {
  for (const std::optional<QString>& Path :
       ReadProfileStrings(SettingsFilePath(), QStringLiteral("Wav"), CueNames)) {
    if (Path && !Path->trimmed().isEmpty()) return true;
  }
  return false;
}

void PlayCue(const QString& Name) {
  QString Path = ReadProfileString(SettingsFilePath(), QStringLiteral("Wav"), Name, QString());
  // Files written on Windows separate folders with backslashes. A relative
  // path is taken from the current directory, as the operator typed it.
  Path.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (Path.isEmpty() || !QFileInfo(Path).isFile()) return;
  SoundPlayer().PlayFile(Path);
}
