// The network module: the HTTP client of the update and the news with Qt
// Network, loaded by the program only when it first fetches over HTTP.
#include "platform/ProgramModule.h"
#include "update/net/QtHttpClient.h"

extern "C" Q_DECL_EXPORT THttpClient* DorvaneOpenHttpClient(const char* Version) {
  if (!IsThisProgramsVersion(Version)) return nullptr;
  return MakeQtHttpClient().release();
}
