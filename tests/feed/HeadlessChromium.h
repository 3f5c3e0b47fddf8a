#pragma once

#include <QImage>
#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebSocket>

// A real headless Chromium driven over its DevTools protocol: open a page,
// wait for a condition in it, read values, take a screenshot.
class THeadlessChromium {
 public:
  THeadlessChromium(int Width, int Height);
  ~THeadlessChromium();
  // Starts the browser and attaches to its page; false when it cannot.
  bool Start();
  bool Open(const QUrl& Url);
  // Waits in the page (up to 10 s) until Expression is truthy; its last value.
  QJsonValue WaitFor(const QString& Expression);
  QJsonValue Evaluate(const QString& Expression);
  // The page as shown, with no backdrop behind a transparent page.
  QImage Screenshot();

 private:
  QJsonObject Call(const QString& Method, const QJsonObject& Params = {});

  const int FWidth;
  const int FHeight;
  QTemporaryDir FProfile;
  QProcess FProcess;
  QWebSocket FPage;
  int FNextId = 1;
  QList<QJsonObject> FReplies;
};
