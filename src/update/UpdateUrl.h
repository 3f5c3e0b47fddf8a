#pragma once

#include <QString>
#include <QUrl>
#include <optional>

// The update location from [Update] "URL" of Dorvane.INI; empty when none is set.
QString UpdateLocationText();

// https and file addresses; http only to this machine (a local test server),
// since nothing else would protect a plain download from being changed on the way.
bool IsAllowedUpdateUrl(const QUrl& Url);

// The update location as an address the update may use; nothing, with Error
// saying why, when none is set or it is not allowed.
std::optional<QUrl> UpdateLocation(QString& Error);
