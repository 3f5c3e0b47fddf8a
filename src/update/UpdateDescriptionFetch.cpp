#include "update/UpdateDescriptionFetch.h"

#include <QCoreApplication>

#include "update/UpdateDownload.h"
#include "update/UpdateUrl.h"

namespace {
// A description is a few lines; anything much larger is not one.
constexpr qint64 MaxDescriptionSize = 1024 * 1024;
}  // namespace

TUpdateDescriptionFetch::TUpdateDescriptionFetch(TUpdateHttp& Http, QObject* Parent)
    : QObject(Parent), FDownload(new TUpdateDownload(Http, this)), FBuffer(&FData) {
  FDownload->OnDone = [this](const QString& Error) { Arrived(Error); };
}

void TUpdateDescriptionFetch::Start() {
  Abort();
  QString Error;
  const std::optional<QUrl> Location = UpdateLocation(Error);
  if (!Location) {
    Done(std::nullopt, Error);
    return;
  }
  FLocation = *Location;
  FData.clear();
  FBuffer.open(QIODevice::WriteOnly | QIODevice::Truncate);
  FDownload->Start(FLocation, FBuffer, MaxDescriptionSize);
}

void TUpdateDescriptionFetch::Abort() {
  FDownload->Abort();
  FBuffer.close();
}

void TUpdateDescriptionFetch::Arrived(const QString& Error) {
  FBuffer.close();
  if (!Error.isEmpty()) {
    Done(std::nullopt,
         QCoreApplication::translate("Update", "The update location cannot be reached: %1")
             .arg(Error));
    return;
  }
  QString ParseError;
  const std::optional<TUpdateDescription> Description =
      ParseUpdateDescription(FData, FLocation, ParseError);
  Done(Description, ParseError);
}

void TUpdateDescriptionFetch::Done(const std::optional<TUpdateDescription>& Description,
                                   const QString& Error) {
  if (OnDone) OnDone(Description, Error);
}
