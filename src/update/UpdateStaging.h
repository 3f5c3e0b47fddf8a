#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// An update downloaded and verified, waiting in "update-staging" beside the
// program until it may replace the program's files. Its manifest is written
// last, so a folder without one holds an unfinished download.

struct TStagedFile {
  QString Path;  // relative to the program's folder
  qint64 Size = 0;
  QByteArray Sha256;
};

struct TStagedUpdate {
  QString Version;
  QList<TStagedFile> Files;
};

QString UpdateStagingDir();
// Where the staged copy of the program file Path waits.
QString StagedFilePath(const QString& Path);
// Removes the staging folder and all in it.
void DiscardStaging();
// The same after an install that failed, with the reason logged: an install
// that failed once is not tried again at every start.
void DiscardFailedStaging(const QString& Reason);

bool WriteStagingManifest(const TStagedUpdate& Update, QString& Error);
std::optional<TStagedUpdate> ReadStagingManifest(QString& Error);
// Every staged file is present with its size and SHA-256 sum.
bool VerifyStagedFiles(const TStagedUpdate& Update, QString& Error);

// The program file Path lies inside the program's folder also once links on
// the disk are followed, is not a link itself and is not in the staging folder.
bool TargetStaysInside(const QString& Path, QString& Error);

// Replaces the program's files with the staged ones, all or none. Each is
// first copied beside its target (keeping the mode of the file it replaces)
// and the file it replaces backed up; only when all copies exist are they
// renamed over their targets. When one rename fails, the files already
// replaced get their backups back (new ones are removed), and Error says so
// should one of them not go back.
bool InstallStagedFiles(const TStagedUpdate& Update, QString& Error);

// For start-up, before any window: installs a complete, verified staged update
// of a version newer than this program and removes the staging folder; an
// incomplete, damaged or older one, or one whose install failed, is only
// removed, with the reason logged. True when files were replaced.
bool InstallStagedUpdate();

QByteArray FileSha256(const QString& Path);
