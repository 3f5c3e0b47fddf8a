#pragma once

#include <QLoggingCategory>

// Failures of the live feed: they must never reach the board, so they are logged.
Q_DECLARE_LOGGING_CATEGORY(lcFeed)
