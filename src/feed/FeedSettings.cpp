#include "feed/FeedSettings.h"

#include <QStringList>
#include <optional>

#include "feed/FeedLog.h"
#include "model/NumberText.h"
#include "platform/ProfileFile.h"

namespace {

const QString Section = QStringLiteral("Feed");

std::optional<int> ReadPort(const QString& Path, const char* Key) {
  const QString Text = ReadProfileString(Path, Section, QLatin1String(Key), QString());
  if (Text.trimmed().isEmpty()) return std::nullopt;
  const std::optional<int32_t> Port = ParseIntegerText(Text);
  if (!Port || *Port < 0 || *Port > 65535) {
    qCWarning(lcFeed) << "[Feed]" << Key << "is no port:" << Text;
    return std::nullopt;
  }
  return *Port;
}

}  // namespace

TFeedSettings TFeedSettings::Read(const QString& SettingsPath) {
  TFeedSettings Result;
  const auto Text = [&](const char* Key, const QString& Default) {
    const QString Value =
        ReadProfileString(SettingsPath, Section, QLatin1String(Key), Default).trimmed();
    return Value.isEmpty() ? Default : Value;
  };
  Result.Listen = Text("Listen", Result.Listen);
  Result.Port = ReadPort(SettingsPath, "Port").value_or(0);
  Result.MqttHost = Text("MqttHost", QString());
  Result.MqttPort = ReadPort(SettingsPath, "MqttPort").value_or(Result.MqttPort);
  Result.Court = Text("Court", Result.Court);
  return Result;
}

QString TFeedSettings::MatchTopic() const {
  QString Name = Court;
  for (const QChar Reserved : {QLatin1Char('/'), QLatin1Char('+'), QLatin1Char('#')}) {
    Name.replace(Reserved, QLatin1Char('_'));
  }
  return QStringLiteral("dorvane/%1/match").arg(Name);
}

QString CourtOfTopic(const QString& Topic) {
  const QStringList Parts = Topic.split(QLatin1Char('/'));
  if (Parts.size() != 3 || Parts[0] != QLatin1String("dorvane") ||
      Parts[2] != QLatin1String("match")) {
    return QString();
  }
  return Parts[1];
}
