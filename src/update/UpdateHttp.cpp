#include "update/UpdateHttp.h"

#include <QCoreApplication>

#include "platform/ProgramModule.h"
#include "update/UpdateLog.h"

namespace {
THttpClientMaker TestMaker = nullptr;
constexpr TProgramModule NetModule{"dorvane-net.so", lcUpdate,
                                   "No HTTP for the update and the news"};
}  // namespace

void SetHttpClientMakerForTest(THttpClientMaker Maker) { TestMaker = Maker; }

TUpdateHttp::TUpdateHttp() = default;
TUpdateHttp::~TUpdateHttp() = default;

THttpClient* TUpdateHttp::Client(QString& Error) {
  if (FClient) return FClient.get();
  if (TestMaker) {
    FClient = TestMaker();
    return FClient.get();
  }
  QString ModuleError;
  FClient = OpenProgramModule<TOpenHttpClient>(NetModule, OpenHttpClientSymbol, ModuleError);
  if (!FClient) {
    Error = QCoreApplication::translate("Update", "HTTP is not available (%1)").arg(ModuleError);
  }
  return FClient.get();
}
