#include "MosquittoBroker.h"

#include <QFile>
#include <QStandardPaths>
#include <QTcpSocket>

#include "FeedClient.h"

TMosquittoBroker::TMosquittoBroker() : FPort(FreeLoopbackPort()) {
  // The broker drops to its own user when started as root: it must write here.
  QFile::setPermissions(FDir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                         QFileDevice::WriteOther | QFileDevice::ExeOther);
  QFile Config(FDir.filePath(QStringLiteral("mosquitto.conf")));
  Config.open(QIODevice::WriteOnly);
  Config.write(QStringLiteral("listener %1 127.0.0.1\n"
                              "allow_anonymous true\n"
                              "persistence true\n"
                              "persistence_location %2/\n"
                              "log_dest stderr\n"
                              "log_type error\n"
                              "log_type warning\n")
                   .arg(FPort)
                   .arg(FDir.path())
                   .toUtf8());
}

TMosquittoBroker::~TMosquittoBroker() { Stop(); }

bool TMosquittoBroker::Start() {
  const QString Program = QStandardPaths::findExecutable(
      QStringLiteral("mosquitto"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
  if (Program.isEmpty()) return false;
  FProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  FProcess.start(Program, {QStringLiteral("-c"), FDir.filePath(QStringLiteral("mosquitto.conf"))});
  if (!FProcess.waitForStarted()) return false;
  return WaitUntil([this] {
    QTcpSocket Probe;
    Probe.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(FPort));
    return Probe.waitForConnected(200);
  });
}

void TMosquittoBroker::Stop() {
  if (FProcess.state() == QProcess::NotRunning) return;
  FProcess.terminate();
  if (!FProcess.waitForFinished(10000)) FProcess.kill();
  FProcess.waitForFinished();
}

void TMosquittoBroker::ForgetSaved() {
  QFile::remove(FDir.filePath(QStringLiteral("mosquitto.db")));
}
