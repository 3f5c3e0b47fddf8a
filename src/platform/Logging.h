#pragma once

#include <QLoggingCategory>

// Where a failure the program otherwise rides out silently is reported, with
// the system's reason. Enable with QT_LOGGING_RULES, e.g. "dorvane.*=true".
Q_DECLARE_LOGGING_CATEGORY(LogSound)     // dorvane.sound
Q_DECLARE_LOGGING_CATEGORY(LogRecord)    // dorvane.record
Q_DECLARE_LOGGING_CATEGORY(LogPads)      // dorvane.pads
Q_DECLARE_LOGGING_CATEGORY(LogSettings)  // dorvane.settings
Q_DECLARE_LOGGING_CATEGORY(LogRules)     // dorvane.rules
Q_DECLARE_LOGGING_CATEGORY(LogFiles)     // dorvane.files
