#pragma once

#include <QString>

// Where the settings file and the Data folder live. A copy of the program in a
// folder of its own keeps them beside itself; an installed copy (its folder is
// not the user's to write) keeps them in the user's XDG folders.
struct TUserFolders {
  QString SettingsFile;
  QString DataDir;
  // The package manager owns the program's files, and also updates them.
  bool Installed = false;
};

// What decides the folders: the program's folder and whether this user may
// write to it, the XDG variables and the home folder, and --settings / --data
// (empty when not given).
struct TFolderSources {
  QString ProgramDir;
  bool ProgramDirWritable = true;
  QString XdgConfigHome;
  QString XdgDataHome;
  QString Home;
  QString SettingsOption;
  QString DataOption;
};

TUserFolders ChooseUserFolders(const TFolderSources& Sources);

// The sources of this process: its folder, its environment and the two options.
TFolderSources CurrentFolderSources(const QString& SettingsOption, const QString& DataOption);

// Makes Folders the program's folders (main, once, before the settings are
// read). Until then, and in tests, both follow ProgramDir().
void UseUserFolders(const TUserFolders& Folders);
// At a first start of an installed copy the settings folder must exist for
// the first save. Data/ is made at the first record line.
void CreateSettingsFolder();
// Back to following ProgramDir().
void ForgetUserFolders();

// The folder match records are written into.
QString DataDir();
// The program was installed by the package manager: no self-update.
bool IsInstalledCopy();
