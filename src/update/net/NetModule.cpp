// The network module: the HTTP client of the update and the news with Qt
// Network, loaded by the program only when it first fetches over HTTP.
#include <QByteArrayView>

#include "update/net/QtHttpClient.h"

extern "C" Q_DECL_EXPORT THttpClient* DorvaneOpenHttpClient(const char* Version) {
  if (QByteArrayView(Version) != QByteArrayView(DORVANE_VERSION)) return nullptr;
  return MakeQtHttpClient().release();
}
