#include "platform/ProgramModule.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "platform/ProgramDir.h"

namespace {

// Beside the program in a build or a portable copy; where the package
// installs it otherwise.
QString ModulePath(const char* FileName) {
  const QDir Folder(ProgramDir());
  const QString Beside = Folder.filePath(QLatin1String(FileName));
  if (QFileInfo::exists(Beside)) return Beside;
  return QDir::cleanPath(
      Folder.filePath(QStringLiteral(DORVANE_MODULE_DIR "/") + QLatin1String(FileName)));
}

void Report(const TProgramModule& Module, const QString& Error) {
  qCWarning(Module.Log).noquote() << Module.Without + QStringLiteral(": ") + Error;
}

}  // namespace

QFunctionPointer ProgramModuleEntry(const TProgramModule& Module, const char* Symbol,
                                    QString& Error) {
  // A library loaded before is only found again; destroying the QLibrary
  // leaves it loaded.
  QLibrary Library(ModulePath(Module.FileName));
  if (!Library.load()) {
    Error = QStringLiteral("the module did not load: %1").arg(Library.errorString());
    Report(Module, Error);
    return nullptr;
  }
  const QFunctionPointer Entry = Library.resolve(Symbol);
  if (!Entry) {
    Error = QStringLiteral("%1 is no module of this program (it lacks %2)")
                .arg(Library.fileName(), QLatin1String(Symbol));
    Report(Module, Error);
  }
  return Entry;
}

void RefusedByProgramModule(const TProgramModule& Module, QString& Error) {
  Error = QStringLiteral("%1 belongs to another version than %2")
              .arg(ModulePath(Module.FileName), QLatin1String(DORVANE_VERSION));
  Report(Module, Error);
}
