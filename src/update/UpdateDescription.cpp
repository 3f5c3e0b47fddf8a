#include "update/UpdateDescription.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "update/UpdateUrl.h"

namespace {

// Whole numbers up to 2^53 survive the trip through a JSON double.
constexpr double LargestExactSize = 9007199254740992.0;

bool ReadText(const QJsonObject& Object, const char* Key, QString& Text) {
  const QJsonValue Value = Object.value(QLatin1String(Key));
  if (!Value.isString() || Value.toString().isEmpty()) return false;
  Text = Value.toString();
  return true;
}

std::optional<TUpdateFile> ReadFile(const QJsonValue& Value, const QUrl& Base, QString& Error) {
  const QJsonObject Object = Value.toObject();
  TUpdateFile File;
  QString UrlText, Sha;
  if (!Value.isObject() || !ReadText(Object, "path", File.Path) ||
      !ReadText(Object, "url", UrlText) || !ReadText(Object, "sha256", Sha)) {
    Error = QCoreApplication::translate(
        "Update", "A file of the update description lacks its path, url or sha256.");
    return std::nullopt;
  }
  if (!IsSafeRelativePath(File.Path)) {
    Error = QCoreApplication::translate("Update",
                                        "The update file \"%1\" would leave the program's folder.")
                .arg(File.Path);
    return std::nullopt;
  }
  static const QRegularExpression HexSha(QStringLiteral("^[0-9a-fA-F]{64}$"));
  if (!HexSha.match(Sha).hasMatch()) {
    Error =
        QCoreApplication::translate("Update", "The update file \"%1\" has no valid SHA-256 sum.")
            .arg(File.Path);
    return std::nullopt;
  }
  File.Sha256 = QByteArray::fromHex(Sha.toLatin1());
  const double Size = Object.value(QLatin1String("size")).toDouble(-1);
  if (!Object.value(QLatin1String("size")).isDouble() || Size < 0 || Size > LargestExactSize ||
      Size != static_cast<double>(static_cast<qint64>(Size))) {
    Error = QCoreApplication::translate("Update", "The update file \"%1\" has no valid size.")
                .arg(File.Path);
    return std::nullopt;
  }
  File.Size = static_cast<qint64>(Size);
  File.Url = Base.resolved(QUrl(UrlText));
  if (!IsAllowedUpdateUrl(File.Url)) {
    Error = QCoreApplication::translate(
                "Update", "The update file \"%1\" has an address that is not allowed: %2")
                .arg(File.Path, UrlText);
    return std::nullopt;
  }
  return File;
}

std::optional<TNewsItem> ReadNewsItem(const QJsonValue& Value, QString& Error) {
  const QJsonObject Object = Value.toObject();
  TNewsItem Item;
  QString Link;
  if (!Value.isObject() || !ReadText(Object, "title", Item.Title) ||
      !ReadText(Object, "date", Item.Date) || !ReadText(Object, "link", Link)) {
    Error = QCoreApplication::translate(
        "Update", "A news item of the update description lacks its title, date or link.");
    return std::nullopt;
  }
  // Only web pages: a link must never start a local program.
  Item.Link = QUrl(Link, QUrl::StrictMode);
  const QString Scheme = Item.Link.scheme();
  if (!Item.Link.isValid() || Item.Link.host().isEmpty() ||
      (Scheme != QLatin1String("https") && Scheme != QLatin1String("http"))) {
    Error = QCoreApplication::translate(
                "Update", "The news item \"%1\" has a link that is not a web address.")
                .arg(Item.Title);
    return std::nullopt;
  }
  return Item;
}

}  // namespace

std::optional<TUpdateDescription> ParseUpdateDescription(const QByteArray& Json, const QUrl& Base,
                                                         QString& Error) {
  QJsonParseError ParseError;
  const QJsonDocument Document = QJsonDocument::fromJson(Json, &ParseError);
  if (ParseError.error != QJsonParseError::NoError || !Document.isObject()) {
    Error = QCoreApplication::translate("Update", "The update description is not valid JSON.");
    return std::nullopt;
  }
  const QJsonObject Root = Document.object();
  TUpdateDescription Description;
  if (!ReadText(Root, "version", Description.Version) || !ParseVersion(Description.Version)) {
    Error = QCoreApplication::translate("Update", "The update description has no valid version.");
    return std::nullopt;
  }
  const QJsonValue Files = Root.value(QLatin1String("files"));
  if (!Files.isArray()) {
    Error = QCoreApplication::translate("Update", "The update description has no list of files.");
    return std::nullopt;
  }
  for (const QJsonValue& Value : Files.toArray()) {
    std::optional<TUpdateFile> File = ReadFile(Value, Base, Error);
    if (!File) return std::nullopt;
    Description.Files.append(*File);
  }
  const QJsonValue News = Root.value(QLatin1String("news"));
  if (!News.isUndefined() && !News.isArray()) {
    Error =
        QCoreApplication::translate("Update", "The news of the update description is not a list.");
    return std::nullopt;
  }
  for (const QJsonValue& Value : News.toArray()) {
    std::optional<TNewsItem> Item = ReadNewsItem(Value, Error);
    if (!Item) return std::nullopt;
    Description.News.append(*Item);
  }
  return Description;
}

std::optional<QList<quint32>> ParseVersion(const QString& Text) {
  static const QRegularExpression Dotted(QStringLiteral("^[0-9]{1,9}(\\.[0-9]{1,9})*$"));
  if (!Dotted.match(Text).hasMatch()) return std::nullopt;
  QList<quint32> Parts;
  for (const QString& Part : Text.split(QLatin1Char('.'))) Parts.append(Part.toUInt());
  return Parts;
}

int CompareVersions(const QList<quint32>& A, const QList<quint32>& B) {
  for (qsizetype I = 0; I < std::max(A.size(), B.size()); ++I) {
    const quint32 PartA = I < A.size() ? A[I] : 0;
    const quint32 PartB = I < B.size() ? B[I] : 0;
    if (PartA != PartB) return PartA < PartB ? -1 : 1;
  }
  return 0;
}

bool IsSafeRelativePath(const QString& Path) {
  // Backslashes and drive letters are refused too: on Windows they would be
  // separators and absolute paths.
  if (Path.isEmpty() || Path.startsWith(QLatin1Char('/')) || Path.contains(QLatin1Char('\\')) ||
      Path.contains(QLatin1Char(':')) || Path.contains(QChar(0))) {
    return false;
  }
  for (const QString& Part : Path.split(QLatin1Char('/'))) {
    if (Part.isEmpty() || Part == QLatin1String(".") || Part == QLatin1String("..")) return false;
  }
  return true;
}

bool IsCabinetPath(const QString& Path) {
  return Path.endsWith(QLatin1String(".cab"), Qt::CaseInsensitive);
}
