#include "support/ui/OffscreenScreens.h"

#include <gtest/gtest.h>
#include <qpa/qplatformnativeinterface.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonArray>

namespace {

// The offscreen plugin's own entry points, found by name through its native
// interface (they take that interface as their last argument).
using TReadConfiguration = QJsonObject (*)(QPlatformNativeInterface*);
using TWriteConfiguration = void (*)(const QJsonObject&, QPlatformNativeInterface*);

QPlatformNativeInterface* Native() { return QGuiApplication::platformNativeInterface(); }

QJsonObject CurrentConfiguration() {
  const auto Read =
      reinterpret_cast<TReadConfiguration>(Native()->nativeResourceForIntegration("configuration"));
  EXPECT_NE(Read, nullptr) << "not the offscreen platform";
  return Read ? Read(Native()) : QJsonObject();
}

}  // namespace

TOffscreenScreens::TOffscreenScreens() : FBefore(CurrentConfiguration()) {}

TOffscreenScreens::~TOffscreenScreens() { Apply(FBefore); }

void TOffscreenScreens::Apply(const QJsonObject& Configuration) {
  auto Write = reinterpret_cast<TWriteConfiguration>(
      Native()->nativeResourceForIntegration("setConfiguration"));
  ASSERT_NE(Write, nullptr) << "not the offscreen platform";
  Write(Configuration, Native());
  QCoreApplication::processEvents();
}

void TOffscreenScreens::Add(const QString& Name, const QRect& Geometry) {
  QJsonObject Configuration = CurrentConfiguration();
  QJsonArray Screens = Configuration[QStringLiteral("screens")].toArray();
  Screens.append(QJsonObject{{"name", Name},
                             {"x", Geometry.x()},
                             {"y", Geometry.y()},
                             {"width", Geometry.width()},
                             {"height", Geometry.height()},
                             {"logicalDpi", 96},
                             {"logicalBaseDpi", 96},
                             {"dpr", 1.0}});
  Configuration[QStringLiteral("screens")] = Screens;
  Apply(Configuration);
}

void TOffscreenScreens::Remove(const QString& Name) {
  QJsonObject Configuration = CurrentConfiguration();
  QJsonArray Kept;
  for (const QJsonValue Screen : Configuration[QStringLiteral("screens")].toArray()) {
    if (Screen[QStringLiteral("name")].toString() != Name) Kept.append(Screen);
  }
  Configuration[QStringLiteral("screens")] = Kept;
  Apply(Configuration);
}
