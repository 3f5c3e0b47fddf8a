#include "platform/FontConfigWarmUp.h"

#include <QLoggingCategory>

#include "platform/RuntimeLibrary.h"

Q_LOGGING_CATEGORY(lcFontConfigWarmUp, "dorvane.fontconfig")

namespace {

// fontconfig is already loaded with Qt's GUI library; looked up here
// rather than linked so that the program needs no build headers for it.
struct TFontConfigCalls {
  int (*Init)() = nullptr;
};

bool ResolveFontConfig(QLibrary& Library, TFontConfigCalls& Calls) {
  return ResolveCall(Library, Calls.Init, "FcInit");
}

void ReadFontConfig() {
  QString Error;
  const TFontConfigCalls* Calls = LoadLibraryOnce<TFontConfigCalls>(
      QStringLiteral("fontconfig"), 1, ResolveFontConfig, Error);
  // Qt reads the configuration itself when it needs it: a failure here
  // costs the start-up time, nothing else.
  if (!Calls) {
    qCInfo(lcFontConfigWarmUp) << "fontconfig is not loaded ahead:" << Error;
    return;
  }
  if (!Calls->Init()) qCInfo(lcFontConfigWarmUp) << "fontconfig could not read its configuration";
}

}  // namespace

TFontConfigWarmUp::TFontConfigWarmUp() : FThread(ReadFontConfig) {}

TFontConfigWarmUp::~TFontConfigWarmUp() { Wait(); }

void TFontConfigWarmUp::Wait() {
  if (FThread.joinable()) FThread.join();
}
