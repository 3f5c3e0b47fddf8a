#include "UpdateFixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTest>
#include <QUrl>

#include "platform/ProfileFile.h"
#include "platform/ProgramDir.h"
#include "update/UpdateHttp.h"
#include "update/UpdateStaging.h"
#include "update/net/QtHttpClient.h"

TUpdateFixture::TUpdateFixture() {
  SetProgramDirForTest(FProgram.path());
  SetHttpClientMakerForTest(MakeQtHttpClient);
  FCheck.Restart = [this] {
    ++FRestarts;
    return true;
  };
  FCheck.OnStatus = [this](TUpdateCheck&, int Code, const QString& Text) {
    FEvents << QStringLiteral("status %1 %2").arg(Code).arg(Text);
  };
  FCheck.OnAskShutdown = [this](TUpdateCheck&, bool& Allowed) {
    FEvents << QStringLiteral("ask");
    Allowed = FAllowShutdown;
  };
  FCheck.OnRequestClose = [this](TUpdateCheck&) { FEvents << QStringLiteral("close"); };
  FCheck.OnDownloadBegin = [this](TUpdateCheck&) { FEvents << QStringLiteral("begin"); };
  FCheck.OnProgress = [this](TUpdateCheck&, const QString& Name, qint64 Size, qint64 Position) {
    FEvents << QStringLiteral("progress %1 %2 %3").arg(Name).arg(Size).arg(Position);
  };
  FCheck.OnFinished = [this](TUpdateCheck&) { FEvents << QStringLiteral("finished"); };
}

TUpdateFixture::~TUpdateFixture() {
  SetHttpClientMakerForTest(nullptr);
  SetProgramDirForTest(QString());
}

void TUpdateFixture::SetLocation(const QString& Url) {
  ASSERT_TRUE(
      WriteProfileString(SettingsFilePath(), QStringLiteral("Update"), QStringLiteral("URL"), Url));
}

QJsonObject TUpdateFixture::FileEntry(const QString& Path, const QString& Url,
                                      const QByteArray& Content) {
  return {
      {QStringLiteral("path"), Path},
      {QStringLiteral("url"), Url},
      {QStringLiteral("size"), Content.size()},
      {QStringLiteral("sha256"),
       QString::fromLatin1(QCryptographicHash::hash(Content, QCryptographicHash::Sha256).toHex())}};
}

QByteArray TUpdateFixture::Description(const QString& Version, const QJsonArray& Files,
                                       const QJsonArray& News) {
  return QJsonDocument(QJsonObject{{QStringLiteral("version"), Version},
                                   {QStringLiteral("files"), Files},
                                   {QStringLiteral("news"), News}})
      .toJson();
}

QString TUpdateFixture::ServeFile(const QString& Name, const QByteArray& Content) {
  QFile File(QDir(FServed.path()).filePath(Name));
  EXPECT_TRUE(File.open(QIODevice::WriteOnly));
  File.write(Content);
  return QUrl::fromLocalFile(File.fileName()).toString();
}

void TUpdateFixture::RunCheck() {
  FCheck.Start();
  ASSERT_TRUE(QTest::qWaitFor([this] { return !FCheck.InProgress(); }, 20000));
}

QString TUpdateFixture::ProgramPath(const QString& Path) const {
  return QDir(FProgram.path()).filePath(Path);
}

void TUpdateFixture::WriteProgramFile(const QString& Path, const QByteArray& Content) {
  QDir().mkpath(QFileInfo(ProgramPath(Path)).absolutePath());
  QFile File(ProgramPath(Path));
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write(Content);
}

QByteArray TUpdateFixture::ProgramFile(const QString& Path) const {
  QFile File(ProgramPath(Path));
  return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

bool TUpdateFixture::StagingExists() const { return QFileInfo::exists(UpdateStagingDir()); }

QString TUpdateFixture::DiscontinuedText() const {
  for (const QString& Event : FEvents) {
    if (Event.startsWith(QLatin1String("status 2 "))) return Event.mid(9);
  }
  return QString();
}
