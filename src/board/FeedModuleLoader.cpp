#include "board/FeedModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "feed/FeedLog.h"
#include "platform/TimeSource.h"

namespace {

constexpr char ModuleFile[] = "dorvane-feed.so";

// Beside the program in a build or a portable copy; where the package
// installs it otherwise.
QString ModulePath() {
  const QDir ProgramDir(QCoreApplication::applicationDirPath());
  const QString Beside = ProgramDir.filePath(QLatin1String(ModuleFile));
  if (QFileInfo::exists(Beside)) return Beside;
  return QDir::cleanPath(
      ProgramDir.filePath(QStringLiteral(DORVANE_FEED_MODULE_DIR "/") + QLatin1String(ModuleFile)));
}

}  // namespace

std::unique_ptr<TFeedOutlet> OpenFeedModule(const TFeedSettings& Settings) {
  if (!Settings.AsksForAFeed()) return nullptr;
  // Never unloaded: the feed's threads and Qt's plugins may hold on to it.
  static QLibrary Module;
  if (!Module.isLoaded()) {
    Module.setFileName(ModulePath());
    if (!Module.load()) {
      qCWarning(lcFeed) << "No live feed: the feed module did not load:" << Module.errorString();
      return nullptr;
    }
  }
  const auto Open = reinterpret_cast<TOpenFeedModule>(Module.resolve(OpenFeedModuleSymbol));
  if (!Open) {
    qCWarning(lcFeed) << "No live feed:" << Module.fileName() << "is no feed module";
    return nullptr;
  }
  std::unique_ptr<TFeedOutlet> Feed(Open(DORVANE_VERSION, Settings, TimeSource()));
  if (!Feed) {
    qCWarning(lcFeed) << "No live feed:" << Module.fileName() << "belongs to another version than"
                      << DORVANE_VERSION;
  }
  return Feed;
}
