#include "model/Labels.h"

#include "platform/ProfileFile.h"
#include "platform/ProgramDir.h"

namespace {
QString ReadLabel(const char* Key, const char* Default) {
  return ReadProfileString(SettingsFilePath(), QStringLiteral("Labels"), QString::fromLatin1(Key),
                           QString::fromLatin1(Default));
}
}  // namespace

QString WarningText() { return ReadLabel("Warning", "KYONGGO"); }
QString DeductionText() { return ReadLabel("Deduction", "GAMJEOM"); }
QString StartText() { return ReadLabel("Start", "Start"); }
QString InjuryText() { return ReadLabel("Injury", "Injury"); }
QString PauseText() { return ReadLabel("Pause", "Pause"); }
QString StopText() { return ReadLabel("Stop", "Stop"); }
