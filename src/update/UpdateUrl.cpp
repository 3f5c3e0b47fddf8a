#include "update/UpdateUrl.h"

#include <QCoreApplication>
#include <QHostAddress>

#include "platform/ProfileFile.h"
#include "platform/ProgramDir.h"

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
         QHostAddress(Host).isLoopback();
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
