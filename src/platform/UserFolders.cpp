#include "platform/UserFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <optional>

#include "platform/ProgramDir.h"

Q_LOGGING_CATEGORY(lcUserFolders, "dorvane.folders")

namespace {

std::optional<TUserFolders>& Chosen() {
  static std::optional<TUserFolders> Folders;
  return Folders;
}

// The XDG rule: an unset, empty or relative variable means its default below home.
QString XdgFolder(const QString& Variable, const QString& Home, const QString& Default) {
  if (!Variable.isEmpty() && QDir::isAbsolutePath(Variable)) return QDir::cleanPath(Variable);
  return QDir::cleanPath(Home + QLatin1Char('/') + Default);
}

QString AbsolutePath(const QString& Path) {
  return QDir::cleanPath(QFileInfo(Path).absoluteFilePath());
}

// /usr is the package manager's, shared and read-only by the file-system
// standard: a program there is installed even when root, who may write
// anywhere, runs it.
bool IsSystemProgramDir(const QString& Dir) {
  const QString Clean = QDir::cleanPath(Dir);
  return Clean == QLatin1String("/usr") || Clean.startsWith(QLatin1String("/usr/"));
}

}  // namespace

TUserFolders ChooseUserFolders(const TFolderSources& Sources) {
  TUserFolders Folders;
  Folders.Installed = !Sources.ProgramDirWritable || IsSystemProgramDir(Sources.ProgramDir);
  const QDir Program(Sources.ProgramDir);
  if (Folders.Installed) {
    const QDir Config(XdgFolder(Sources.XdgConfigHome, Sources.Home, QStringLiteral(".config")));
    const QDir Data(XdgFolder(Sources.XdgDataHome, Sources.Home, QStringLiteral(".local/share")));
    Folders.SettingsFile = Config.filePath(QStringLiteral("Dorvane/Dorvane.INI"));
    Folders.DataDir = Data.filePath(QStringLiteral("Dorvane/Data"));
  } else {
    Folders.SettingsFile = Program.filePath(QStringLiteral("Dorvane.INI"));
    Folders.DataDir = Program.filePath(QStringLiteral("Data"));
  }
  if (!Sources.SettingsOption.isEmpty())
    Folders.SettingsFile = AbsolutePath(Sources.SettingsOption);
  if (!Sources.DataOption.isEmpty()) Folders.DataDir = AbsolutePath(Sources.DataOption);
  return Folders;
}

TFolderSources CurrentFolderSources(const QString& SettingsOption, const QString& DataOption) {
  TFolderSources Sources;
  Sources.ProgramDir = QFileInfo(ProgramDir()).canonicalFilePath();
  Sources.ProgramDirWritable = QFileInfo(Sources.ProgramDir).isWritable();
  Sources.XdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
  Sources.XdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
  Sources.Home = QDir::homePath();
  Sources.SettingsOption = SettingsOption;
  Sources.DataOption = DataOption;
  return Sources;
}

void UseUserFolders(const TUserFolders& Folders) { Chosen() = Folders; }

void CreateSettingsFolder() {
  const QString SettingsDir = QFileInfo(SettingsFilePath()).absolutePath();
  if (!QDir().mkpath(SettingsDir)) {
    qCWarning(lcUserFolders) << "Cannot create the settings folder" << SettingsDir;
  }
}

void ForgetUserFolders() { Chosen().reset(); }

QString SettingsFilePath() {
  if (Chosen()) return Chosen()->SettingsFile;
  return QDir(ProgramDir()).filePath(QStringLiteral("Dorvane.INI"));
}

QString DataDir() {
  if (Chosen()) return Chosen()->DataDir;
  return QDir(ProgramDir()).filePath(QStringLiteral("Data"));
}

bool IsInstalledCopy() { return Chosen() && Chosen()->Installed; }
