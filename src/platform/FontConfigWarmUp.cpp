#include "platform/FontConfigWarmUp.h"

#include <dlfcn.h>

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcFontConfigWarmUp, "dorvane.fontconfig")

namespace {

// fontconfig comes with Qt's GUI library; the program is not linked with it
// itself. Nothing is read ahead when Qt was built without it.
std::string ReadFontConfig() {
  void* Library = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
  if (!Library) return "fontconfig is not loaded";
  using TInit = int (*)();
  const auto Init = reinterpret_cast<TInit>(dlsym(Library, "FcInit"));
  std::string Failure;
  if (!Init) {
    Failure = "fontconfig has no FcInit";
  } else if (!Init()) {
    Failure = "fontconfig could not read its configuration";
  }
  dlclose(Library);
  return Failure;
}

}  // namespace

TFontConfigWarmUp::TFontConfigWarmUp() : FThread([this] { FFailure = ReadFontConfig(); }) {}

TFontConfigWarmUp::~TFontConfigWarmUp() { Wait(); }

void TFontConfigWarmUp::Wait() {
  if (!FThread.joinable()) return;
  FThread.join();
  // Qt reads the configuration itself when it needs it: a failure here costs
  // start-up time, nothing else.
  if (!FFailure.empty()) {
    qCInfo(lcFontConfigWarmUp) << "font configuration not read ahead:" << FFailure.c_str();
  }
}
