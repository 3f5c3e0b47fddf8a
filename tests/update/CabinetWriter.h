#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// An uncompressed cabinet archive (one folder, one data block) holding Files,
// name and content each; enough for the update's cabinet tests.
QByteArray MakeCabinet(const QList<QPair<QString, QByteArray>>& Files);
