#include "feed/FeedLog.h"

Q_LOGGING_CATEGORY(lcFeed, "dorvane.feed")
