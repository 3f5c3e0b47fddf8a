#pragma once

#include <QString>
#include <memory>

#include "update/HttpClient.h"

// The HTTP client of one user of the update location (the update check, the
// news window), opened from the network module the first time it is needed.
class TUpdateHttp {
 public:
  TUpdateHttp();
  ~TUpdateHttp();
  TUpdateHttp(const TUpdateHttp&) = delete;
  TUpdateHttp& operator=(const TUpdateHttp&) = delete;

  // nullptr, with Error saying why, when the network module cannot be loaded
  // (logged under dorvane.update); it is tried again at the next call.
  THttpClient* Client(QString& Error);

 private:
  std::unique_ptr<THttpClient> FClient;
};

// The update tests link the client in and have it made here instead of the
// module's; nullptr restores the module.
using THttpClientMaker = std::unique_ptr<THttpClient> (*)();
void SetHttpClientMakerForTest(THttpClientMaker Maker);
