#include "platform/ProgramDir.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
QString& OverrideDir() {
  static QString Dir;
  return Dir;
}
}  // namespace

QString ProgramDir() {
  if (!OverrideDir().isEmpty()) return OverrideDir();
  // applicationDirPath needs an application object; fall back to /proc.
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
  return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
}

void SetProgramDirForTest(const QString& Dir) { OverrideDir() = Dir; }
