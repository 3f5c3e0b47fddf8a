#include "update/UpdateUrl.h"

#include <QCoreApplication>
#include <QStringList>

#include "platform/ProfileFile.h"
#include "platform/ProgramDir.h"

namespace {

// 127.0.0.0/8, ::1 and the same IPv4 addresses mapped into IPv6. QUrl writes
// a host address in its one normal form (127.0.0.1, ::1, ::ffff:127.0.0.1,
// whatever form the address was given in), so its text is enough to tell.
bool IsLoopbackAddress(QString Host) {
  if (Host == QLatin1String("::1")) return true;
  if (Host.startsWith(QLatin1String("::ffff:"))) Host.remove(0, 7);
  const QStringList Parts = Host.split(QLatin1Char('.'));
  if (Parts.size() != 4) return false;
  for (const QString& Part : Parts) {
    bool Number = false;
    if (Part.toUInt(&Number) > 255 || !Number) return false;
  }
  return Parts.front() == QLatin1String("127");
}

}  // namespace

QString UpdateLocationText() {
  return ReadProfileString(SettingsFilePath(), QStringLiteral("Update"), QStringLiteral("URL"),
                           QString())
      .trimmed();
}

bool IsAllowedUpdateUrl(const QUrl& Url) {
  if (!Url.isValid()) return false;
  const QString Scheme = Url.scheme().toLower();
  if (Scheme == QLatin1String("https")) return !Url.host().isEmpty();
  if (Scheme == QLatin1String("file")) return Url.isLocalFile();
  if (Scheme != QLatin1String("http")) return false;
  const QString Host = Url.host();
  return Host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
         IsLoopbackAddress(Host);
}

std::optional<QUrl> UpdateLocation(QString& Error) {
  const QString Text = UpdateLocationText();
  if (Text.isEmpty()) {
    Error = QCoreApplication::translate(
        "Update", "No update location is set (key \"URL\" in section [Update] of Dorvane.INI).");
    return std::nullopt;
  }
  const QUrl Url(Text, QUrl::StrictMode);
  if (!IsAllowedUpdateUrl(Url)) {
    Error = QCoreApplication::translate(
                "Update", "The update location %1 is not an https:// or file:// address.")
                .arg(Text);
    return std::nullopt;
  }
  return Url;
}
