#pragma once

#include <QString>

// Section [Feed] of Dorvane.INI. The feed server is off while Port is 0, the
// broker link while MqttHost is empty.
struct TFeedSettings {
  QString Listen = QStringLiteral("127.0.0.1");
  int Port = 0;
  QString MqttHost;
  int MqttPort = 1883;
  QString Court = QStringLiteral("1");

  // Defaults where a key is missing or does not read as a port.
  static TFeedSettings Read(const QString& SettingsPath);
  // A feed server or a broker link is asked for.
  bool AsksForAFeed() const { return Port > 0 || !MqttHost.isEmpty(); }
  // dorvane/<Court>/match; the topic wildcards and separator in a court's
  // name become "_", so one court never publishes over another's topics.
  QString MatchTopic() const;
};

// Every court's match topic, for a results screen.
inline const QString AllCourtsTopic = QStringLiteral("dorvane/+/match");

// The court of a match topic; empty when the topic is not one.
QString CourtOfTopic(const QString& Topic);
