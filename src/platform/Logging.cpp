#include "platform/Logging.h"

Q_LOGGING_CATEGORY(LogSound, "dorvane.sound")
Q_LOGGING_CATEGORY(LogRecord, "dorvane.record")
Q_LOGGING_CATEGORY(LogPads, "dorvane.pads")
Q_LOGGING_CATEGORY(LogSettings, "dorvane.settings")
Q_LOGGING_CATEGORY(LogRules, "dorvane.rules")
Q_LOGGING_CATEGORY(LogFiles, "dorvane.files")
