#pragma once

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>

#include "LoopbackHttpServer.h"
#include "update/UpdateCheck.h"

// An update check over a temporary program folder, with the update's files
// served from a temporary folder (file://) or a loopback HTTP server, fetched
// by the HTTP client linked into the test rather than the module. Every
// notification is written down in order; the restart is only counted.
class TUpdateFixture : public testing::Test {
 protected:
  TUpdateFixture();
  ~TUpdateFixture() override;

  // [Update] "URL" of the program's Dorvane.INI.
  void SetLocation(const QString& Url);
  // A file of the description with the sum and size of Content.
  static QJsonObject FileEntry(const QString& Path, const QString& Url, const QByteArray& Content);
  static QByteArray Description(const QString& Version, const QJsonArray& Files,
                                const QJsonArray& News = {});
  // Puts Content in the served folder and gives its file:// address.
  QString ServeFile(const QString& Name, const QByteArray& Content);
  // Runs a check to its end.
  void RunCheck();

  // A file of the program folder; WriteProgramFile sets its mode too.
  QString ProgramPath(const QString& Path) const;
  void WriteProgramFile(const QString& Path, const QByteArray& Content);
  QByteArray ProgramFile(const QString& Path) const;
  bool StagingExists() const;

  // The status notification with code 2, or an empty text.
  QString DiscontinuedText() const;

  QTemporaryDir FProgram;
  QTemporaryDir FServed;
  TLoopbackHttpServer FHttp;
  TUpdateCheck FCheck;
  QStringList FEvents;
  bool FAllowShutdown = false;
  int FRestarts = 0;
};
