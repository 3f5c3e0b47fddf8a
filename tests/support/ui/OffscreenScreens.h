#pragma once

#include <QJsonObject>
#include <QRect>
#include <QString>

// The screens of the offscreen platform, changed while the test runs: Qt
// adds and removes QScreens as a desktop does when a projector is plugged
// in or pulled out. The configuration before is restored at the end.
class TOffscreenScreens {
 public:
  TOffscreenScreens();
  ~TOffscreenScreens();
  TOffscreenScreens(const TOffscreenScreens&) = delete;
  TOffscreenScreens& operator=(const TOffscreenScreens&) = delete;

  // Adds a screen (names are the screens' identity) or removes it.
  void Add(const QString& Name, const QRect& Geometry);
  void Remove(const QString& Name);

 private:
  void Apply(const QJsonObject& Configuration);
  QJsonObject FBefore;
};
