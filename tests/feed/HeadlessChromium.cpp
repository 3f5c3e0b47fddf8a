#include "HeadlessChromium.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QStandardPaths>

#include "FeedClient.h"

THeadlessChromium::THeadlessChromium(int Width, int Height) : FWidth(Width), FHeight(Height) {
  QObject::connect(&FPage, &QWebSocket::textMessageReceived, [this](const QString& Text) {
    const QJsonObject Message = QJsonDocument::fromJson(Text.toUtf8()).object();
    if (Message.contains(QLatin1String("id"))) FReplies.append(Message);
  });
}

THeadlessChromium::~THeadlessChromium() {
  FPage.close();
  if (FProcess.state() == QProcess::NotRunning) return;
  FProcess.terminate();
  if (!FProcess.waitForFinished(5000)) FProcess.kill();
  FProcess.waitForFinished();
}

bool THeadlessChromium::Start() {
  const QString Program = QStandardPaths::findExecutable(QStringLiteral("chromium"));
  if (Program.isEmpty()) return false;
  // --no-sandbox: the tests may run as root, where Chromium refuses its sandbox.
  FProcess.start(Program,
                 {QStringLiteral("--headless=new"), QStringLiteral("--no-sandbox"),
                  QStringLiteral("--disable-gpu"), QStringLiteral("--hide-scrollbars"),
                  QStringLiteral("--no-first-run"), QStringLiteral("--remote-debugging-port=0"),
                  QStringLiteral("--user-data-dir=") + FProfile.path(),
                  QStringLiteral("--window-size=%1,%2").arg(FWidth).arg(FHeight),
                  QStringLiteral("about:blank")});
  // The browser names its DevTools address on stderr; the page's own is
  // that address with the page's target id.
  static const QRegularExpression Listening(QStringLiteral("DevTools listening on (ws://\\S+)"));
  QByteArray Errors;
  QUrl Browser;
  WaitUntil(
      [&] {
        Errors += FProcess.readAllStandardError();
        const QRegularExpressionMatch Match = Listening.match(QString::fromUtf8(Errors));
        if (Match.hasMatch()) Browser = QUrl(Match.captured(1));
        return Browser.isValid() || FProcess.state() == QProcess::NotRunning;
      },
      30000);
  if (!Browser.isValid()) return false;
  QUrl List = Browser;
  List.setScheme(QStringLiteral("http"));
  List.setPath(QStringLiteral("/json/list"));
  for (const QJsonValue Target : QJsonDocument::fromJson(HttpRequest("GET", List).Body).array()) {
    if (Target[QLatin1String("type")].toString() != QLatin1String("page")) continue;
    FPage.open(QUrl(Target[QLatin1String("webSocketDebuggerUrl")].toString()));
    if (!WaitUntil([this] { return FPage.state() == QAbstractSocket::ConnectedState; }))
      return false;
    // The window size includes the browser's frame: the page gets exactly the size asked for.
    Call(QStringLiteral("Emulation.setDeviceMetricsOverride"),
         {{QStringLiteral("width"), FWidth},
          {QStringLiteral("height"), FHeight},
          {QStringLiteral("deviceScaleFactor"), 1},
          {QStringLiteral("mobile"), false}});
    return true;
  }
  return false;
}

QJsonObject THeadlessChromium::Call(const QString& Method, const QJsonObject& Params) {
  const int Id = FNextId++;
  FPage.sendTextMessage(
      QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("id"), Id},
                                                  {QStringLiteral("method"), Method},
                                                  {QStringLiteral("params"), Params}})
                            .toJson(QJsonDocument::Compact)));
  QJsonObject Reply;
  WaitUntil(
      [&] {
        for (const QJsonObject& Candidate : FReplies) {
          if (Candidate[QLatin1String("id")].toInt() == Id) Reply = Candidate;
        }
        return !Reply.isEmpty();
      },
      30000);
  return Reply[QLatin1String("result")].toObject();
}

bool THeadlessChromium::Open(const QUrl& Url) {
  Call(QStringLiteral("Page.enable"));
  const QJsonObject Result =
      Call(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), Url.toString()}});
  if (Result.isEmpty() || Result.contains(QLatin1String("errorText"))) return false;
  return WaitFor(QStringLiteral("document.readyState === 'complete'")).toBool();
}

QJsonValue THeadlessChromium::Evaluate(const QString& Expression) {
  const QJsonObject Result =
      Call(QStringLiteral("Runtime.evaluate"), {{QStringLiteral("expression"), Expression},
                                                {QStringLiteral("returnByValue"), true},
                                                {QStringLiteral("awaitPromise"), true}});
  return Result[QLatin1String("result")][QLatin1String("value")];
}

// The page itself waits, frame by frame: one round trip, no polling from here.
QJsonValue THeadlessChromium::WaitFor(const QString& Expression) {
  return Evaluate(
      QStringLiteral("new Promise((resolve) => {"
                     "  const start = performance.now();"
                     "  const check = () => {"
                     "    let value; try { value = (%1); } catch (e) { value = false; }"
                     "    if (value || performance.now() - start > 10000) resolve(value);"
                     "    else setTimeout(check, 10);"
                     "  };"
                     "  check();"
                     "})")
          .arg(Expression));
}

QImage THeadlessChromium::Screenshot() {
  const QJsonObject Transparent{{QStringLiteral("r"), 0},
                                {QStringLiteral("g"), 0},
                                {QStringLiteral("b"), 0},
                                {QStringLiteral("a"), 0}};
  Call(QStringLiteral("Emulation.setDefaultBackgroundColorOverride"),
       {{QStringLiteral("color"), Transparent}});
  const QJsonObject Result = Call(QStringLiteral("Page.captureScreenshot"),
                                  {{QStringLiteral("format"), QStringLiteral("png")}});
  return QImage::fromData(
      QByteArray::fromBase64(Result[QLatin1String("data")].toString().toLatin1()), "PNG");
}
