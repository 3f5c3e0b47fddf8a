#include "feed/CourtMessage.h"

#include <QJsonDocument>
#include <QJsonValue>

#include "feed/FeedLog.h"
#include "feed/FeedSettings.h"

namespace {

// What the courts page reads of a match, and the type it must have.
struct TField {
  const char* Path;
  QJsonValue::Type Type;
};
constexpr TField Fields[] = {
    {"division", QJsonValue::String},
    {"round", QJsonValue::Double},
    {"rounds", QJsonValue::Double},
    {"suddenDeath", QJsonValue::Bool},
    {"winner", QJsonValue::String},
    {"red.name", QJsonValue::String},
    {"red.shownScore", QJsonValue::String},
    {"red.penalties", QJsonValue::Double},
    {"blue.name", QJsonValue::String},
    {"blue.shownScore", QJsonValue::String},
    {"blue.penalties", QJsonValue::Double},
    {"clock.state", QJsonValue::String},
    {"clock.counting", QJsonValue::Bool},
    {"clock.remainingMs", QJsonValue::Double},
    {"clock.takenAtUnixMs", QJsonValue::Double},
    {"clock.text", QJsonValue::String},
    {"clock.stateText", QJsonValue::String},
};

QJsonValue At(const QJsonObject& Match, const char* Path) {
  QJsonValue Value = Match;
  for (const QString& Name : QString::fromLatin1(Path).split(QLatin1Char('.'))) {
    Value = Value.toObject().value(Name);
  }
  return Value;
}

// Why Match is not a board's match; empty when it is one.
QString Fault(const QJsonObject& Match) {
  for (const TField& Field : Fields) {
    if (At(Match, Field.Path).type() != Field.Type) {
      return QStringLiteral("%1 missing or of another type").arg(QLatin1String(Field.Path));
    }
  }
  if (At(Match, "clock.remainingMs").toDouble() < 0) return QStringLiteral("time left below 0");
  return {};
}

}  // namespace

TIgnoredCourtMessages::TIgnoredCourtMessages()
    : TLogThrottle(FullPerMinute, 60000, [](int64_t HeldBack) {
        qCWarning(lcFeed) << "Ignored" << HeldBack
                          << "more messages on the courts' topics (a flood is logged in part)";
      }) {}

std::optional<TCourtUpdate> ReadCourtMessage(const QString& Topic, const QByteArray& Payload,
                                             TIgnoredCourtMessages& Log) {
  const QString Court = CourtOfTopic(Topic);
  const auto Ignored = [&](const QString& Why) {
    if (Log.Admit()) {
      qCWarning(lcFeed).noquote() << "Ignored a message on" << Topic.left(MaxCourtNameLength + 20)
                                  << "of" << Payload.size() << "bytes:" << Why;
    }
    return std::nullopt;
  };
  if (Court.isEmpty()) return Ignored(QStringLiteral("no court's match topic"));
  if (Court.size() > MaxCourtNameLength) return Ignored(QStringLiteral("court name too long"));
  if (Payload.isEmpty()) return TCourtUpdate{Court, std::nullopt};
  if (Payload.size() > MaxCourtMessageBytes) return Ignored(QStringLiteral("too large"));
  const QJsonDocument Document = QJsonDocument::fromJson(Payload);
  if (!Document.isObject()) return Ignored(QStringLiteral("no JSON object"));
  const QString Why = Fault(Document.object());
  if (!Why.isEmpty()) return Ignored(Why);
  return TCourtUpdate{Court, Document.object()};
}
