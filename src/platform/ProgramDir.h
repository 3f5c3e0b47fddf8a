#pragma once

#include <QString>

// The folder that holds the executable: Dorvane.INI and Data/ live there.
QString ProgramDir();
// Tests point the program at a temporary folder; an empty text restores it.
void SetProgramDirForTest(const QString& Dir);

// Full path of the settings file, "Dorvane.INI" beside the program.
QString SettingsFilePath();
