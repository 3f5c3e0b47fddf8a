#pragma once

#include <QString>

// The folder that holds the executable.
QString ProgramDir();
// Tests point the program at a temporary folder; an empty text restores it.
void SetProgramDirForTest(const QString& Dir);

// Full path of the settings file: "Dorvane.INI" beside the program, or where
// UseUserFolders (platform/UserFolders.h) put it.
QString SettingsFilePath();
