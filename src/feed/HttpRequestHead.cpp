#include "feed/HttpRequestHead.h"

#include <QList>

namespace {

bool ListHas(const QByteArray& List, const char* Token) {
  for (const QByteArray& Item : List.split(',')) {
    if (Item.trimmed().compare(Token, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

}  // namespace

bool THttpRequestHead::HasBody() const {
  if (Headers.contains("transfer-encoding")) return true;
  const QByteArray Length = Header("content-length").trimmed();
  return !Length.isEmpty() && Length != "0";
}

bool THttpRequestHead::AsksForWebSocket() const {
  return ListHas(Header("upgrade"), "websocket") && ListHas(Header("connection"), "upgrade");
}

bool THttpRequestHead::KeepsAlive() const {
  const QByteArray Connection = Header("connection");
  if (Version == "HTTP/1.0") return ListHas(Connection, "keep-alive");
  return !ListHas(Connection, "close");
}

qsizetype RequestHeadEnd(const QByteArray& Data) {
  const qsizetype At = Data.indexOf("\r\n\r\n");
  return At < 0 ? -1 : At + 4;
}

std::optional<THttpRequestHead> ParseRequestHead(const QByteArray& Head) {
  const QList<QByteArray> Lines = Head.split('\n');
  const QList<QByteArray> Request = Lines.value(0).trimmed().split(' ');
  if (Request.size() != 3 || !Request[2].startsWith("HTTP/1.") || !Request[1].startsWith('/')) {
    return std::nullopt;
  }
  THttpRequestHead Result;
  Result.Method = Request[0];
  const qsizetype Query = Request[1].indexOf('?');
  Result.Path = Query < 0 ? Request[1] : Request[1].left(Query);
  Result.Version = Request[2];
  for (qsizetype I = 1; I < Lines.size(); ++I) {
    const QByteArray Line = Lines[I].trimmed();
    if (Line.isEmpty()) continue;
    const qsizetype Colon = Line.indexOf(':');
    if (Colon <= 0) return std::nullopt;
    Result.Headers.insert(Line.left(Colon).trimmed().toLower(), Line.mid(Colon + 1).trimmed());
  }
  return Result;
}
