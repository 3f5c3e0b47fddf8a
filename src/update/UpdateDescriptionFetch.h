#pragma once

#include <QBuffer>
#include <QObject>
#include <functional>
#include <optional>

#include "update/UpdateDescription.h"

class TUpdateDownload;
class TUpdateHttp;

// Fetches and reads the update description from the update location, in the
// background. The update check and the news window both start here.
class TUpdateDescriptionFetch : public QObject {
 public:
  // Error says why there is no description.
  using TDoneEvent = std::function<void(const std::optional<TUpdateDescription>& Description,
                                        const QString& Error)>;

  TUpdateDescriptionFetch(TUpdateHttp& Http, QObject* Parent = nullptr);

  // Reads [Update] "URL" and starts; OnDone may come before this returns.
  void Start();
  void Abort();

  TDoneEvent OnDone;

 private:
  void Arrived(const QString& Error);
  void Done(const std::optional<TUpdateDescription>& Description, const QString& Error);

  TUpdateDownload* FDownload;
  QUrl FLocation;
  QByteArray FData;
  QBuffer FBuffer;
};
