// The feed module: the live feed with its HTTP, WebSocket and MQTT libraries,
// loaded by the program only when [Feed] asks for a feed.
#include <QByteArrayView>

#include "feed/FeedOutlet.h"
#include "feed/LiveFeed.h"
#include "platform/TimeSource.h"

extern "C" Q_DECL_EXPORT TFeedOutlet* DorvaneOpenFeed(const char* Version,
                                                      const TFeedSettings& Settings,
                                                      TTimeSource& Time) {
  if (QByteArrayView(Version) != QByteArrayView(DORVANE_VERSION)) return nullptr;
  SetTimeSource(&Time);
  return new TLiveFeed(Settings);
}
