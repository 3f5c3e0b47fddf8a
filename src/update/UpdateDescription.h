#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

// The update description the operator's update location serves, as JSON:
//   { "version": "1.2.0",
//     "files": [ { "path": "dorvane", "url": "dorvane-1.2.0", "size": 123,
//                  "sha256": "<64 hex digits>" } ],
//     "news":  [ { "title": "...", "date": "2024-05-01", "link": "https://..." } ] }
// "path" is where the file goes, relative to the program's folder; a path
// ending in ".cab" names a cabinet whose entries go into that path's folder.
// "url" may be relative to the description's own address. "news" may be left out.

struct TUpdateFile {
  QString Path;
  QUrl Url;
  qint64 Size = 0;
  QByteArray Sha256;  // raw 32 bytes
};

struct TNewsItem {
  QString Title;
  QString Date;
  QUrl Link;
};

struct TUpdateDescription {
  QString Version;
  QList<TUpdateFile> Files;
  QList<TNewsItem> News;
};

// The description read from Json; Error says what is wrong when it is not one.
std::optional<TUpdateDescription> ParseUpdateDescription(const QByteArray& Json, const QUrl& Base,
                                                         QString& Error);

// A dotted numeric version ("1", "1.2", "10.0.3"); nothing for any other text.
std::optional<QList<quint32>> ParseVersion(const QString& Text);
// Below zero, zero or above zero as A is older, the same or newer than B
// (missing parts count as 0, so "1.2" equals "1.2.0"). Both must parse.
int CompareVersions(const QList<quint32>& A, const QList<quint32>& B);

// A path that stays inside the program's folder by its text alone: relative,
// forward slashes, no empty, "." or ".." part. Links are checked on disk.
bool IsSafeRelativePath(const QString& Path);
// True for a path naming a cabinet archive.
bool IsCabinetPath(const QString& Path);
