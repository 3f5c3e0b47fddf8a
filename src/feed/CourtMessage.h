#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

#include "platform/LogThrottle.h"

// A court's message as the broker delivers it to a results screen.
struct TCourtUpdate {
  QString Court;
  // Empty when the court's retained message was cleared: the court is gone.
  std::optional<QJsonObject> Match;
};

// Any client of the broker may publish there: a message is only taken when it
// is a match as a board publishes it, within these sizes.
inline constexpr qsizetype MaxCourtMessageBytes = 16 * 1024;
inline constexpr qsizetype MaxCourtNameLength = 64;

// The log of ignored court messages: any client may send a flood of them, so
// only the first few of a minute are logged in full, and the others' count
// once a minute.
class TIgnoredCourtMessages : public TLogThrottle {
 public:
  static constexpr int FullPerMinute = 10;
  TIgnoredCourtMessages();
};

// The update a message on Topic brings; nullopt, logged in Ignored, when it is none.
std::optional<TCourtUpdate> ReadCourtMessage(const QString& Topic, const QByteArray& Payload,
                                             TIgnoredCourtMessages& Ignored);
